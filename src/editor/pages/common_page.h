// Common Setup: the radio's start channel, transmit power display, scanning, clock and
// weather alert.
#pragma once

#include "editor/pages/form_page.h"

class QComboBox;
class QGridLayout;
class QLabel;

namespace kol::editor {

class RuleLine;

class CommonPage final : public FormPage {
  Q_OBJECT
 public:
  CommonPage(EditorServices& services, QWidget* parent);
 protected:
  void ShowFor(const NodeTarget& target) override;
  // "Channel No.#" only with "Fixed CH"; "Resume Time" and "PTT SCAN Clear" only with SCAN.
  void ShowState() override;
  std::string Subject() const override { return "Common Setup"; }

 private:
  // A labelled list in the next row of the grid; `dependent` rows sit behind a rule line.
  QComboBox* AddRow(QGridLayout& grid, const char* name, const char* label,
                    std::span<const std::string_view> texts, bool dependent = false);
  // The label beside a list.
  QWidget* Caption(const QComboBox& list) const;

  QComboBox* startMode_ = nullptr;
  QComboBox* channelNo_ = nullptr;
  QComboBox* scan_ = nullptr;
  QComboBox* resume_ = nullptr;
  QComboBox* pttScan_ = nullptr;
  QComboBox* offset_ = nullptr;
  RuleLine* startRule_ = nullptr;
  RuleLine* scanRule_ = nullptr;
  QWidget* weatherSection_ = nullptr;
};

}  // namespace kol::editor
