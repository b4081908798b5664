#include "editor/widgets/option_combo.h"

#include "editor/widgets/key_help.h"

namespace kol::editor {

void FillCombo(QComboBox& list, std::span<const std::string_view> texts) {
  list.clear();
  for (std::size_t i = 0; i < texts.size(); ++i) {
    list.addItem(QString::fromLatin1(texts[i].data(), static_cast<qsizetype>(texts[i].size())),
                 static_cast<int>(i));
  }
  SetKeyHelp(list, key_help::kList);
}

void FillCombo(QComboBox& list, std::span<const options::Item> items) {
  list.clear();
  for (const options::Item& item : items) list.addItem(QString::fromStdString(item.text), item.data);
  SetKeyHelp(list, key_help::kList);
}

void SelectData(QComboBox& list, int data) { list.setCurrentIndex(list.findData(data)); }

}  // namespace kol::editor
