// What a channel shows and what may be stored for it: a plan channel's number and receive
// frequency, an EXP channel's name and frequencies, and the rows of the channel lists.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/settings_model.h"
#include "model/value_tables.h"

namespace kol {

// Channel 70, the DSC channel: the radio listens there all the time, so it is never part of
// the scan.
inline constexpr int kDscChannelPosition = 140;

// The channel table entry a plan record stands for; an entry without number and
// frequencies when its position lies outside the table.
const ChannelTableEntry& PlanTableEntry(const ChannelRecord& record);

// Whether the radio works a plan channel duplex: its duplex bit counts only where the
// channel has a duplex pair. The bit itself is kept as read, whatever this says.
bool PlanDuplexInUse(const ChannelRecord& record);

// The frequency a plan channel receives on: the duplex receive frequency while the channel
// is worked duplex, else the simplex one.
double PlanReceiveFrequency(const ChannelRecord& record);

// A plan channel's number as the editor shows it: the number with two digits ("01", three
// from 100 on) and the suffix from the "A" on ("A" or empty).
struct ChannelNumberParts {
  std::string number;
  std::string suffix;
};
ChannelNumberParts PlanChannelNumber(const ChannelRecord& record);

// The three characters the radio shows for an EXP channel: the left part right-aligned in
// two, then the last character of the right part (a blank when there is none).
std::string ExpDisplayName(const ExpChannelRecord& channel);

// CHDisplayL for a typed channel number: its last two characters, a single one
// right-aligned with a leading blank.
std::string StoredDisplayLeft(std::string_view typed);

// Why an EXP frequency is refused.
enum class FrequencyRefusal { kOutsideBand, kOffRaster };

// The frequency (MHz) the editor stores for `mhz`: its 25 kHz step when it lies within
// 137-174 MHz within 100 Hz of one; nothing otherwise (`why`, when given, then says why).
std::optional<double> ExpFrequencyOnRaster(double mhz, FrequencyRefusal* why = nullptr);

// The frequency (MHz) an EXP frequency text stores, or nothing when the text is refused
// (`why`, when given, then says why). Only 137-174 MHz on the 25 kHz raster is taken; an
// empty text stores 0 (no frequency).
std::optional<double> ExpFrequencyFromText(std::string_view text, FrequencyRefusal* why = nullptr);
// What ExpFrequencyFromText takes, in words: "137 to 174 MHz in steps of 25 kHz".
std::string ExpFrequencyRange();
// The same as what to type, in plain words for the user.
std::string ExpFrequencyHint();

// An enabled EXP channel needs a receive frequency and a channel number: the editor keeps
// the user on the channel until it has both.
bool ExpChannelComplete(const ExpChannelRecord& channel);

// The switches of a plan channel, as the channel editor and the lists offer them.
enum class PlanSwitch { kEnable, kTxEnable, kLowPower, kPowerUp, kDuplex, kScanMemory };
// The channel editor's words for a switch: "CH Enable", "Tx Enable", "Scan Memory", ...
std::string_view PlanSwitchCaption(PlanSwitch which);
bool& SwitchOf(ChannelRecord& record, PlanSwitch which);
bool SwitchOf(const ChannelRecord& record, PlanSwitch which);
// Whether the user may give switch `which` of the channel the value `on`: a receive-only
// channel never transmits, only a channel with a duplex pair changes its duplex mark, and
// channel 70 never changes its scan memory. Keeping the stored value is always allowed.
bool PlanSwitchAllowed(const ChannelRecord& record, PlanSwitch which, bool on);

// A column of the window's plan channel lists: its header and the text a channel shows in
// it; a column of switch marks also names the switch (which the list toggles in place) and
// whether its mark is on.
struct PlanListColumn {
  std::string_view header;
  std::string (*text)(const ChannelRecord& record);
  std::optional<PlanSwitch> toggles = std::nullopt;
  bool (*marked)(const ChannelRecord& record) = nullptr;
};
// "CH", "ENABLE", "RX[MHz]", "TX[MHz]", then the marks TX, LOW, UP, DUP and MEM.
std::span<const PlanListColumn> PlanListColumns();
// A plan channel's row as the printed report lists it: the list's columns but the enable
// column, as the report lists only enabled channels.
std::vector<std::string> PlanListRow(const ChannelRecord& record);

// A column of the EXP channel list; `number` is the channel's, 1-40.
struct ExpListColumn {
  std::string_view header;
  std::string (*text)(const ExpChannelRecord& record, int number);
};
// "CH", "ENABLE", "DISP", "RX[MHz]", "TX[MHz]", "LOW", "UP", "MEM".
std::span<const ExpListColumn> ExpListColumns();

}  // namespace kol
