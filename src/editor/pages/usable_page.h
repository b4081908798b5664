// Usable CH Group Setup: which channel groups the radio offers, their status names and
// priority channels, and in which plan groups the EXP channels are used as well.
#pragma once

#include <array>

#include "editor/pages/form_page.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;

namespace kol::editor {

class CommitField;

class UsablePage final : public FormPage {
  Q_OBJECT
 public:
  UsablePage(EditorServices& services, QWidget* parent);
  bool Validate() override;

 protected:
  // The priority lists offer the enabled channels of their groups.
  void ShowFor(const NodeTarget& target) override;
  // What follows the usable groups: which controls take input, the EXP boxes' captions.
  void ShowState() override;
  std::string Subject() const override { return "Usable CH Group Setup"; }

 private:
  static constexpr int kRows = 4;  // Group1-Group3 and the EXP group
  static constexpr int kPlanRows = 3;

  void BuildRow(QGridLayout& grid, int row);
  void BuildExpansionBoxes();

  std::array<QCheckBox*, kRows> usable_{};
  std::array<CommitField*, kRows> statusName_{};
  std::array<QLabel*, kRows> statusLabel_{};
  std::array<QComboBox*, kPlanRows> priority_{};
  std::array<QLabel*, kPlanRows> priorityLabel_{};
  std::array<QCheckBox*, kPlanRows> exp_{};
};

}  // namespace kol::editor
