#include "report/report_content.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <string_view>

#include "model/channel_rules.h"
#include "model/formatters.h"
#include "model/number_text.h"
#include "model/value_tables.h"

namespace kol {
namespace {

constexpr int kLabelWidth = 35;
constexpr int kValueWidth = 18;
constexpr double kValueMm = 50;       // first value of a row
constexpr double kValueStepMm = 30;   // further values of a row
constexpr double kChannelNoValueMm = 100;
constexpr double kPairLabelMm = 80;   // second label/value pair of an Auto POS line
constexpr double kPairValueMm = 110;
constexpr int kNameWidth = 12;
constexpr int kMmsiWidth = 9;
// The radio lists an EXP channel as the AutoPos channel under 4096 + its number.
constexpr int kAutoPosExpBase = 4096;

double ValueOffset(std::size_t index) { return kValueMm + kValueStepMm * (index - 1); }

// A table: its heading words with their underlines, the text widths of its columns and
// the printed widths in millimetres whose running sums place the columns.
struct TableColumns {
  std::span<const std::string_view> words;
  std::span<const std::string_view> underlines;
  std::span<const int> widths;
  std::span<const int> printWidthsMm;
};

constexpr std::string_view kPlanWords[] = {"CH", "RX(MHz)", "TX(MHz)", "TX", "LOW", "UP",
                                           "DUP", "MEM"};
constexpr std::string_view kPlanUnderlines[] = {"---", "-------", "-------", "--", "---", "--",
                                                "---", "---"};
constexpr int kPlanWidths[] = {5, 9, 9, 4, 5, 4, 5, 5};
constexpr int kPlanPrintWidths[] = {0, 12, 17, 17, 8, 9, 8, 9, 9, 8};

constexpr std::string_view kWeatherWords[] = {"CH", "ENABLE", "MEM"};
constexpr std::string_view kWeatherUnderlines[] = {"--", "------", "---"};
constexpr int kWeatherWidths[] = {4, 8, 5};
// The weather table shares the first columns of the channel plans.
constexpr int kWeatherPrintWidths[] = {0, 12, 17};

constexpr std::string_view kMemoryIdWords[] = {"No.", "Station Name", "MMSI"};
constexpr std::string_view kGroupIdWords[] = {"No.", "Group Name", "MMSI"};
constexpr std::string_view kDirectoryUnderlines[] = {"---", "------------", "---------"};
constexpr int kDirectoryWidths[] = {5, 14, 9};
// Wide enough for a twelve-character name before the MMSI.
constexpr int kDirectoryPrintWidths[] = {0, 12, 30};

constexpr std::string_view kExpWords[] = {"CH", "CHD", "ENABLE", "RX(MHz)", "TX(MHz)", "LOW",
                                          "UP", "MEM"};
constexpr std::string_view kExpUnderlines[] = {"--", "---", "------", "--------", "--------",
                                               "---", "--", "---"};
constexpr int kExpWidths[] = {4, 5, 8, 10, 10, 5, 4, 5};
constexpr int kExpPrintWidths[] = {0, 7, 10, 17, 19, 19, 8, 10, 7, 10, 10, 7, 22, 7, 15, 7, 15};

const TableColumns kPlanTable{kPlanWords, kPlanUnderlines, kPlanWidths, kPlanPrintWidths};
const TableColumns kWeatherTable{kWeatherWords, kWeatherUnderlines, kWeatherWidths,
                                 kWeatherPrintWidths};
const TableColumns kMemoryIdTable{kMemoryIdWords, kDirectoryUnderlines, kDirectoryWidths,
                                  kDirectoryPrintWidths};
const TableColumns kGroupIdTable{kGroupIdWords, kDirectoryUnderlines, kDirectoryWidths,
                                 kDirectoryPrintWidths};
const TableColumns kExpTable{kExpWords, kExpUnderlines, kExpWidths, kExpPrintWidths};

// Texts worded differently on paper.
struct Wording {
  std::string_view text;
  std::string_view print;
};

constexpr Wording kStatusNameLabel{"Status Name", "Status name"};
constexpr Wording kChannelNoLabel{"Channel No.#:", "Channel No#:"};
constexpr Wording kTimeSetupHeading{"[Time Setup]", "[TIme Setup]"};
constexpr Wording kSelectCallLabel{"SelectCall:", "Select Call:"};
constexpr Wording kWeatherTitle{"##### Programmable Wx Channel #####",
                                "##### Programmable WX Channel #####"};
constexpr Wording kMemoryIdTitle{"##### Memory ID Setting #####", "##### Memory ID #####"};
constexpr Wording kGroupIdTitle{"##### Group ID Setting #####", "##### Group ID #####"};
constexpr Wording kExpTitle{"##### Programmable Exp Channel #####",
                            "##### Programmable EXP Channel #####"};

constexpr Wording kBeepLabels[] = {
    {"Send Distress Alert:", "Send Distress Alert:"},
    {"Received All Ships:", "Received All Ships:"},
    {"Received Individual:", "Received Individual:"},
    {"Received Group:", "Received Group:"},
    {"Received Geografic:", "Received Geographic:"},
    {"Received POS Request:", "Received POS Request:"},
    {"Received POS Reporting:", "Received POS Reporting:"},
};

// In the model's call-type order.
constexpr Wording kCallTypeHeadings[kCallTypeCount] = {
    {"[All Ships Call]", "[All Ships Call]"},
    {"[Individual Call]", "[Individual Call]"},
    {"[Group Call]", "[Group Call]"},
    {"[POS Request]", "[POS Request Call]"},
    {"[POS Report]", "[POS Report Call]"},
};
constexpr std::string_view kCategoryLabels[] = {"Distress:", "Urgency:", "Safty:", "Routine:"};

constexpr std::string_view kUsableHeadings[] = {"Group1", "Group2", "Group3", "EXP CH"};
// The printed headings come from the radio's group list "Group1, Group2, Group3, Exp CH".
constexpr std::string_view kUsablePrintHeadings[] = {"Group1", "Group2", "Group3", "Exp CH"};

struct PlanSection {
  ReportSectionId id;
  std::string_view title;
};
constexpr PlanSection kPlanSections[] = {
    {ReportSectionId::kUsaChannels, "##### Programmable USA Channel #####"},
    {ReportSectionId::kInternationalChannels, "##### Programmable International Channel #####"},
    {ReportSectionId::kCanadaChannels, "##### Programmable Canada Channel #####"},
};

// The heading and underline of a table as one text line: words padded to their columns,
// without the blanks after the last word.
std::string TableLineText(std::span<const std::string_view> words, std::span<const int> widths) {
  std::string line;
  for (std::size_t i = 0; i < words.size(); ++i) {
    std::string word(words[i]);
    if (i + 1 < words.size()) word.resize(std::max<std::size_t>(word.size(), widths[i]), ' ');
    line += word;
  }
  return line;
}

// Integer value of a number kept as text (AutoPos CHANNEL and INTERVAL), read as the
// radio's image takes it: the whole text a number, else 0; rounded half away from zero;
// -1 for a value no field can hold.
long IndexOf(const std::string& text) {
  const double value = TextFieldNumber(text);
  return std::fabs(value) < 1e9 ? static_cast<long>(value) : -1;
}

class ReportWriter {
 public:
  ReportWriter(const SettingsModel& model, const ModelProfile& profile,
               ReportRendering rendering)
      : model_(model), profile_(profile), printing_(rendering == ReportRendering::kPrint) {}

