// How many characters each text field of the document holds in the radio, and how many the
// editor's fields take from the user. One place for both, so the codec and the pages agree.
#pragma once

#include "model/image_map.h"

namespace kol::field_limits {

inline constexpr int kStatusName = image_map::kStatusNameLength;     // usable group status name
inline constexpr int kStationName = image_map::kTagNameLength;       // directory entry name
inline constexpr int kStoredMmsi = 10;                               // BCD10 fields
inline constexpr int kUserMmsiTyped = 9;                             // the user's own MMSI
inline constexpr int kIndividualMmsiTyped = 9;                       // before the pad "0"
inline constexpr int kGroupMmsiTyped = 8;                            // between "0" and "0"
inline constexpr int kAtisCode = 10;
inline constexpr int kChannelDisplayLeft = image_map::kExpDisplayLLength;   // EXP number
inline constexpr int kChannelDisplayRight = image_map::kExpDisplayRLength;  // EXP suffix
inline constexpr int kPlanChannelNumber = 3;  // the plan layout shows up to "119"

}  // namespace kol::field_limits
