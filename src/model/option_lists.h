// The texts of the editor's drop-down lists, in list order, and the item data the lists
// that store something other than their index carry (offsets, channels).
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/settings_model.h"

namespace kol::options {

// Lists whose stored value is the item's index (or, for two-item lists, index 1 = true).
inline constexpr std::string_view kStartingMode[] = {"Last CH", "Fixed CH"};
inline constexpr std::string_view kTxPowerDisplay[] = {"Lo Po Only", "Lo Po on Changing CH",
                                                       "Last TX Po"};
inline constexpr std::string_view kOffOn[] = {"Off", "On"};
inline constexpr std::string_view kResumeTime[] = {"Off",  "1Sec", "2Sec",
                                                   "3Sec", "4Sec", "5Sec"};
inline constexpr std::string_view kTimeDisplay[] = {"UTC", "Local"};
inline constexpr std::string_view kWeatherAlert[] = {"Off", "On Wx", "On Scan", "Wx and Scan"};
inline constexpr std::string_view kLowHi[] = {"Low", "Hi"};

// An item of a list that stores its item data.
struct Item {
  std::string text;
  int data = 0;

  bool operator==(const Item&) const = default;
};

// The 49 offsets from -12:00 to +12:00 in half-hour steps; data = half hours, -24..+24.
const std::vector<Item>& OffsetItems();

// The enabled channels of a plan in array order: the channel-number text of each one's
// table entry, data = its Position.
std::vector<Item> EnabledChannelItems(const ChannelPlan& plan);

// The index of the first item whose data is `data`, or -1: a stored value the list does not
// offer selects nothing.
int IndexOfData(std::span<const Item> items, int data);

}  // namespace kol::options
