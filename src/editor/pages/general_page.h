// The start page: the program's logo, loaded from "ZN Logo.gif" beside the program the
// first time the page is shown.
#pragma once

#include "editor/page.h"

class QLabel;

namespace kol::editor {

class GeneralPage final : public Page {
  Q_OBJECT
 public:
  GeneralPage(EditorServices& services, QWidget* parent);

 protected:
  void ShowFor(const NodeTarget& target) override;

 private:
  QLabel* logo_;
  bool loaded_ = false;
};

// The empty grey page of the "Program" and "DSC" roots.
class GreyPage final : public Page {
  Q_OBJECT
 public:
  GreyPage(EditorServices& services, QWidget* parent);
};

}  // namespace kol::editor
