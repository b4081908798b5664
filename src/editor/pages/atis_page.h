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
  void ShowFor(const NodeTarget& target) override;
  bool Validate() override;

 private:
  std::array<QCheckBox*, 4> groups_{};
  CommitField* code_ = nullptr;
};

}  // namespace kol::editor
