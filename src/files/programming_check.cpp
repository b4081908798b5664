#include "files/programming_check.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <span>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>

#include "files/dat_layout.h"
#include "files/dat_text.h"
#include "model/channel_rules.h"
#include "model/directory_rules.h"
#include "model/field_limits.h"
#include "model/formatters.h"
#include "model/image_codec.h"
#include "model/image_map.h"
#include "model/number_text.h"
#include "model/setup_rules.h"

namespace kol {
namespace {

namespace im = image_map;

// A BCD10 field holds ten digits; the tenth of an MMSI is the pad the radio writes as 0.
constexpr auto kStoredDigits = static_cast<std::size_t>(field_limits::kStoredMmsi);
constexpr int kFixedChannelMode = 1;  // Starting Channel Mode "Fixed CH"

constexpr std::string_view kGroupNames[] = {"Group1", "Group2", "Group3"};

const void* Address(const DatTarget& target) {
  return std::visit([](auto* field) -> const void* { return field; }, target);
}

bool SameValue(const DatTarget& a, const DatTarget& b) {
  return std::visit(
      [&](auto* left) { return *left == *std::get<std::remove_cvref_t<decltype(left)>>(b); }, a);
}

bool IsInteger(const DatTarget& target) {
  return std::holds_alternative<std::int16_t*>(target) ||
         std::holds_alternative<std::int32_t*>(target);
}

bool IsChannel(ChannelCode code) { return code >= 0 && code <= kLastExpCode; }

std::string WithoutTrailingSpaces(std::string_view text) {
  return std::string(text.substr(0, text.find_last_not_of(' ') + 1));
}

// How a field's value reaches the radio, where that is more than "the same value back".
enum class FieldKind {
  kMmsi,            // BCD10 with the pad digit: nine digits come back with a "0" after them
  kDigits,          // BCD10 without it (the ATIS code)
  kName,            // CHARS(n) at the start of its field
  kRightAligned,    // CHARS(n) of an EXP channel name, padded with blanks on the left
  kChannelCode,     // CH15: every code outside the channels means "Off"
  kNumberText,      // AutoPos CHANNEL and INTERVAL: a number kept as text
  kUsableFlag,      // cleared by the encoder for a group without an enabled channel
  kDuplex,          // written only where the channel has a duplex pair
  kLowPower,        // means nothing, and is not kept, without transmit
  kDirectoryEnable, // the radio keeps an entry exactly when it has an MMSI
  kFrequency,       // FREQ3
};

enum class Area { kGeneral, kPlan, kWeather, kIndividualDirectory, kGroupDirectory, kExp };

// One key of the settings file: the field in the document and the same field in what the
// radio would hold.
struct Slot {
  std::string section;
  DatField doc;
  DatField radio;
  Area area = Area::kGeneral;
  int group = 0;  // plan of a kPlan slot
  int index = 0;  // record index in its plan, directory or the EXP channels
};

// Why a name comes out otherwise on the radio: a character it cannot show (which ends
// the name there), or more characters than its field has.
std::string NameLoss(std::string_view text, std::size_t length) {
  const std::string_view kept = text.substr(0, length);
  if (std::any_of(kept.begin(), kept.end(),
                  [](char c) { return !IsRadioChar(static_cast<unsigned char>(c)); })) {
    return "holds characters the radio cannot show";
  }
  if (text.size() > length) {
    return "is longer than the " + std::to_string(length) + " characters the radio keeps";
  }
  return "cannot be stored as it stands";
}

std::string DigitLoss(std::string_view text, bool padDigit) {
  const std::size_t nonDigit = text.find_first_not_of("0123456789");
  if (nonDigit < kStoredDigits && nonDigit < text.size()) return "is not all digits";
  if (text.size() > kStoredDigits) return "has more than the 10 digits the radio keeps";
  if (padDigit) return "has a tenth digit, which the radio keeps as 0";
  return "cannot be stored as it stands";
}

class Checker {
 public:
  explicit Checker(const Document& document)
      : profile_(document.profile),
        doc_(document.model),
        radio_(document.model),
        image_(document.image) {
    EncodeImage(radio_, profile_, image_);
    PrepareForProgramming(radio_, image_);
    DecodeImage(image_, profile_, radio_);
    NameKinds();
    BuildSlots();
  }