  std::vector<ReportSection> Build() {
    Usable();
    Common();
    DscBasic();
    DscAdvanced();
    DscDisplay();
    DscAutoPos();
    if (profile_.atis) Atis();
    for (int group = kGroup1; group <= kGroup3; ++group) ChannelPlanSection(group);
    if (profile_.weather) Weather();
    Directory(ReportSectionId::kMemoryId, kMemoryIdTitle, kMemoryIdTable,
              model_.individualDirectory);
    Directory(ReportSectionId::kGroupId, kGroupIdTitle, kGroupIdTable, model_.groupDirectory);
    Exp();
    return std::move(sections_);
  }

 private:
  std::string_view Word(const Wording& wording) const {
    return printing_ ? wording.print : wording.text;
  }

  void Begin(ReportSectionId id, std::string_view title) {
    sections_.push_back({id, {}});
    if (sections_.size() > 1) Empty();
    Line(title);
  }
  void Empty() { Lines().emplace_back(); }
  void Line(std::string_view text) { Lines().push_back({{std::string(text)}}); }
  std::vector<ReportLine>& Lines() { return sections_.back().lines; }

  // A label at the left and values in columns of `valueWidth`.
  void Row(std::string_view label, std::vector<std::string> values,
           int valueWidth = kValueWidth) {
    ReportLine line{{std::string(label), kLabelWidth, 0}};
    for (std::size_t i = 0; i < values.size(); ++i) {
      line.push_back({std::move(values[i]), valueWidth, ValueOffset(i + 1)});
    }
    Lines().push_back(std::move(line));
  }

