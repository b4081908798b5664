#include "model/setting_captions.h"

#include "model/channel_rules.h"
#include "model/formatters.h"
#include "model/setup_rules.h"
#include "model/value_tables.h"

namespace kol {
namespace {

constexpr std::string_view kUsablePage = "Usable CH Group Setup";
constexpr std::string_view kCommonPage = "Common Setup";
constexpr std::string_view kDscPage = "DSC Setup";
constexpr std::string_view kAtisPage = "ATIS Setup";

constexpr const char* kUsableRows[] = {"USA", "International", "Canada", "EXP CH Group"};
constexpr const char* kDscGroupHeads[] = {"Group1", "Group2", "Group3", "EXP"};
constexpr const char* kBeepCaptions[] = {"Send Distress Alert",  "Received All Ships",
                                         "Received Individual",  "Received Group",
                                         "Received Geographic",  "Received POS Request",
                                         "Received POS Reporting"};
// In the order of the call types.
constexpr const char* kCallCaptions[kCallTypeCount] = {
    "ALL Ships Call", "Individual Call", "Group Call", "POS Request Call", "POS Report Call"};
constexpr const char* kPriorities[] = {"Distress", "Urgency", "Safety", "Routine"};

class Captions {
 public:
  explicit Captions(const SettingsModel& model) : model_(model) {}

  std::map<const void*, std::string> All() {
    Usable();
    Common();
    Dsc();
    Atis();
    Channels();
    Directories();
    return std::move(captions_);
  }

 private:
  void Add(const void* field, std::string caption) { captions_[field] = std::move(caption); }

  void Usable() {
    for (int g = 0; g < 4; ++g) {
      const UsableGroup& group = model_.usable.group[static_cast<std::size_t>(g)];
      Add(&group.usable, JoinCaption({kUsablePage, kUsableRows[g]}));
      Add(&group.statusName, JoinCaption({kUsablePage, kUsableRows[g], "Status Name"}));
      if (g < kExpGroup) Add(&group.priorityCh, JoinCaption({kUsablePage, kUsableRows[g], "Priority CH"}));
    }
    for (int j = 0; j < kExpGroup; ++j) {
      Add(&model_.usable.expChGroup[static_cast<std::size_t>(j)],
          JoinCaption({kUsablePage, "Expansion Channel Group", GroupBoxCaption(j, {})}));
    }
  }

  void Common() {
    const CommonSetup& c = model_.common;
    const std::pair<const void*, const char*> rows[] = {
        {&c.startingChannelMode, "Starting Channel Mode"}, {&c.channelNo, "Channel No.#"},
        {&c.txPoDisplay, "TX Po Display"},                 {&c.scan, "SCAN"},
        {&c.resumeTime, "Resume Time"},                    {&c.pttScanClear, "PTT SCAN Clear"},
        {&c.timeDisplay, "Time Display"},                  {&c.offsetTime, "Offset Time"},
        {&c.weatherAlertMode, "Weather Alert"}};
    for (const auto& [field, caption] : rows) Add(field, JoinCaption({kCommonPage, caption}));
  }

  void Dsc() {
    const DscBasicSetup& basic = model_.dscBasic;
    for (std::size_t g = 0; g < basic.usableGroup.size(); ++g) {
      Add(&basic.usableGroup[g], JoinCaption({kDscPage, "Basic Setup", "Usable DSC CH Group", kDscGroupHeads[g]}));
    }
    Add(&basic.distressCancelCall, JoinCaption({kDscPage, "Basic Setup", "Distress Cancel Call"}));
    Add(&basic.userMmsi, JoinCaption({kDscPage, "Basic Setup", "UserMMSI"}));
    for (std::size_t k = 0; k < std::size(kBeepCaptions); ++k) {
      Add(&basic.beepOut[k], JoinCaption({kDscPage, "Basic Setup", "DSC Beep Output", kBeepCaptions[k]}));
    }
    for (int t = 0; t < kCallTypeCount; ++t) {
      const CallTypeFlags& call = model_.dscAdvanced.call[static_cast<std::size_t>(t)];
      for (std::size_t p = 0; p < std::size(kPriorities); ++p) {
        const std::string priority = kPriorities[p];
        Add(&call.receive[p], JoinCaption({kDscPage, "Advanced Setup", kCallCaptions[t], priority + " RX"}));
        Add(&call.tx[p], JoinCaption({kDscPage, "Advanced Setup", kCallCaptions[t], priority + " TX"}));
      }
    }
    const DscDisplaySetup& d = model_.dscDisplay;
    Add(&d.individualAckMenu, JoinCaption({kDscPage, "Display Setup", "Individual ACK Menu"}));
    Add(&d.individualAckMessageMenu, JoinCaption({kDscPage, "Display Setup", "Individual ACK Message Menu"}));
    Add(&d.posRequestAckMenu, JoinCaption({kDscPage, "Display Setup", "POS Request ACK Menu"}));
  }