  std::vector<CheckFinding> Run() {
    for (std::size_t i = 0; i < slots_.size(); ++i) Compare(i);
    DirectoryEnd(Area::kIndividualDirectory, doc_.individualDirectory);
    DirectoryEnd(Area::kGroupDirectory, doc_.groupDirectory);
    StartingChannel();
    PriorityChannels();
    PlanChannels();
    ExpGroupUse();
    ExpChannels();
    TypedLengths();
    Options();
    std::stable_sort(findings_.begin(), findings_.end(),
                     [](const Ordered& a, const Ordered& b) { return a.slot < b.slot; });
    std::vector<CheckFinding> findings;
    for (Ordered& f : findings_) findings.push_back(std::move(f.finding));
    return findings;
  }

 private:
  struct Ordered {
    std::size_t slot;
    CheckFinding finding;
  };

  void NameKinds() {
    for (int i = 0; i < 4; ++i) {
      UsableGroup& group = doc_.usable.group[i];
      kinds_[&group.usable] = FieldKind::kUsableFlag;
      kinds_[&group.statusName] = FieldKind::kName;
      if (i < kExpGroup) kinds_[&group.priorityCh] = FieldKind::kChannelCode;
    }
    kinds_[&doc_.common.channelNo] = FieldKind::kChannelCode;
    kinds_[&doc_.dscBasic.userMmsi] = FieldKind::kMmsi;
    kinds_[&doc_.atis.atisCode] = FieldKind::kDigits;
    AutoPosSlot& autoPos = doc_.autoPos.slot[1];
    kinds_[&autoPos.mmsi] = FieldKind::kMmsi;
    kinds_[&autoPos.channel] = FieldKind::kNumberText;
    kinds_[&autoPos.interval] = FieldKind::kNumberText;
    for (ChannelPlan& plan : doc_.group) {
      for (ChannelRecord& record : plan) {
        kinds_[&record.duplex] = FieldKind::kDuplex;
        kinds_[&record.lowPower] = FieldKind::kLowPower;
      }
    }
    for (DirectoryEntry& entry : doc_.individualDirectory) NameEntry(entry);
    for (DirectoryEntry& entry : doc_.groupDirectory) NameEntry(entry);
    for (ExpChannelRecord& exp : doc_.exp) {
      kinds_[&exp.chDisplayL] = FieldKind::kRightAligned;
      kinds_[&exp.chDisplayR] = FieldKind::kRightAligned;
      kinds_[&exp.lowPower] = FieldKind::kLowPower;
      kinds_[&exp.rxFreq] = FieldKind::kFrequency;
      kinds_[&exp.txFreq] = FieldKind::kFrequency;
    }
  }

  void NameEntry(DirectoryEntry& entry) {
    kinds_[&entry.mmsi] = FieldKind::kMmsi;
    kinds_[&entry.tagName] = FieldKind::kName;
    kinds_[&entry.enable] = FieldKind::kDirectoryEnable;
  }

  void BuildSlots() {
    const std::vector<DatSection> docGeneral = SettingsSections(doc_, profile_);
    const std::vector<DatSection> radioGeneral = SettingsSections(radio_, profile_);
    for (std::size_t s = 0; s < docGeneral.size(); ++s) {
      AddSlots(docGeneral[s].name, docGeneral[s].fields, radioGeneral[s].fields, Area::kGeneral,
               0, 0);
    }
    for (const DatPlan& plan : kDatPlans) {
      ChannelPlan& records = doc_.group[plan.group];
      for (std::size_t k = 0; k < records.size(); ++k) {
        AddSlots(PlanSectionName(plan, k), ChannelFields(records[k]),
                 ChannelFields(radio_.group[plan.group][k]), Area::kPlan, plan.group,
                 static_cast<int>(k));
      }
    }
    // The trailing sections come one per record; the first field tells whose.
    std::map<const void*, std::pair<Area, int>> records;
    for (std::size_t i = 0; i < doc_.weather.size(); ++i) {
      records[&doc_.weather[i].enable] = {Area::kWeather, static_cast<int>(i)};
    }
    for (int i = 0; i < kIndividualDirectorySize; ++i) {
      records[&doc_.individualDirectory[i].enable] = {Area::kIndividualDirectory, i};
    }
    for (int i = 0; i < kGroupDirectorySize; ++i) {
      records[&doc_.groupDirectory[i].enable] = {Area::kGroupDirectory, i};
    }
    for (int i = 0; i < kExpChannelCount; ++i) records[&doc_.exp[i].enable] = {Area::kExp, i};
    const std::vector<DatSection> docTrailing = TrailingSections(doc_, profile_);
    const std::vector<DatSection> radioTrailing = TrailingSections(radio_, profile_);
    for (std::size_t s = 0; s < docTrailing.size(); ++s) {
      const auto [area, index] = records.at(Address(docTrailing[s].fields.front().target));
      AddSlots(docTrailing[s].name, docTrailing[s].fields, radioTrailing[s].fields, area, 0,
               index);
    }
  }

