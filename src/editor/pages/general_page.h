// The start page: the program's logo, loaded from "ZN Logo.gif" beside the program once the
// page has first been drawn, so that the window shows without waiting for the picture.
#pragma once

#include "editor/page.h"

class QLabel;

namespace kol::editor {

class GeneralPage final : public Page {
  Q_OBJECT
 public:
  GeneralPage(EditorServices& services, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void LoadLogo();

  QLabel* logo_;
  bool logoAsked_ = false;
};

// The empty grey page of the "Program" and "DSC" roots.
class GreyPage final : public Page {
  Q_OBJECT
 public:
  GreyPage(EditorServices& services, QWidget* parent);
};

}  // namespace kol::editor
