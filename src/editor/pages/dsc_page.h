// DSC Setup on three tabs: Basic (usable DSC groups, the user's MMSI and its clearing,
// distress cancel, beep outputs), Advanced (the forty call settings, the log clearing)
// and Display (the acknowledgement menus).
#pragma once

#include <array>

#include "editor/pages/form_page.h"

class QLabel;
class QLineEdit;
class QTabWidget;

namespace kol::editor {

class CommitField;

class DscPage final : public FormPage {
  Q_OBJECT
 public:
  DscPage(EditorServices& services, QWidget* parent);
  bool Validate() override;

 protected:
  // The groups' status names beside their lists, and the radio's MMSI count.
  void ShowState() override;
  std::string Subject() const override { return "DSC Setup"; }

 private:
  QWidget* BuildBasicTab();
  QWidget* BuildAdvancedTab();
  QWidget* BuildDisplayTab();
  QWidget* BuildUserMmsiRow(QWidget* tab);
  QWidget* BuildLogClear(QWidget* tab);
  // Clearing erases data in the radio that the program cannot put back: asks first
  // (default No) and runs `operation` only on Yes.
  void ClearAfterAsking(const char* what, Operation operation);
  // The radio's count of user MMSI settings, as the image holds it.
  void ShowMmsiCount();

  QTabWidget* tabs_ = nullptr;
  CommitField* userMmsi_ = nullptr;
  QLineEdit* mmsiCount_ = nullptr;
  std::array<QLabel*, 4> groupNames_{};
};

}  // namespace kol::editor