  void AddSlots(const std::string& section, const std::vector<DatField>& doc,
                const std::vector<DatField>& radio, Area area, int group, int index) {
    for (std::size_t f = 0; f < doc.size(); ++f) {
      slotOf_[Address(doc[f].target)] = slots_.size();
      slots_.push_back({section, doc[f], radio[f], area, group, index});
    }
  }

  std::optional<FieldKind> KindOf(const Slot& slot) const {
    const auto it = kinds_.find(Address(slot.doc.target));
    if (it == kinds_.end()) return std::nullopt;
    return it->second;
  }

  void Add(std::size_t slot, CheckSeverity severity, std::string message, bool withRadioValue) {
    const Slot& s = slots_[slot];
    CheckFinding finding{severity, {s.section, s.doc.key}, std::move(message),
                         DatFieldText(s.doc), std::nullopt};
    if (withRadioValue) finding.radioValue = DatFieldText(s.radio);
    findings_.push_back({slot, std::move(finding)});
    flagged_.insert(slot);
  }
  void Error(std::size_t slot, std::string message) {
    Add(slot, CheckSeverity::kError, std::move(message), true);
  }
  void Warning(std::size_t slot, std::string message, bool withRadioValue = false) {
    Add(slot, CheckSeverity::kWarning, std::move(message), withRadioValue);
  }
  std::size_t SlotOf(const void* field) const { return slotOf_.at(field); }

  // Differences between the document and the radio: each kind of field tells whether it
  // is a loss, a change worth a warning, or the same value written another way.
  void Compare(std::size_t i) {
    const Slot& slot = slots_[i];
    if (SameValue(slot.doc.target, slot.radio.target)) return;
    // The radio keeps neither a disabled EXP channel's data nor entries past the end of
    // a directory's list; DirectoryEnd says what is lost there.
    if (slot.area == Area::kExp && !doc_.exp[slot.index].enable) return;
    if (slot.area == Area::kIndividualDirectory || slot.area == Area::kGroupDirectory) {
      if (slot.index >= ListEnd(slot.area)) return;
    }
    const auto& doc = slot.doc.target;
    const auto& radio = slot.radio.target;
    const std::optional<FieldKind> kind = KindOf(slot);
    if (!kind) return Unexplained(i);
    switch (*kind) {
      case FieldKind::kMmsi:
      case FieldKind::kDigits:
        return Digits(i, *kind == FieldKind::kMmsi);
      case FieldKind::kName:
        if (WithoutTrailingSpaces(*std::get<std::string*>(doc)) == *std::get<std::string*>(radio)) {
          return;
        }
        return Error(i, NameLoss(*std::get<std::string*>(doc), NameLength(slot)));
      case FieldKind::kRightAligned:
        if (TrimBlanks(*std::get<std::string*>(doc)) == TrimBlanks(*std::get<std::string*>(radio))) {
          return;
        }
        return Error(i, NameLoss(TrimBlanks(*std::get<std::string*>(doc)), NameLength(slot)));
      case FieldKind::kChannelCode:
        if (ChannelCodeText(*std::get<ChannelCode*>(doc)) ==
            ChannelCodeText(*std::get<ChannelCode*>(radio))) {
          return;
        }
        return Unexplained(i);
      case FieldKind::kNumberText:
        return NumberText(i);
      case FieldKind::kUsableFlag:
        return Warning(i, "no channel of " + slot.doc.key +
                              " is enabled, so the radio does not offer the group",
                       true);
      case FieldKind::kDuplex:
        if (!doc_.group[slot.group][slot.index].enable) return;
        return Warning(i,
                       "channel " + ChannelCodeText(slot.index) +
                           " has no duplex pair, so the radio works it simplex",
                       true);
      case FieldKind::kLowPower:
        if (!TransmitsOnRadio(slot)) return;
        return Unexplained(i);
      case FieldKind::kDirectoryEnable:
        return Error(i, "is not set, but the radio keeps the entry: it has an MMSI");
      case FieldKind::kFrequency:
        return Error(i, "is not a frequency the radio keeps (100 Hz steps above 100 and "
                        "below 200 MHz)");
    }
  }

