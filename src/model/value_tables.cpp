#include "model/value_tables.h"

#include <cstdio>

namespace kol {
namespace {

// Frequencies are computed in whole kHz and converted to MHz once, so every table value
// is the double nearest to its decimal text (156.000 + 0.050 * n drifts in floating point).
double KhzToMhz(int khz) { return khz / 1000.0; }

constexpr int kFirstLowChannelKhz = 156000;   // channels 0-59
constexpr int kFirstHighChannelKhz = 156025;  // channels 60-119 sit between the low ones
constexpr int kChannelSpacingKhz = 50;
constexpr int kDuplexShiftKhz = 4600;

std::array<ChannelTableEntry, kChannelTableSize> MakeChannelTable() {
  std::array<ChannelTableEntry, kChannelTableSize> table{};
  for (int n = 0; n < kChannelTableSize / 2; ++n) {
    const int khz = n < 60 ? kFirstLowChannelKhz + kChannelSpacingKhz * n
                           : kFirstHighChannelKhz + kChannelSpacingKhz * (n - 60);
    char number[8];
    std::snprintf(number, sizeof number, "%02d", n);
    table[2 * n] = {number, KhzToMhz(khz), KhzToMhz(khz + kDuplexShiftKhz), true};
    table[2 * n + 1] = {std::string(number) + "A", KhzToMhz(khz), 0.0, false};
  }
  return table;
}

// A plan as the radio's maker lists it: usage names with their channels, then the
// channels that only receive, that start in duplex and that start at low power.
// Channel lists are blank-separated number texts of the channel table.
struct PlanUsage {
  std::string_view usage;
  std::string_view channels;
};

struct PlanDefaults {
  std::span<const PlanUsage> usages;
  std::string_view receiveOnly;
  std::string_view duplex;
  std::string_view lowPower;
};

constexpr PlanUsage kUsaUsages[] = {
    {"VTS", "01A 05A 11 12 14 63A"},
    {"SAFTY", "06"},
    {"COMMERCIAL", "07A 08 10 15 18A 19A 87A 88A"},
    {"CALLING", "09"},
    {"BRG/BRG", "13 67"},
    {"DISTRESS", "16"},
    {"SAR", "17"},
    {"PORT OPR", "20 20A 65A 66A 73 74 75 76 77"},
    {"CCG", "21A 81A 82A"},
    {"USCG", "22A 23A 83A"},
    {"TELEPHONE", "24 25 26 27 28 84 85 86"},
    {"SHIP-SHIP", "68 72 78A 79A 80A"},
    {"PLEASURE", "69 71"},
    {"DSC", "70"},
};

constexpr PlanUsage kInternationalUsages[] = {
    {"TELEPHONE", "01 02 03 24 25 26 27 28 60 64 84 85 86"},
    {"INTL", "04 05 07 18 19 21 22 23 61 62 63 65 66 78 79 80 81 82 83"},
    {"SAFTY", "06"},
    {"COMMERCIAL", "08 10 15"},
    {"CALLING", "09"},
    {"VTS", "11 12 14"},
    {"BRG/BRG", "13 67"},
    {"DISTRESS", "16"},
    {"SAR", "17"},
    {"PORT OPR", "20 73 74 75 76 77 87 88"},
    {"SHIP-SHIP", "68 72"},
    {"PLEASURE", "69 71"},
    {"DSC", "70"},
};

constexpr PlanUsage kCanadaUsages[] = {
    {"TELEPHONE", "01 02 03 24 25 26 27 28 60 64 84 85 86"},
    {"CCG", "04A 21A 61A 62A 81A 82A 83 83A"},
    {"VTS", "05A 11 12 14"},
    {"SAFETY", "06"},
    {"COMMERCIAL", "07A 08 10 15 18A 19A 64A"},
    {"CALLING", "09"},
    {"BRG/BRG", "13 67"},
    {"DISTRESS", "16"},
    {"SAR", "17"},
    {"PORT OPR", "20 73 74 75 76 77 87 88"},
    {"USCG", "22A"},
    {"INTL", "23"},
    {"SHIP-SHIP", "63A 68 72 78A 79A 80A"},
    {"PORT OPT", "65A 66A"},
    {"PLEASURE", "69 71"},
    {"DSC", "70"},
};

constexpr PlanDefaults kPlanDefaults[] = {
    {kUsaUsages, "15 70", "20 24 25 26 27 28 84 85 86", "13 17 67 75 76 77"},
    {kInternationalUsages, "70",
     "01 02 03 04 05 07 18 19 20 21 22 23 24 25 26 27 28 60 61 62 63 64 65 66 78 79 80 81 "
     "82 83 84 85 86",
     "15 17 75 76"},
    {kCanadaUsages, "70", "01 02 03 20 23 24 25 26 27 28 60 64 83 84 85 86",
     "13 15 17 20 66A 75 76 77"},
};

// Calls `apply` with the channel-table position of every channel number in `list`.
template <typename Apply>
void ForEachListedPosition(std::string_view list, Apply apply) {
  while (!list.empty()) {
    const std::size_t blank = list.find(' ');
    const std::string_view number = list.substr(0, blank);
    const int position = ChannelPosition(number);
    if (position >= 0) apply(position);
    if (blank == std::string_view::npos) break;
    list.remove_prefix(blank + 1);
  }
}

struct WeatherRow {
  int khz;
  std::string_view shortText;
  std::string_view displayText;
};

constexpr WeatherRow kWeatherRows[kWeatherChannelCount] = {
    {162550, "162.550MHZ", "WX01[162.550MHz]"}, {162400, "162.400MHZ", "WX02[162.400MHz]"},
    {162475, "162.475MHZ", "WX03[162.475MHz]"}, {162425, "162.425MHZ", "WX04[162.425MHz]"},
    {162450, "162.450MHZ", "WX05[162.450MHz]"}, {162500, "162.500MHZ", "WX06[162.500MHz]"},
    {162525, "162.525MHZ", "WX07[162.525MHz]"}, {161650, "161.650MHZ", "WX08[161.650MHz]"},
    {161775, "161.775MHZ", "WX09[161.775MHz]"}, {163275, "163.275MHZ", "WX10[163.275MHz]"},
};

constexpr std::string_view kCtcssTones[] = {
    "Off",     "67.0Hz",  "69.3Hz",  "71.9Hz",  "74.4Hz",  "77.0Hz",  "79.7Hz",  "82.5Hz",
    "85.4Hz",  "88.5Hz",  "91.5Hz",  "94.8Hz",  "97.4Hz",  "100.0Hz", "103.5Hz", "107.2Hz",
    "110.9Hz", "114.8Hz", "118.8Hz", "123.0Hz", "127.3Hz", "131.8Hz", "136.5Hz", "141.3Hz",
    "146.2Hz", "151.4Hz", "156.7Hz", "159.8Hz", "162.2Hz", "165.5Hz", "167.9Hz", "171.3Hz",
    "173.8Hz", "177.3Hz", "179.9Hz", "183.5Hz", "186.2Hz", "189.9Hz", "192.8Hz", "196.6Hz",
    "199.5Hz", "203.5Hz", "206.5Hz", "210.7Hz", "218.1Hz", "225.7Hz", "229.1Hz", "233.6Hz",
    "241.8Hz", "250.3Hz", "254.1Hz",
};

constexpr std::string_view kDcsCodes[] = {
    "Off", "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065",
    "071", "072", "073", "074", "114", "115", "116", "122", "125", "131", "132", "134", "143",
    "145", "152", "155", "156", "162", "165", "172", "174", "205", "212", "223", "225", "226",
    "243", "244", "245", "246", "251", "252", "255", "261", "263", "265", "266", "271", "274",
    "306", "311", "315", "325", "331", "332", "343", "346", "351", "356", "364", "365", "371",
    "411", "412", "413", "423", "431", "432", "445", "446", "452", "454", "455", "462", "464",
    "465", "466", "503", "506", "516", "523", "526", "532", "546", "565", "606", "612", "624",
    "627", "631", "632", "654", "662", "664", "703", "712", "723", "731", "732", "734", "743",
    "754",
};

static_assert(std::size(kCtcssTones) == 51);
static_assert(std::size(kDcsCodes) == 105);

}  // namespace

const std::array<ChannelTableEntry, kChannelTableSize>& ChannelTable() {
  static const std::array<ChannelTableEntry, kChannelTableSize> kTable = MakeChannelTable();
  return kTable;
}

int ChannelPosition(std::string_view numberText) {
  const auto& table = ChannelTable();
  for (int i = 0; i < kChannelTableSize; ++i) {
    if (table[i].numberText == numberText) return i;
  }
  return -1;
}

void BuildChannelPlan(int group, ChannelPlan& plan) {
  const auto& table = ChannelTable();
  plan.resize(kChannelTableSize);
  for (int i = 0; i < kChannelTableSize; ++i) {
    ChannelRecord& record = plan[i];
    record.position = static_cast<std::int16_t>(i);
    record.enable = false;
    record.duplexAllowed = table[i].duplexCapable;
    record.receiveOnly = false;
    record.txEnable = true;
  }
  if (group < 0 || group >= static_cast<int>(std::size(kPlanDefaults))) return;

  const PlanDefaults& defaults = kPlanDefaults[group];
  for (const PlanUsage& usage : defaults.usages) {
    ForEachListedPosition(usage.channels, [&](int position) {
      ChannelRecord& record = plan[position];
      record.enable = true;
      record.usageName = std::string(usage.usage);
      record.duplex = false;
      record.lowPower = false;
    });
  }
  ForEachListedPosition(defaults.receiveOnly, [&](int position) {
    plan[position].receiveOnly = true;
    plan[position].duplexAllowed = false;
    plan[position].txEnable = false;
  });
  ForEachListedPosition(defaults.duplex, [&](int position) { plan[position].duplex = true; });
  ForEachListedPosition(defaults.lowPower,
                        [&](int position) { plan[position].lowPower = true; });
}

const std::array<WeatherTableEntry, kWeatherChannelCount>& WeatherTable() {
  static const std::array<WeatherTableEntry, kWeatherChannelCount> kTable = [] {
    std::array<WeatherTableEntry, kWeatherChannelCount> table{};
    for (int i = 0; i < kWeatherChannelCount; ++i) {
      const WeatherRow& row = kWeatherRows[i];
      table[i] = {i + 1, KhzToMhz(row.khz), std::string(row.shortText),
                  std::string(row.displayText)};
    }
    return table;
  }();
  return kTable;
}

void BuildWeatherPlan(ChannelPlan& plan) {
  plan.clear();
  for (const WeatherTableEntry& entry : WeatherTable()) {
    ChannelRecord record;
    record.position = static_cast<std::int16_t>(entry.number);
    record.enable = true;
    record.powerUp = false;
    record.displayA = entry.displayText.ends_with('A');
    plan.push_back(record);
  }
}

std::span<const std::string_view> CtcssTones() { return kCtcssTones; }

std::span<const std::string_view> DcsCodes() { return kDcsCodes; }

}  // namespace kol
