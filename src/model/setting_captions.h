// The window's names of the settings: for each model field a page shows, the page and the
// control's caption ("DSC Setup ▸ Basic Setup ▸ UserMMSI"), so that a comparison or a
// finding on the command line names a setting as the window does. Texts, not widgets.
#pragma once

#include <initializer_list>
#include <map>
#include <string>
#include <string_view>

#include "model/settings_model.h"

namespace kol {

// Joins a page's path and a control's caption.
inline constexpr std::string_view kCaptionSeparator = " \xE2\x96\xB8 ";  // " ▸ "

// "DSC Setup ▸ Basic Setup ▸ UserMMSI" of its parts.
std::string JoinCaption(std::initializer_list<std::string_view> parts);

// The caption of every field of `model` that a control of the window shows, keyed by the
// field's address in `model`. Fields the window does not show have none.
std::map<const void*, std::string> SettingCaptions(const SettingsModel& model);

}  // namespace kol
