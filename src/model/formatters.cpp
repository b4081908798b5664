#include "model/formatters.h"

#include <cmath>
#include <cstdio>
#include <span>

#include "model/value_tables.h"

namespace kol {
namespace {

constexpr std::string_view kStartingModeTexts[] = {"Last CH", "Fixed CH"};
constexpr std::string_view kTxPowerDisplayTexts[] = {"Lo Po Only", "Lo Po on Changing CH",
                                                     "Last TX Po"};
constexpr std::string_view kResumeTimeTexts[] = {"--", "1Sec", "2Sec", "3Sec", "4Sec", "5Sec"};
constexpr std::string_view kWeatherAlertTexts[] = {"OFF", "On Wx", "On SCAN", "WX and SCAN"};
// The radio's interval list repeats "20 min" and "25 min" at indexes 10 and 11.
constexpr std::string_view kIntervalTexts[] = {
    "OFF",    "15 sec", "30 sec", "1 min",  "2 min",  "5 min",  "10 min", "15 min", "20 min",
    "25 min", "20 min", "25 min", "30 min", "35 min", "40 min", "45 min", "50 min"};

struct MarkTexts {
  std::string_view on;
  std::string_view off;
};
// Indexed by ListMark.
constexpr MarkTexts kListMarks[] = {
    {"ENABLE", "------"}, {"TX", "--"}, {"LOW", "---"}, {"UP", "--"}, {"DUP", "---"},
    {"MEM", "---"},
};

constexpr int kOffsetLimit = 24;  // half hours either side of UTC

std::string OptionText(std::span<const std::string_view> texts, int index) {
  if (index < 0 || index >= static_cast<int>(texts.size())) return {};
  return std::string(texts[index]);
}

// "000.000"-style text of a positive frequency: at least three integer digits, rounded
// half away from zero at the last decimal as the radio's own lists show it.
std::string FixedDecimalText(double mhz, int decimals) {
  long long scale = 1;
  for (int i = 0; i < decimals; ++i) scale *= 10;
  char text[64];
  if (!(mhz < 1e12)) {  // far outside any band: no integer scaling
    std::snprintf(text, sizeof text, "%0*.*f", decimals + 4, decimals, mhz);
    return text;
  }
  const long long units = std::llround(mhz * static_cast<double>(scale));
  std::snprintf(text, sizeof text, "%03lld.%0*lld", units / scale, decimals, units % scale);
  return text;
}

std::string OffsetText(int halfHours) {
  const int magnitude = halfHours < 0 ? -halfHours : halfHours;
  const char* sign = halfHours < 0 ? "-" : "+";
  char text[16];
  std::snprintf(text, sizeof text, "%s%d:%s", sign, magnitude / 2, magnitude % 2 ? "30" : "00");
  return text;
}

const std::array<std::string, 2 * kOffsetLimit + 1>& OffsetTable() {
  static const std::array<std::string, 2 * kOffsetLimit + 1> kTable = [] {
    std::array<std::string, 2 * kOffsetLimit + 1> table;
    for (int value = -kOffsetLimit; value <= kOffsetLimit; ++value) {
      table[value + kOffsetLimit] = value == 0 ? " 0" : OffsetText(value);
    }
    return table;
  }();
  return kTable;
}

}  // namespace

std::string ChannelCodeText(ChannelCode code) {
  if (code >= 0 && code < kChannelTableSize) return ChannelTable()[code].numberText;
  if (code >= kFirstExpCode && code <= kLastExpCode) {
    return "EXP" + std::to_string(code - (kFirstExpCode - 1));
  }
  return "Off";
}

std::string StartingModeText(int value) { return OptionText(kStartingModeTexts, value); }

std::string TxPowerDisplayText(int value) { return OptionText(kTxPowerDisplayTexts, value); }

std::string ResumeTimeText(int value) { return OptionText(kResumeTimeTexts, value); }

std::string WeatherAlertText(int value) { return OptionText(kWeatherAlertTexts, value); }

std::string TimeDisplayText(bool local) { return local ? "Local" : "UTC"; }

std::string OffsetTimeText(int halfHours) {
  if (halfHours < -kOffsetLimit || halfHours > kOffsetLimit) return {};
  return OffsetTable()[halfHours + kOffsetLimit];
}

std::string IntervalText(int index) { return OptionText(kIntervalTexts, index); }

std::string SelectCallText(int selectCall, int slot) {
  if (selectCall == 0) return "Individual";
  if (selectCall != 1) return {};
  if (slot == 1) return "Group";
  return slot == 0 ? "Multi-st" : "";
}

std::string DirectoryNameText(const SettingsModel& model, int selectCall, int lastAddress,
                              int slot) {
  if (slot != 1) return {};
  auto tagName = [lastAddress](std::span<const DirectoryEntry> directory) -> std::string {
    if (lastAddress < 1 || lastAddress > static_cast<int>(directory.size())) return {};
    return directory[lastAddress - 1].tagName;
  };
  if (selectCall == 0) return tagName(model.individualDirectory);
  if (selectCall == 1) return tagName(model.groupDirectory);
  return {};
}

std::string OnOffText(bool value) { return value ? "On" : "Off"; }

std::string PowerText(bool high) { return high ? "Hi" : "Low"; }

std::string ListMarkText(ListMark column, bool value) {
  const MarkTexts& marks = kListMarks[static_cast<int>(column)];
  return std::string(value ? marks.on : marks.off);
}

std::string EmptyTextMark(std::string_view text) {
  return TrimBlanks(text).empty() ? "----" : std::string(text);
}

std::string FixedWidthColumn(std::string_view text, int width) {
  const std::size_t w = width > 0 ? static_cast<std::size_t>(width) : 0;
  if (text.empty()) return std::string(w, '-');
  std::string column(text.substr(0, w));
  column.resize(w, ' ');
  return column;
}

std::string Frequency3Text(double mhz) {
  return mhz > 0 ? FixedDecimalText(mhz, 3) : "---.---";
}

std::string Frequency3GatedText(double mhz, bool gate) {
  return gate ? "---.---" : Frequency3Text(mhz);
}

std::string Frequency4Text(double mhz) {
  return mhz > 0 ? FixedDecimalText(RasterCorrected(mhz), 4) : "---.----";
}

double RasterCorrected(double mhz) {
  if (!(std::fabs(mhz) < 1e12)) return mhz;
  const long long units = std::llround(mhz * 10000.0);  // 100 Hz steps
  if (units % 50 == 0 || units % 125 == 0) return mhz;
  // Down to the 5 kHz step below: rounding to 100 Hz never crosses a 5 kHz boundary
  // here, since the rounded value is not on one.
  long long fiveKhzSteps = units / 50;
  if (units < 0) --fiveKhzSteps;
  return static_cast<double>(fiveKhzSteps * 50) / 10000.0;
}

std::string_view TrimBlanks(std::string_view text) {
  constexpr std::string_view kBlanks = " \t";
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

}  // namespace kol
