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

std::vector<std::string> ExpListRow(int number, const ExpChannelRecord& channel) {
  return {std::to_string(number),
          channel.enable ? "[Enable]" : "",
          ExpDisplayName(channel),
          Frequency4Text(channel.rxFreq),
          Frequency4Text(channel.txFreq),
          ListMarkText(ListMark::kLow, channel.lowPower),
          ListMarkText(ListMark::kUp, channel.powerUp),
          ListMarkText(ListMark::kMem, channel.scanMemory)};
}

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

std::vector<std::string> PlanListRow(const ChannelRecord& record) {
  const ChannelTableEntry& entry = PlanTableEntry(record);
  return {entry.numberText,
          Frequency3Text(PlanReceiveFrequency(record)),
          Frequency3GatedText(entry.frequency, record.receiveOnly),
          ListMarkText(ListMark::kTx, record.txEnable),
          ListMarkText(ListMark::kLow, record.lowPower),
          ListMarkText(ListMark::kUp, record.powerUp),
          ListMarkText(ListMark::kDup, PlanDuplexInUse(record)),
          ListMarkText(ListMark::kMem, record.scanMemory)};
}

const std::vector<std::string>& PlanListHeaders() {
  static const std::vector<std::string> kHeaders = {"CH",  "RX[MHz]", "TX[MHz]", "TX",
                                                    "LOW", "UP",      "DUP",     "MEM"};
  return kHeaders;
}

const std::vector<std::string>& ExpListHeaders() {
  static const std::vector<std::string> kHeaders = {"CH",      "ENABLE", "DISP", "RX[MHz]",
                                                    "TX[MHz]", "LOW",    "UP",   "MEM"};
  return kHeaders;
}

std::vector<std::vector<std::string>> PlanListRows(const ChannelPlan& plan) {
  std::vector<std::vector<std::string>> rows;
  rows.reserve(plan.size());
  for (const ChannelRecord& record : plan) rows.push_back(PlanListRow(record));
  return rows;
}

std::vector<std::vector<std::string>> ExpListRows(
    const std::array<ExpChannelRecord, kExpChannelCount>& channels) {
  std::vector<std::vector<std::string>> rows;
  rows.reserve(channels.size());
  for (int n = 1; n <= kExpChannelCount; ++n) rows.push_back(ExpListRow(n, channels[n - 1]));
  return rows;
}

}  // namespace kol
