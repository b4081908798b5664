// Filling the editor's drop-down lists from the option lists of the model, and finding the
// item that holds a stored value. Filling a list changes its selection as a pick would:
// a page fills its lists under the update lock, as every page fill runs.
#pragma once

#include <QComboBox>

#include <span>
#include <string_view>

#include "model/option_lists.h"

namespace kol::editor {

// A list of fixed texts; item data = index.
void FillCombo(QComboBox& list, std::span<const std::string_view> texts);
// A list of items with their data.
void FillCombo(QComboBox& list, std::span<const options::Item> items);
// Selects the item whose data is `data`; none (index -1) when no item holds it.
void SelectData(QComboBox& list, int data);

}  // namespace kol::editor
