// Rules of the radio-wide settings that the setup pages apply: what switching a channel
// group on or off does, how a status name is kept, which channels the Channel No list
// offers, and where each of the forty DSC advanced flags lives.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/option_lists.h"
#include "model/radio_image.h"
#include "model/settings_model.h"

namespace kol {

// Switches usable group `group` (Group1-Group3, the EXP group) on or off. A plan group that
// is switched off no longer carries the EXP channels either.
void SetGroupUsable(UsableSetup& usable, int group, bool on);

// The status name kept for a typed text (blanks already removed at both ends): empty stays
// empty, anything else is cut to the radio's three characters.
std::string CommittedStatusName(std::string_view trimmed);

// "[ABC]" for a group with a status name, empty for one without.
std::string BracketedStatusName(std::string_view statusName);

// The caption of a per-group box: "Group1".."Group3" or "EXP CH Group" (group 3), followed
// by the bracketed status name ("Group2[ABC]").
std::string GroupBoxCaption(int group, std::string_view statusName);

// The channels the Channel No list offers: the enabled channels of the group the radio is
// operating on (its image's operating-group byte), when the image marks that group usable;
// none otherwise.
std::vector<options::Item> ChannelNoItems(const SettingsModel& model, const RadioImage& image);

// The forty DSC advanced flags as one array: call type k holds its receive flags at slots
// 8k..8k+3 and its TX flags at 8k+4..8k+7, priorities Distress, Urgency, Safety, Routine.
inline constexpr int kAdvancedSlotCount = 8 * kCallTypeCount;
int AdvancedSlot(CallType call, bool tx, CallCategory category);
bool& AdvancedFlag(DscAdvancedSetup& advanced, int slot);
const bool& AdvancedFlag(const DscAdvancedSetup& advanced, int slot);

// A text the MMSI and ATIS code fields accept: empty, or exactly `length` characters.
bool HasRequiredLength(std::string_view trimmed, std::size_t length);

}  // namespace kol