  // A difference no rule above explains: the radio simply holds another value.
  void Unexplained(std::size_t i) {
    Error(i, IsInteger(slots_[i].doc.target) ? "is out of the radio's range"
                                             : "would be held otherwise by the radio");
  }

  void Digits(std::size_t i, bool padDigit) {
    const std::string& doc = *std::get<std::string*>(slots_[i].doc.target);
    const std::string& radio = *std::get<std::string*>(slots_[i].radio.target);
    if (TrimBlanks(doc).empty() && radio.empty()) return;
    if (padDigit && doc.size() + 1 == kStoredDigits && radio == doc + "0") return;
    Error(i, DigitLoss(doc, padDigit));
  }

  // The radio takes the number the text holds; a text that says something else (not a
  // number, a fraction, too large) is not what it gets. An empty text gives 0, as the
  // report shows it.
  void NumberText(std::size_t i) {
    const std::string& doc = *std::get<std::string*>(slots_[i].doc.target);
    const std::optional<double> number = ParseNumber(doc);
    const std::optional<double> radio = ParseNumber(*std::get<std::string*>(slots_[i].radio.target));
    if (TrimBlanks(doc).empty() || number == radio) return;
    if (!number) return Error(i, "is not a number");
    Error(i, *number != std::round(*number) ? "is not a whole number" : "is out of the radio's range");
  }

  std::size_t NameLength(const Slot& slot) const {
    const void* field = Address(slot.doc.target);
    if (slot.area == Area::kExp) {
      return static_cast<std::size_t>(field == &doc_.exp[slot.index].chDisplayL
                                          ? field_limits::kChannelDisplayLeft
                                          : field_limits::kChannelDisplayRight);
    }
    return static_cast<std::size_t>(slot.area == Area::kGeneral ? field_limits::kStatusName
                                                                : field_limits::kStationName);
  }

  bool TransmitsOnRadio(const Slot& slot) const {
    if (slot.area == Area::kExp) return radio_.exp[slot.index].txEnable;
    return radio_.group[slot.group][slot.index].txEnable;
  }

  template <std::size_t N>
  static int ListEndOf(const std::array<DirectoryEntry, N>& entries) {
    const auto end = std::find_if(entries.begin(), entries.end(),
                                  [](const DirectoryEntry& e) { return e.mmsi.empty(); });
    return static_cast<int>(end - entries.begin());
  }
  int ListEnd(Area area) const {
    return area == Area::kGroupDirectory ? ListEndOf(radio_.groupDirectory)
                                         : ListEndOf(radio_.individualDirectory);
  }