  void Atis() {
    for (int g = 0; g < 4; ++g) {
      Add(&model_.atis.usableGroup[static_cast<std::size_t>(g)],
          JoinCaption({kAtisPage, "Usable ATIS CH Group", GroupBoxCaption(g, {})}));
    }
    Add(&model_.atis.atisCode, JoinCaption({kAtisPage, "ATIS Code"}));
  }

  void Channels() {
    for (int g = 0; g < kExpGroup; ++g) {
      for (const ChannelRecord& r : model_.group[static_cast<std::size_t>(g)]) {
        const std::string page = JoinCaption({GroupBoxCaption(g, {}), "CH" + ChannelCodeText(r.position)});
        const std::pair<const bool*, PlanSwitch> rows[] = {
            {&r.enable, PlanSwitch::kEnable},   {&r.txEnable, PlanSwitch::kTxEnable},
            {&r.lowPower, PlanSwitch::kLowPower}, {&r.powerUp, PlanSwitch::kPowerUp},
            {&r.duplex, PlanSwitch::kDuplex},   {&r.scanMemory, PlanSwitch::kScanMemory}};
        for (const auto& [field, which] : rows) {
          Add(field, JoinCaption({page, PlanSwitchCaption(which)}));
        }
      }
    }
    for (std::size_t i = 0; i < model_.weather.size() && i < WeatherTable().size(); ++i) {
      const std::string& text = WeatherTable()[i].displayText;
      const std::string page = JoinCaption({"Weather", text.substr(0, text.find('['))});
      Add(&model_.weather[i].enable, JoinCaption({page, "Enable"}));
      Add(&model_.weather[i].scanMemory, JoinCaption({page, "Scan"}));
    }
    for (std::size_t i = 0; i < model_.exp.size(); ++i) {
      const ExpChannelRecord& r = model_.exp[i];
      const std::string page = JoinCaption({"EXP Channel", "EXP" + std::to_string(i + 1)});
      const std::pair<const void*, const char*> rows[] = {
          {&r.enable, "CH Enable"},         {&r.chDisplayL, "CH Display"},
          {&r.chDisplayR, "CH Display"},    {&r.rxFreq, "Rx Frequency"},
          {&r.txFreq, "Tx Frequency"},      {&r.lowPower, "Low Power Only"},
          {&r.powerUp, "Power Up"},         {&r.scanMemory, "Scan Memory"}};
      for (const auto& [field, caption] : rows) Add(field, JoinCaption({page, caption}));
    }
  }

  template <typename Entries>
  void Directory(const Entries& entries, std::string_view page, std::string_view entry,
                 std::string_view name) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
      const std::string node = JoinCaption({page, std::string(entry) + std::to_string(i + 1)});
      Add(&entries[i].enable, JoinCaption({node, "Add"}));
      Add(&entries[i].tagName, JoinCaption({node, name}));
      Add(&entries[i].mmsi, JoinCaption({node, "MMSI"}));
    }
  }

  void Directories() {
    Directory(model_.individualDirectory, "Individual Directory", "Memory ID", "Station Name");
    Directory(model_.groupDirectory, "Group Directory", "Group ID", "Group Name");
  }

  const SettingsModel& model_;
  std::map<const void*, std::string> captions_;
};

}  // namespace

std::string JoinCaption(std::initializer_list<std::string_view> parts) {
  std::string path;
  for (const std::string_view part : parts) {
    if (!path.empty()) path += kCaptionSeparator;
    path += part;
  }
  return path;
}

std::map<const void*, std::string> SettingCaptions(const SettingsModel& model) {
  return Captions(model).All();
}

}  // namespace kol