  void TableHeading(const TableColumns& table) {
    sections_.back().columnHeadingAt = Lines().size();
    sections_.back().columnHeadingLines = 2;
    if (!printing_) {
      Line(TableLineText(table.words, table.widths));
      Line(TableLineText(table.underlines, table.widths));
      return;
    }
    ReportLine words;
    ReportLine underlines;
    for (std::size_t i = 0; i < table.words.size(); ++i) {
      words.push_back({std::string(table.words[i]), 0, PrintOffset(table, i)});
      underlines.push_back({std::string(table.underlines[i]), 0, PrintOffset(table, i)});
    }
    Lines().push_back(std::move(words));
    Lines().push_back(std::move(underlines));
  }

  void TableRow(const TableColumns& table, std::vector<std::string> cells) {
    ReportLine line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
      line.push_back({std::move(cells[i]), table.widths[i], PrintOffset(table, i)});
    }
    Lines().push_back(std::move(line));
  }

  static double PrintOffset(const TableColumns& table, std::size_t column) {
    double offset = 0;
    for (std::size_t i = 0; i <= column; ++i) offset += table.printWidthsMm[i];
    return offset;
  }

  void Usable() {
    const UsableSetup& usable = model_.usable;
    Begin(ReportSectionId::kUsable, "##### Usable CH Group Setup #####");
    std::vector<std::string> headings;
    for (std::string_view heading : printing_ ? kUsablePrintHeadings : kUsableHeadings) {
      headings.emplace_back(heading);
    }
    Row("", headings);
    std::vector<std::string> enabled, priority, status;
    for (int i = 0; i < 4; ++i) {
      enabled.push_back(OnOffText(usable.group[i].usable));
      status.push_back(EmptyTextMark(usable.group[i].statusName));
      if (i < kExpGroup) priority.push_back(ChannelCodeText(usable.group[i].priorityCh));
    }
    Row("Enable", enabled);
    Row("Priority CH", priority);
    Row(Word(kStatusNameLabel), status);
    std::vector<std::string> exp;
    for (bool flag : usable.expChGroup) {
      exp.push_back(usable.group[kExpGroup].usable ? OnOffText(flag) : "---");
    }
    Row("EXP CH", exp);
  }

