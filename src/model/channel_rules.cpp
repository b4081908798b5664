#include "model/channel_rules.h"

#include <cmath>
#include <cstdio>

#include "model/formatters.h"
#include "model/number_text.h"

namespace kol {
namespace {

constexpr double kLowestExpMhz = 137.0;
constexpr double kHighestExpMhz = 174.0;
constexpr long long kUnitsPerMhz = 10000;  // 100 Hz steps
constexpr long long kRasterUnits = 250;    // 25 kHz

}  // namespace

const ChannelTableEntry& PlanTableEntry(const ChannelRecord& record) {
  static const ChannelTableEntry kNone{};
  const int position = record.position;
  return position >= 0 && position < kChannelTableSize ? ChannelTable()[position] : kNone;
}

bool PlanDuplexInUse(const ChannelRecord& record) { return record.duplex && record.duplexAllowed; }

double PlanReceiveFrequency(const ChannelRecord& record) {
  const ChannelTableEntry& entry = PlanTableEntry(record);
  return PlanDuplexInUse(record) ? entry.duplexRxFrequency : entry.frequency;
}

ChannelNumberParts PlanChannelNumber(const ChannelRecord& record) {
  const std::string& text = PlanTableEntry(record).numberText;
  const std::size_t a = text.find_first_of("Aa");
  const std::string number = text.substr(0, a);
  ChannelNumberParts parts{{}, a == std::string::npos ? std::string() : text.substr(a)};
  const long value = std::lround(LeadingNumber(number));
  char digits[16];
  std::snprintf(digits, sizeof digits, value < 100 ? "%02ld" : "%03ld", value);
  parts.number = digits;
  return parts;
}

std::string ExpDisplayName(const ExpChannelRecord& channel) {
  const std::string right = " " + channel.chDisplayR;
  return StoredDisplayLeft(channel.chDisplayL) + right.back();
}

std::string StoredDisplayLeft(std::string_view typed) {
  const std::string padded = "  " + std::string(typed);
  return padded.substr(padded.size() - 2);
}

std::optional<double> ExpFrequencyOnRaster(double mhz, FrequencyRefusal* why) {
  FrequencyRefusal refusal = FrequencyRefusal::kOutsideBand;
  if (mhz >= kLowestExpMhz && mhz <= kHighestExpMhz) {
    const long long units = std::llround(mhz * kUnitsPerMhz);
    // The step itself is stored, so that the document holds exactly what the field shows.
    if (units % kRasterUnits == 0) return static_cast<double>(units) / kUnitsPerMhz;
    refusal = FrequencyRefusal::kOffRaster;
  }
  if (why != nullptr) *why = refusal;
  return std::nullopt;
}

std::optional<double> ExpFrequencyFromText(std::string_view text, FrequencyRefusal* why) {
  const std::string_view trimmed = TrimBlanks(text);
  if (trimmed.empty()) return 0.0;
  return ExpFrequencyOnRaster(LeadingNumber(trimmed), why);
}

bool ExpChannelComplete(const ExpChannelRecord& channel) {
  return !channel.enable || (channel.rxFreq > 0 && !TrimBlanks(channel.chDisplayL).empty());
}

std::string_view PlanSwitchCaption(PlanSwitch which) {
  switch (which) {
    case PlanSwitch::kEnable: return "CH Enable";
    case PlanSwitch::kTxEnable: return "Tx Enable";
    case PlanSwitch::kLowPower: return "Low Power Only";
    case PlanSwitch::kPowerUp: return "Power Up";
    case PlanSwitch::kDuplex: return "Duplex";
    case PlanSwitch::kScanMemory: break;
  }
  return "Scan Memory";
}

bool& SwitchOf(ChannelRecord& record, PlanSwitch which) {
  switch (which) {
    case PlanSwitch::kEnable: return record.enable;
    case PlanSwitch::kTxEnable: return record.txEnable;
    case PlanSwitch::kLowPower: return record.lowPower;
    case PlanSwitch::kPowerUp: return record.powerUp;
    case PlanSwitch::kDuplex: return record.duplex;
    case PlanSwitch::kScanMemory: break;
  }
  return record.scanMemory;
}

bool SwitchOf(const ChannelRecord& record, PlanSwitch which) {
  return SwitchOf(const_cast<ChannelRecord&>(record), which);
}

bool PlanSwitchAllowed(const ChannelRecord& record, PlanSwitch which, bool on) {
  if (SwitchOf(record, which) == on) return true;
  switch (which) {
    case PlanSwitch::kTxEnable: return !on || !record.receiveOnly;
    case PlanSwitch::kDuplex: return record.duplexAllowed;
    case PlanSwitch::kScanMemory: return record.position != kDscChannelPosition;
    default: return true;
  }
}

std::string ExpFrequencyRange() {
  return std::to_string(std::llround(kLowestExpMhz)) + " to " +
         std::to_string(std::llround(kHighestExpMhz)) + " MHz in steps of " +
         std::to_string(kRasterUnits * 100 / 1000) + " kHz";
}

std::string ExpFrequencyHint() {
  return "Type a frequency from " + ExpFrequencyRange() +
         " (156.025, for example), or leave the field empty.";
}

namespace {

template <PlanSwitch which>
bool Switched(const ChannelRecord& record) {
  return SwitchOf(record, which);
}

template <PlanSwitch which, ListMark mark>
std::string SwitchMark(const ChannelRecord& record) {
  return ListMarkText(mark, SwitchOf(record, which));
}

// The enable mark as the EXP list and the tree show it.
std::string EnableMark(bool enabled) { return enabled ? "[Enable]" : ""; }

const PlanListColumn kPlanListColumns[] = {
    {"CH", [](const ChannelRecord& r) { return PlanTableEntry(r).numberText; }},
    {"ENABLE", [](const ChannelRecord& r) { return EnableMark(r.enable); }, PlanSwitch::kEnable,
     Switched<PlanSwitch::kEnable>},
    {"RX[MHz]", [](const ChannelRecord& r) { return Frequency3Text(PlanReceiveFrequency(r)); }},
    {"TX[MHz]",
     [](const ChannelRecord& r) {
       return Frequency3GatedText(PlanTableEntry(r).frequency, r.receiveOnly);
     }},
    {"TX", SwitchMark<PlanSwitch::kTxEnable, ListMark::kTx>, PlanSwitch::kTxEnable,
     Switched<PlanSwitch::kTxEnable>},
    {"LOW", SwitchMark<PlanSwitch::kLowPower, ListMark::kLow>, PlanSwitch::kLowPower,
     Switched<PlanSwitch::kLowPower>},
    {"UP", SwitchMark<PlanSwitch::kPowerUp, ListMark::kUp>, PlanSwitch::kPowerUp,
     Switched<PlanSwitch::kPowerUp>},
    // The duplex bit counts only where the channel has a duplex pair; it is kept as read.
    {"DUP", [](const ChannelRecord& r) { return ListMarkText(ListMark::kDup, PlanDuplexInUse(r)); },
     PlanSwitch::kDuplex, PlanDuplexInUse},
    {"MEM", SwitchMark<PlanSwitch::kScanMemory, ListMark::kMem>, PlanSwitch::kScanMemory,
     Switched<PlanSwitch::kScanMemory>},
};

const ExpListColumn kExpListColumns[] = {
    {"CH", [](const ExpChannelRecord&, int number) { return std::to_string(number); }},
    {"ENABLE", [](const ExpChannelRecord& r, int) { return EnableMark(r.enable); }},
    {"DISP", [](const ExpChannelRecord& r, int) { return ExpDisplayName(r); }},
    {"RX[MHz]", [](const ExpChannelRecord& r, int) { return Frequency4Text(r.rxFreq); }},
    {"TX[MHz]", [](const ExpChannelRecord& r, int) { return Frequency4Text(r.txFreq); }},
    {"LOW", [](const ExpChannelRecord& r, int) { return ListMarkText(ListMark::kLow, r.lowPower); }},
    {"UP", [](const ExpChannelRecord& r, int) { return ListMarkText(ListMark::kUp, r.powerUp); }},
    {"MEM", [](const ExpChannelRecord& r, int) { return ListMarkText(ListMark::kMem, r.scanMemory); }},
};

}  // namespace

std::span<const PlanListColumn> PlanListColumns() { return kPlanListColumns; }

std::span<const ExpListColumn> ExpListColumns() { return kExpListColumns; }

std::vector<std::string> PlanListRow(const ChannelRecord& record) {
  std::vector<std::string> row;
  for (const PlanListColumn& column : kPlanListColumns) {
    if (column.toggles != PlanSwitch::kEnable) row.push_back(column.text(record));
  }
  return row;
}

}  // namespace kol
