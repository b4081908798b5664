// Fixed data of the radio: the 240-entry channel table, the default channel plans of the
// three channel groups, the weather channels and the tone lists offered by the editor.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "model/settings_model.h"

namespace kol {

struct ChannelTableEntry {
  std::string numberText;        // "16", "01A", "119A"
  double frequency = 0.0;        // ship transmit frequency, MHz
  double duplexRxFrequency = 0;  // frequency + 4.6 on duplex-capable entries, else 0
  bool duplexCapable = false;
};

// The channel table, built once: entry 2n is channel n, entry 2n+1 channel n "A".
const std::array<ChannelTableEntry, kChannelTableSize>& ChannelTable();

// Position of a channel number text ("16", "01A") in the channel table, or -1.
int ChannelPosition(std::string_view numberText);

// Default plan of a channel group (kGroup1 USA, kGroup2 International, kGroup3 Canada):
// sizes `plan` to 240 records, disables them all and enables the group's channels with
// their usage, receive-only, duplex and low-power defaults. What the plan does not fix
// (scan memory, power-up, and duplex, low power and usage of unlisted channels) keeps its
// value: decoding fills it in.
void BuildChannelPlan(int group, ChannelPlan& plan);

struct WeatherTableEntry {
  int number = 0;            // 1-10
  double frequency = 0.0;    // MHz
  std::string shortText;     // "162.550MHZ"
  std::string displayText;   // "WX01[162.550MHz]"
};

const std::array<WeatherTableEntry, kWeatherChannelCount>& WeatherTable();

// Empties `plan` and appends one record per weather table entry.
void BuildWeatherPlan(ChannelPlan& plan);

// Tone lists of the channel editor: index 0 is "Off".
std::span<const std::string_view> CtcssTones();  // 51 texts, "67.0Hz" .. "254.1Hz"
std::span<const std::string_view> DcsCodes();    // 105 texts, "023" .. "754"

}  // namespace kol