  // The radio's directory is a list that ends at the first entry without an MMSI it can
  // read; what the document holds from there on does not reach it as an entry.
  template <std::size_t N>
  void DirectoryEnd(Area area, const std::array<DirectoryEntry, N>& doc) {
    const int end = ListEnd(area);
    if (end == static_cast<int>(N)) return;
    const DirectoryEntry& last = doc[end];
    if (!TrimBlanks(last.mmsi).empty()) {
      Digits(SlotOf(&last.mmsi), true);
    } else if (last.enable) {
      Warning(SlotOf(&last.enable), "is set, but the entry has no MMSI: the radio does not keep it");
    }
    int lost = 0;
    const DirectoryEntry* first = nullptr;
    for (std::size_t n = end + 1; n < N; ++n) {
      if (TrimBlanks(doc[n].mmsi).empty()) continue;
      if (first == nullptr) first = &doc[n];
      ++lost;
    }
    if (first == nullptr) return;
    std::string message = "comes after entry " + std::to_string(end + 1) +
                          ", which has no MMSI the radio can read: the radio's list ends "
                          "there and drops this entry";
    if (lost > 1) message += " and " + std::to_string(lost - 1) + " more";
    Warning(SlotOf(&first->mmsi), message);
  }

  // A channel code names a channel the radio offers in channel group `group`.
  bool Offered(ChannelCode code, int group) const {
    if (code >= kFirstExpCode && code <= kLastExpCode) {
      return radio_.usable.group[kExpGroup].usable && radio_.exp[code - kFirstExpCode].enable;
    }
    if (code < 0 || code >= kChannelTableSize || group < kGroup1 || group > kGroup3) return false;
    const ChannelPlan& plan = radio_.group[group];
    return static_cast<std::size_t>(code) < plan.size() && plan[code].enable;
  }

  // "Fixed CH" starts the radio on Channel No of its current channel group, the group
  // byte that programming settles on.
  void StartingChannel() {
    const CommonSetup& common = radio_.common;
    const std::size_t slot = SlotOf(&doc_.common.channelNo);
    if (common.startingChannelMode != kFixedChannelMode || flagged_.count(slot)) return;
    const int group = image_[im::kOperatingGroup];
    const bool usable = group <= kGroup3 && image_[im::kUsableFlags + group] != 0;
    const ChannelCode code = common.channelNo;
    if (!IsChannel(code)) return Warning(slot, "sets no channel for \"Fixed CH\"");
    if (code < kFirstExpCode && !usable) {
      return Warning(slot, "channel " + ChannelCodeText(code) +
                               " is fixed, but the radio has no usable current channel group");
    }
    if (Offered(code, group)) return;
    const std::string where =
        code >= kFirstExpCode ? "an enabled EXP channel"
                              : "an enabled channel of " + std::string(kGroupNames[group]) +
                                    ", the radio's current group";
    Warning(slot, "channel " + ChannelCodeText(code) + " is fixed, but is not " + where);
  }

  void PriorityChannels() {
    for (int group = kGroup1; group <= kGroup3; ++group) {
      const UsableGroup& usable = radio_.usable.group[group];
      const std::size_t slot = SlotOf(&doc_.usable.group[group].priorityCh);
      if (!usable.usable || flagged_.count(slot) || !IsChannel(usable.priorityCh)) continue;
      if (Offered(usable.priorityCh, group)) continue;
      Warning(slot, "priority channel " + ChannelCodeText(usable.priorityCh) +
                        " is not an enabled channel of " + std::string(kGroupNames[group]));
    }
  }

  void PlanChannels() {
    for (int group = kGroup1; group <= kGroup3; ++group) {
      const ChannelPlan& plan = doc_.group[group];
      for (std::size_t k = 0; k < plan.size(); ++k) {
        const ChannelRecord& record = plan[k];
        if (!record.enable || !record.receiveOnly || !record.txEnable) continue;
        Warning(SlotOf(&record.txEnable), "channel " + ChannelCodeText(static_cast<int>(k)) +
                                              " is receive only in this group");
      }
    }
  }

  // Unticking a group in the editor ends the EXP channels' use in it; a document may still
  // hold that use.
  void ExpGroupUse() {
    for (int group = kGroup1; group <= kGroup3; ++group) {
      if (!doc_.usable.expChGroup[group] || doc_.usable.group[group].usable) continue;
      Warning(SlotOf(&doc_.usable.expChGroup[group]),
              "is set, but " + std::string(kGroupNames[group]) + " is not usable");
    }
  }

