#include "files/list_columns.h"

#include <array>
#include <cstdio>

#include "files/table_text.h"
#include "files/text_lines.h"
#include "model/channel_rules.h"
#include "model/field_characters.h"
#include "model/field_limits.h"
#include "model/formatters.h"
#include "model/value_tables.h"

namespace kol {
namespace {

using Refusal = std::optional<std::string>;

// ---------------------------------------------------------------------------------------
// Texts of values
// ---------------------------------------------------------------------------------------

std::string SwitchText(bool on) { return on ? "Yes" : "No"; }

// Yes/No as written, and the words spreadsheets write for them.
std::optional<bool> SwitchValue(std::string_view text) {
  for (std::string_view yes : {"yes", "true", "1"}) {
    if (EqualsIgnoringCase(text, yes)) return true;
  }
  for (std::string_view no : {"no", "false", "0"}) {
    if (EqualsIgnoringCase(text, no)) return false;
  }
  return std::nullopt;
}

// A frequency as the editor shows it, empty for none.
std::string FrequencyCell(const std::string& shown) {
  return shown.starts_with("---") ? std::string() : shown;
}

// Why a field refuses the character at `at`, as a reason about the whole text.
std::string CharacterRefusal(FieldCharacters field, std::string_view text, std::size_t at) {
  if (InvalidUtf8At(text) <= at) return Quoted(text) + " is not UTF-8 text";
  const std::string character = Quoted(Utf8CharacterAt(text, at));
  switch (field) {
    case FieldCharacters::kStationName:
      return Quoted(text) + " holds " + character + ", which the radio cannot show";
    case FieldCharacters::kChannelNumber:
      return Quoted(text) + " holds " + character +
             ": a channel number takes 0-9, C, E, F, L, M, n and P";
    case FieldCharacters::kFrequency:
      return Quoted(text) + " is not a frequency in MHz";
    case FieldCharacters::kDigits:
    case FieldCharacters::kStatusName:
      break;
  }
  return Quoted(text) + " is not all digits";
}

// The text as the field takes it, at most `length` characters; the refusal otherwise.
std::optional<std::string> FieldText(FieldCharacters field, std::string_view text,
                                     std::size_t length, std::string& refusal) {
  std::size_t at = 0;
  std::optional<std::string> taken = TakenText(field, text, &at);
  if (!taken) {
    refusal = CharacterRefusal(field, text, at);
  } else if (taken->size() > length) {
    refusal = Quoted(text) + " is longer than " + std::to_string(length) +
              (length == 1 ? " character" : " characters");
    taken.reset();
  }
  return taken;
}

// ---------------------------------------------------------------------------------------
// Plan channels
// ---------------------------------------------------------------------------------------

template <PlanSwitch which>
std::string PlanSwitchShown(const ChannelRecord& record, int) {
  return SwitchText(SwitchOf(record, which));
}

template <PlanSwitch which>
Refusal StorePlanSwitch(ChannelRecord& record, std::string_view text) {
  const std::optional<bool> on = SwitchValue(text);
  if (!on) return Quoted(text) + " is not Yes or No";
  if (!PlanSwitchAllowed(record, which, *on)) {
    if (which == PlanSwitch::kTxEnable) return std::string("the channel only receives");
    if (which == PlanSwitch::kDuplex) return std::string("the channel has no duplex pair");
    return std::string("channel 70 carries DSC, which the radio never scans");  // its scan
  }
  SwitchOf(record, which) = *on;
  return std::nullopt;
}

const ListColumn<ChannelRecord> kPlanColumns[] = {
    {"Channel", [](const ChannelRecord& r, int) { return PlanTableEntry(r).numberText; }, nullptr,
     true},
    {"Rx MHz",
     [](const ChannelRecord& r, int) {
       return FrequencyCell(Frequency3Text(PlanReceiveFrequency(r)));
     }},
    {"Tx MHz",
     [](const ChannelRecord& r, int) {
       return FrequencyCell(Frequency3GatedText(PlanTableEntry(r).frequency, r.receiveOnly));
     }},
    {"Enable", PlanSwitchShown<PlanSwitch::kEnable>, StorePlanSwitch<PlanSwitch::kEnable>},
    {"Tx Enable", PlanSwitchShown<PlanSwitch::kTxEnable>, StorePlanSwitch<PlanSwitch::kTxEnable>},
    {"Low Power", PlanSwitchShown<PlanSwitch::kLowPower>, StorePlanSwitch<PlanSwitch::kLowPower>},
    {"Power Up", PlanSwitchShown<PlanSwitch::kPowerUp>, StorePlanSwitch<PlanSwitch::kPowerUp>},
    // As the lists show it: a duplex bit without a duplex pair is kept, but not worked.
    {"Duplex", [](const ChannelRecord& r, int) { return SwitchText(PlanDuplexInUse(r)); },
     StorePlanSwitch<PlanSwitch::kDuplex>},
    {"Scan Memory", PlanSwitchShown<PlanSwitch::kScanMemory>,
     StorePlanSwitch<PlanSwitch::kScanMemory>},
};

// ---------------------------------------------------------------------------------------
// EXP channels
// ---------------------------------------------------------------------------------------

template <bool ExpChannelRecord::*flag>
std::string ExpSwitchShown(const ExpChannelRecord& record, int) {
  return SwitchText(record.*flag);
}

template <bool ExpChannelRecord::*flag>
Refusal StoreExpSwitch(ExpChannelRecord& record, std::string_view text) {
  const std::optional<bool> on = SwitchValue(text);
  if (!on) return Quoted(text) + " is not Yes or No";
  record.*flag = *on;
  return std::nullopt;
}

template <double ExpChannelRecord::*frequency>
std::string ExpFrequencyShown(const ExpChannelRecord& record, int) {
  return FrequencyCell(Frequency4Text(record.*frequency));
}

template <double ExpChannelRecord::*frequency>
Refusal StoreExpFrequency(ExpChannelRecord& record, std::string_view text) {
  std::string refusal;
  const std::optional<std::string> digits =
      FieldText(FieldCharacters::kFrequency, text, text.size(), refusal);
  if (!digits) return refusal;
  FrequencyRefusal why{};
  const std::optional<double> mhz = ExpFrequencyFromText(*digits, &why);
  if (!mhz) {
    return Quoted(text) + (why == FrequencyRefusal::kOffRaster
                               ? " is not on the 25 kHz channel raster"
                               : " is outside 137-174 MHz");
  }
  record.*frequency = *mhz;
  return std::nullopt;
}

// The channel number as the editor's field shows it, without the blank that aligns it.
std::string ExpNumberShown(const ExpChannelRecord& record, int) {
  const std::string left = record.chDisplayL.substr(0, field_limits::kChannelDisplayLeft);
  return Latin1ToUtf8(TrimBlanks(left));
}

Refusal StoreExpNumber(ExpChannelRecord& record, std::string_view text) {
  std::string refusal;
  const std::optional<std::string> number =
      FieldText(FieldCharacters::kChannelNumber, text, field_limits::kChannelDisplayLeft, refusal);
  if (!number) return refusal;
  record.chDisplayL = StoredDisplayLeft(*number);
  return std::nullopt;
}

std::string ExpSuffixShown(const ExpChannelRecord& record, int) {
  const std::string& right = record.chDisplayR;
  return Latin1ToUtf8(right.empty() ? right : right.substr(right.size() - 1));
}

Refusal StoreExpSuffix(ExpChannelRecord& record, std::string_view text) {
  std::string refusal;
  const std::optional<std::string> suffix =
      FieldText(FieldCharacters::kChannelNumber, text, field_limits::kChannelDisplayRight, refusal);
  if (!suffix) return refusal;
  record.chDisplayR = *suffix;
  return std::nullopt;
}

const ListColumn<ExpChannelRecord> kExpColumns[] = {
    {"Channel", [](const ExpChannelRecord&, int row) { return std::to_string(row + 1); }, nullptr,
     true},
    {"CH Display", ExpNumberShown, StoreExpNumber},
    {"CH Display Suffix", ExpSuffixShown, StoreExpSuffix},
    {"Rx MHz", ExpFrequencyShown<&ExpChannelRecord::rxFreq>,
     StoreExpFrequency<&ExpChannelRecord::rxFreq>},
    {"Tx MHz", ExpFrequencyShown<&ExpChannelRecord::txFreq>,
     StoreExpFrequency<&ExpChannelRecord::txFreq>},
    {"Enable", ExpSwitchShown<&ExpChannelRecord::enable>,
     StoreExpSwitch<&ExpChannelRecord::enable>},
    {"Low Power", ExpSwitchShown<&ExpChannelRecord::lowPower>,
     StoreExpSwitch<&ExpChannelRecord::lowPower>},
    {"Power Up", ExpSwitchShown<&ExpChannelRecord::powerUp>,
     StoreExpSwitch<&ExpChannelRecord::powerUp>},
    {"Scan Memory", ExpSwitchShown<&ExpChannelRecord::scanMemory>,
     StoreExpSwitch<&ExpChannelRecord::scanMemory>},
};

// ---------------------------------------------------------------------------------------
// Directories
// ---------------------------------------------------------------------------------------

std::string NameShown(const DirectoryEntry& entry, int) { return Latin1ToUtf8(entry.tagName); }

Refusal StoreName(DirectoryEntry& entry, std::string_view text) {
  std::string refusal;
  const std::optional<std::string> name =
      TrimBlanks(text).empty()
          ? std::optional<std::string>(std::string())
          : FieldText(FieldCharacters::kStationName, text, field_limits::kStationName, refusal);
  if (!name) return refusal;
  entry.tagName = *name;
  return std::nullopt;
}

std::string MmsiShown(const DirectoryEntry& entry, int) {
  return Latin1ToUtf8(WrittenMmsi(entry.mmsi));
}

template <DirectoryKind kind>
Refusal StoreMmsi(DirectoryEntry& entry, std::string_view text) {
  if (text.empty()) {
    entry.mmsi.clear();  // refused with the whole entry, which needs one
    return std::nullopt;
  }
  std::string refusal;
  const std::optional<std::string> digits =
      FieldText(FieldCharacters::kDigits, text, text.size(), refusal);
  if (!digits) return refusal;
  MmsiRefusal why{};
  const std::optional<std::string> stored = StoredFromWrittenMmsi(kind, *digits, &why);
  if (!stored) {
    if (why == MmsiRefusal::kGroupMark) {
      return Quoted(text) + " does not begin with the 0 of a group";
    }
    return Quoted(text) + (kind == DirectoryKind::kGroup
                               ? " is not 9 digits (or the 8 after the group's 0)"
                               : " is not 9 digits");
  }
  entry.mmsi = *stored;
  return std::nullopt;
}

template <DirectoryKind kind>
constexpr std::array<ListColumn<DirectoryEntry>, 2> kDirectoryColumns = {{
    {"Name", NameShown, StoreName, false, true, true},
    {"MMSI", MmsiShown, StoreMmsi<kind>, false, true},
}};

}  // namespace

std::span<const ListColumn<ChannelRecord>> PlanColumns() { return kPlanColumns; }
std::span<const ListColumn<ExpChannelRecord>> ExpColumns() { return kExpColumns; }

std::span<const ListColumn<DirectoryEntry>> DirectoryColumns(DirectoryKind kind) {
  if (kind == DirectoryKind::kIndividual) return kDirectoryColumns<DirectoryKind::kIndividual>;
  return kDirectoryColumns<DirectoryKind::kGroup>;
}

KeyedRow PlanRowOf(std::string_view channel) {
  const int position = ChannelPosition(channel);
  if (position >= 0) return {position, {}};
  return {std::nullopt, Quoted(channel) + " is not a channel of the channel table"};
}

KeyedRow ExpRowOf(std::string_view channel) {
  int number = 0;
  const bool digits = !channel.empty() && channel.size() <= 2 &&
                      channel.find_first_not_of("0123456789") == std::string_view::npos;
  for (char c : channel) number = number * 10 + (c - '0');
  if (digits && number >= 1 && number <= kExpChannelCount) return {number - 1, {}};
  return {std::nullopt, Quoted(channel) + " is not an EXP channel 1-40"};
}

std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  for (std::size_t at = 0; at < text.size();) {
    const std::string_view character = Utf8CharacterAt(text, at);
    const auto byte = static_cast<unsigned char>(character.front());
    const bool printable = byte >= 0x20 && byte != 0x7F;
    if (printable && InvalidUtf8At(character) == std::string_view::npos) {
      quoted += character;
      at += character.size();
      continue;
    }
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
    quoted += escaped;
    ++at;
  }
  return quoted + "\"";
}

}  // namespace kol
