// What programming would change: the settings in which the document and the radio differ,
// one row each (the window's name of the setting, the document's value, the radio's, the
// settings file's section and key). Show (or a double click, or Enter) on a row closes the
// list so that the window can show that setting's page and field.
#pragma once

#include <QDialog>

#include <optional>
#include <string>

#include "files/settings_diff.h"

class QPushButton;
class QTreeWidget;

namespace kol::editor {

class CompareDialog : public QDialog {
  Q_OBJECT
 public:
  // `radio` names where the radio was read ("/dev/ttyUSB0").
  CompareDialog(const DocumentDifferences& differences, const std::string& radio,
                QWidget* parent = nullptr);

  // The setting whose page and field to show, once the list closed on one.
  std::optional<std::size_t> Chosen() const { return chosen_; }

 private:
  void Choose();

  QTreeWidget* list_;
  QPushButton* show_;
  std::optional<std::size_t> chosen_;
};

// The heading of the list: how many settings differ, or that none does.
std::string CompareHeading(const DocumentDifferences& differences, const std::string& radio);

}  // namespace kol::editor