  void Common() {
    const CommonSetup& common = model_.common;
    Begin(ReportSectionId::kCommon, "##### Common Setup #####");
    Line("[Starting Channel Mode]");
    Row("Starting CH:", {StartingModeText(common.startingChannelMode)});
    Row(Word(kChannelNoLabel), {ChannelCodeText(common.channelNo)});
    if (printing_) Lines().back()[1].offsetMm = kChannelNoValueMm;
    Empty();
    Line("[Starting TX Mode]");
    Row("TX Po Display:", {TxPowerDisplayText(common.txPoDisplay)}, kLabelWidth);
    Empty();
    Line("[Scanning Function]");
    Row("SCAN:", {OnOffText(common.scan)});
    Row("Resume Time:", {ResumeTimeText(common.resumeTime)});
    Row("PTT SCAN Clear:", {OnOffText(common.pttScanClear)});
    Empty();
    Line(Word(kTimeSetupHeading));
    Row("Time Display:", {TimeDisplayText(common.timeDisplay)});
    Row("Offset Time:", {OffsetTimeText(common.offsetTime)});
    if (profile_.weatherAlert) {
      Line("[Weather CH Function]");
      Row("Weather Alert:", {WeatherAlertText(common.weatherAlertMode)}, kLabelWidth);
    }
  }

  void DscBasic() {
    const DscBasicSetup& basic = model_.dscBasic;
    Begin(ReportSectionId::kDscBasic, "##### DSC Setup (Basic Setup) #####");
    Line("[Usable DSC CH Group]");
    for (int i = 0; i < 4; ++i) {
      Row(model_.usable.group[i].statusName + ":", {OnOffText(basic.usableGroup[i])}, 20);
    }
    Empty();
    Row("User MMSI:", {basic.userMmsi}, 12);
    Row("Distress Cancel Call:", {OnOffText(basic.distressCancelCall)});
    Empty();
    Line("[DSC Beep Output]");
    for (std::size_t i = 0; i < std::size(kBeepLabels); ++i) {
      Row(Word(kBeepLabels[i]), {OnOffText(basic.beepOut[i])});
    }
  }

  void DscAdvanced() {
    Begin(ReportSectionId::kDscAdvanced, "##### DSC Setup (Advanced Setup) #####");
    for (int type = 0; type < kCallTypeCount; ++type) {
      if (type > 0) Empty();
      Line(Word(kCallTypeHeadings[type]));
      const CallTypeFlags& flags = model_.dscAdvanced.call[type];
      for (int category = 0; category < 4; ++category) {
        Row(kCategoryLabels[category],
            {OnOffText(flags.receive[category]), PowerText(flags.tx[category])});
      }
    }
  }

  void DscDisplay() {
    const DscDisplaySetup& display = model_.dscDisplay;
    Begin(ReportSectionId::kDscDisplay, "##### DSC Setup (Display Setup) #####");
    Row("Individual ACK Menu:", {OnOffText(display.individualAckMenu)});
    Row("Individual ACK Message Menu:", {OnOffText(display.individualAckMessageMenu)});
    Row("POS Request ACK Menu:", {OnOffText(display.posRequestAckMenu)});
  }

  void DscAutoPos() {
    constexpr int kSlot = 1;  // the slot the radio uses
    const AutoPosSlot& slot = model_.autoPos.slot[kSlot];
    Begin(ReportSectionId::kDscAutoPos, "##### DSC Setup (Auto POS Setup) #####");
    Empty();
    Line("[Auto POS Reporting]");
    Row("Enable:", {OnOffText(slot.enable)});
    const long interval = IndexOf(slot.interval);
    Pair("Channel:", AutoPosChannelText(IndexOf(slot.channel)), "Interval:",
         IntervalText(interval >= 0 && interval <= 16 ? static_cast<int>(interval) : -1));
    Pair(Word(kSelectCallLabel), SelectCallText(slot.selectCall, kSlot), "Dir Name:",
         DirectoryNameText(model_, slot.selectCall, slot.lastAddress, kSlot));
    Empty();
  }

  // Two rows of the text; one line of two label/value pairs on paper.
  void Pair(std::string_view label1, std::string value1, std::string_view label2,
            std::string value2) {
    Row(label1, {std::move(value1)});
    if (printing_) {
      Lines().back().push_back({std::string(label2), kLabelWidth, kPairLabelMm});
      Lines().back().push_back({std::move(value2), kValueWidth, kPairValueMm});
    } else {
      Row(label2, {std::move(value2)});
    }
  }