  // An enabled EXP channel's frequencies, as the editor would take them.
  void ExpChannels() {
    for (const ExpChannelRecord& exp : doc_.exp) {
      if (!exp.enable) continue;
      if (exp.rxFreq == 0.0) {
        Warning(SlotOf(&exp.rxFreq), "the channel is enabled without a receive frequency");
      }
      for (const double* frequency : {&exp.rxFreq, &exp.txFreq}) {
        const std::size_t slot = SlotOf(frequency);
        if (*frequency == 0.0 || flagged_.count(slot) || ExpFrequencyOnRaster(*frequency)) continue;
        Warning(slot, "is not a frequency the editor takes (" + ExpFrequencyRange() + ")");
      }
    }
  }

  // MMSIs and the ATIS code, which the editor takes only whole: the digits its field shows
  // of the stored value must be none or all.
  void TypedLengths() {
    Shorter(doc_.dscBasic.userMmsi, doc_.dscBasic.userMmsi, field_limits::kUserMmsiTyped,
            "an MMSI");
    if (profile_.atis) Shorter(doc_.atis.atisCode, doc_.atis.atisCode, field_limits::kAtisCode, "an ATIS code");
    for (const DirectoryKind kind : {DirectoryKind::kIndividual, DirectoryKind::kGroup}) {
      const std::span<const DirectoryEntry> entries = DirectoryEntries(std::as_const(doc_), kind);
      const int end = ListEnd(kind == DirectoryKind::kGroup ? Area::kGroupDirectory
                                                            : Area::kIndividualDirectory);
      for (int n = 0; n < end; ++n) {
        const std::string& mmsi = entries[static_cast<std::size_t>(n)].mmsi;
        Shorter(mmsi, TypedMmsi(kind, TrimBlanks(mmsi)), TypedMmsiDigits(kind),
                kind == DirectoryKind::kGroup ? "a group MMSI" : "an MMSI");
      }
    }
  }

  void Shorter(const std::string& field, std::string_view shown, int length, const std::string& what) {
    const std::size_t slot = SlotOf(&field);
    const std::string_view typed = TrimBlanks(shown).substr(0, static_cast<std::size_t>(length));
    if (flagged_.count(slot) || HasRequiredLength(typed, static_cast<std::size_t>(length))) return;
    Warning(slot, "has " + std::to_string(typed.size()) + " digits; the editor takes " + what +
                      " only with " + std::to_string(length));
  }

  // Values the radio takes but that none of its option lists offers.
  void Options() {
    struct Option {
      const void* field;
      std::string text;
    };
    const CommonSetup& common = radio_.common;
    const AutoPosSlot& autoPos = radio_.autoPos.slot[1];
    std::vector<Option> options = {
        {&doc_.common.startingChannelMode, StartingModeText(common.startingChannelMode)},
        {&doc_.common.txPoDisplay, TxPowerDisplayText(common.txPoDisplay)},
        {&doc_.common.resumeTime, ResumeTimeText(common.resumeTime)},
        {&doc_.autoPos.slot[1].selectCall, SelectCallText(autoPos.selectCall, 1)},
        {&doc_.autoPos.slot[1].interval,
         IntervalText(static_cast<int>(TextFieldNumber(autoPos.interval)))},
    };
    if (profile_.weatherAlert) {
      options.push_back({&doc_.common.weatherAlertMode, WeatherAlertText(common.weatherAlertMode)});
    }
    for (const Option& option : options) {
      const std::size_t slot = SlotOf(option.field);
      if (option.text.empty() && !flagged_.count(slot)) {
        Warning(slot, "is not one of the radio's options");
      }
    }
  }

  const ModelProfile profile_;
  SettingsModel doc_;    // the document; the settings-file layout binds to its fields
  SettingsModel radio_;  // what the radio would hold
  RadioImage image_;     // what programming would send
  std::map<const void*, FieldKind> kinds_;
  std::vector<Slot> slots_;
  std::map<const void*, std::size_t> slotOf_;
  std::vector<Ordered> findings_;
  std::set<std::size_t> flagged_;
};

}  // namespace

std::vector<CheckFinding> CheckForProgramming(const Document& document) {
  return Checker(document).Run();
}

bool HasErrors(std::span<const CheckFinding> findings) {
  return std::any_of(findings.begin(), findings.end(), [](const CheckFinding& finding) {
    return finding.severity == CheckSeverity::kError;
  });
}

}  // namespace kol
