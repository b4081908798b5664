// ATIS Setup (models with ATIS): the channel groups that send the ATIS code, and the code.
#pragma once

#include <array>

#include "editor/pages/form_page.h"

class QCheckBox;

namespace kol::editor {

class CommitField;

class AtisPage final : public FormPage {
  Q_OBJECT
 public:
  AtisPage(EditorServices& services, QWidget* parent);
  bool Validate() override;

 protected:
  // A group box takes input while its group is usable, and names the group's status name.
  void ShowState() override;
  std::string Subject() const override { return "ATIS Setup"; }

 private:
  std::array<QCheckBox*, 4> groups_{};
  CommitField* code_ = nullptr;
};

}  // namespace kol::editor