  std::string AutoPosChannelText(long code) const {
    const ChannelPlan& usa = model_.group[kGroup1];
    for (const ChannelRecord& record : usa) {
      if (record.enable && record.position == code) return PositionText(record.position);
    }
    for (int n = 1; n <= kExpChannelCount; ++n) {
      const ExpChannelRecord& exp = model_.exp[n - 1];
      if (exp.enable && kAutoPosExpBase + n == code) return exp.chDisplayL + exp.chDisplayR;
    }
    return {};
  }

  static const ChannelTableEntry& EntryAt(int position) {
    static const ChannelTableEntry kNone{};
    return position >= 0 && position < kChannelTableSize ? ChannelTable()[position] : kNone;
  }
  static std::string PositionText(int position) { return EntryAt(position).numberText; }

  void Atis() {
    const AtisSetup& atis = model_.atis;
    Begin(ReportSectionId::kAtis, "##### ATIS Setup #####");
    std::vector<std::string> names, flags;
    for (int i = 0; i < 4; ++i) {
      names.push_back(model_.usable.group[i].statusName);
      flags.push_back(OnOffText(atis.usableGroup[i]));
    }
    Row("", names);
    Row("Usable ATIS CH Group:", flags);
    Row("ATIS Code:", {atis.atisCode});
  }

  void ChannelPlanSection(int group) {
    Begin(kPlanSections[group].id, kPlanSections[group].title);
    TableHeading(kPlanTable);
    for (const ChannelRecord& record : model_.group[group]) {
      if (!record.enable) continue;
      TableRow(kPlanTable, PlanListRow(record));
    }
  }

  void Weather() {
    Begin(ReportSectionId::kWeatherChannels, Word(kWeatherTitle));
    TableHeading(kWeatherTable);
    for (std::size_t i = 0; i < model_.weather.size(); ++i) {
      const ChannelRecord& record = model_.weather[i];
      TableRow(kWeatherTable, {std::to_string(i + 1),
                               ListMarkText(ListMark::kEnable, record.enable),
                               ListMarkText(ListMark::kMem, record.scanMemory)});
    }
  }

  void Directory(ReportSectionId id, const Wording& title, const TableColumns& table,
                 std::span<const DirectoryEntry> entries) {
    Begin(id, Word(title));
    TableHeading(table);
    for (std::size_t i = 0; i < entries.size(); ++i) {
      TableRow(table, {std::to_string(i + 1), FixedWidthColumn(entries[i].tagName, kNameWidth),
                       FixedWidthColumn(entries[i].mmsi, kMmsiWidth)});
    }
  }

  void Exp() {
    Begin(ReportSectionId::kExpChannels, Word(kExpTitle));
    TableHeading(kExpTable);
    for (int n = 1; n <= kExpChannelCount; ++n) {
      const ExpChannelRecord& exp = model_.exp[n - 1];
      TableRow(kExpTable, {std::to_string(n), ExpDisplayName(exp),
                           ListMarkText(ListMark::kEnable, exp.enable),
                           Frequency4Text(exp.rxFreq), Frequency4Text(exp.txFreq),
                           ListMarkText(ListMark::kLow, exp.lowPower),
                           ListMarkText(ListMark::kUp, exp.powerUp),
                           ListMarkText(ListMark::kMem, exp.scanMemory)});
    }
  }

  const SettingsModel& model_;
  const ModelProfile& profile_;
  const bool printing_;
  std::vector<ReportSection> sections_;
};

}  // namespace

std::vector<ReportSection> BuildReportSections(const SettingsModel& model,
                                               const ModelProfile& profile,
                                               ReportRendering rendering) {
  return ReportWriter(model, profile, rendering).Build();
}

}  // namespace kol
