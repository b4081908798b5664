// The settings text file's contents: the document written as sectioned key=value lines
// with CR LF ends, and a parsed file applied back onto a document.
#pragma once

#include <string>

#include "files/dat_layout.h"
#include "files/section_table.h"
#include "model/model_profile.h"
#include "model/settings_model.h"

namespace kol {

// The whole file, MAIN section first, every line ended by CR LF.
std::string FormatSettingsText(const SettingsModel& model, const ModelProfile& profile);

// The value of one field as the file writes it after the "=", without the "#" that some
// keys put before their text.
std::string DatFieldText(const DatField& field);

// Overwrites, key by key, what the table supplies; fields whose value is missing or cannot
// be converted keep what they held (text fields become empty).
void ApplySettingsTable(const SectionTable& table, const ModelProfile& profile,
                        SettingsModel& model);

}  // namespace kol
