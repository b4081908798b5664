#include "files/dat_layout.h"

#include <string_view>

namespace kol {
namespace {

using V = DatValue;

std::string Indexed(std::string_view name, int index) {
  return std::string(name) + std::to_string(index);
}

// Keys whose index is formatted with a sign position: "Priority CH 0".
std::string Spaced(std::string_view name, int index) {
  return Indexed(std::string(name) + " ", index);
}

constexpr std::string_view kGroupKeys[] = {"Group1", "Group2", "Group3", "Exp CH"};

// Call types as the file lists them, which is not the model's order.
struct CallTypeKey {
  std::string_view name;
  CallType type;
};
constexpr CallTypeKey kCallTypeKeys[] = {{"All Ships Call", kAllShipsCall},
                                         {"Group Call", kGroupCall},
                                         {"Individual Call", kIndividualCall},
                                         {"PosRequest", kPosRequest},
                                         {"PosReport", kPosReport}};

DatSection UsableSection(UsableSetup& usable) {
  DatSection s{"Usable CH Group Setup", {}};
  for (int i = 0; i < 4; ++i) {
    s.fields.push_back({std::string(kGroupKeys[i]), V::kFlag, &usable.group[i].usable});
  }
  for (int i = 0; i < 4; ++i) {
    s.fields.push_back({Spaced("Priority CH", i), V::kAbsInteger, &usable.group[i].priorityCh});
  }
  for (int i = 0; i < 4; ++i) {
    s.fields.push_back({Spaced("Status name", i), V::kText, &usable.group[i].statusName});
  }
  for (int i = 0; i < 3; ++i)
    s.fields.push_back({Spaced("Exp Ch Group", i), V::kTruthWord, &usable.expChGroup[i]});
  return s;
}

DatSection CommonSection(CommonSetup& c) {
  return {"Common Setup",
          {{"Starting Channel Mode", V::kInteger, &c.startingChannelMode},
           {"Channel No", V::kInteger, &c.channelNo},
           {"TX Po Display", V::kAbsInteger, &c.txPoDisplay},
           {"SCAN", V::kFlag, &c.scan},
           {"Resume Time", V::kInteger, &c.resumeTime},
           {"PTT SCAN Clear", V::kFlag, &c.pttScanClear},
           {"Offset Time", V::kInteger, &c.offsetTime},
           {"Time Display", V::kFlag, &c.timeDisplay},
           {"Weater", V::kAbsInteger, &c.weatherAlertMode}}};
}

DatSection DscBasicSection(DscBasicSetup& basic) {
  DatSection s{"DSC Setup (Basic Setup)", {}};
  for (int i = 0; i < 3; ++i) {
    s.fields.push_back({std::string(kGroupKeys[i]), V::kFlag, &basic.usableGroup[i]});
  }
  s.fields.push_back({"User MMSI", V::kHashText, &basic.userMmsi});
  for (int i = 0; i < kBeepOutCount; ++i) {
    s.fields.push_back({Indexed("BeepOut", i), V::kFlag, &basic.beepOut[i]});
  }
  // The last two keys came later: files written before them keep the new document's values.
  s.fields.push_back({"EXP", V::kFlag, &basic.usableGroup[kExpGroup]});
  s.fields.push_back({"Distress Cancel Call", V::kFlag, &basic.distressCancelCall});
  return s;
}

DatSection DscAdvancedSection(DscAdvancedSetup& advanced) {
  DatSection s{"DSC Setup (Advanced Setup)", {}};
  for (const CallTypeKey& call : kCallTypeKeys) {
    CallTypeFlags& flags = advanced.call[call.type];
    for (int n = 0; n < 4; ++n) {
      s.fields.push_back({Indexed(call.name, n), V::kFlag, &flags.receive[n]});
      s.fields.push_back({Indexed(std::string(call.name) + "TX", n), V::kFlag, &flags.tx[n]});
    }
  }
  return s;
}

DatSection DscDisplaySection(DscDisplaySetup& d) {
  return {"DSC Setup (Display Setup)",
          {{"Individual ACK Menu", V::kFlag, &d.individualAckMenu},
           {"Individual ACK Message Menu", V::kFlag, &d.individualAckMessageMenu},
           {"POS Request ACK Menu", V::kFlag, &d.posRequestAckMenu}}};
}

DatSection AutoPosSection(DscAutoPosSetup& autoPos) {
  DatSection s{"DSC Setup (AutoPos Setup)",
               {{"MENUDISPLAY", V::kLeadingFlag, &autoPos.menuDisplay}}};
  for (int n = 0; n < 2; ++n) {
    AutoPosSlot& slot = autoPos.slot[n];
    s.fields.insert(s.fields.end(), {{Indexed("ENABLE", n), V::kLeadingFlag, &slot.enable},
                                     {Indexed("CHANNEL", n), V::kText, &slot.channel},
                                     {Indexed("INTERVAL", n), V::kText, &slot.interval},
                                     {Indexed("SELECTCALL", n), V::kInteger, &slot.selectCall},
                                     {Indexed("LASTADDRESS", n), V::kInteger, &slot.lastAddress},
                                     {Indexed("RCENABLE", n), V::kLeadingFlag, &slot.rcEnable},
                                     {Indexed("MMSI", n), V::kText, &slot.mmsi}});
  }
  return s;
}

DatSection AtisSection(AtisSetup& atis) {
  DatSection s{"ATIS Setup", {}};
  for (int i = 0; i < 4; ++i) {
    s.fields.push_back({Indexed("Usable ATIS CH Group", i), V::kFlag, &atis.usableGroup[i]});
  }
  s.fields.push_back({"Atis Code", V::kHashText, &atis.atisCode});
  return s;
}

DatSection DirectorySection(std::string name, DirectoryEntry& entry) {
  return {std::move(name),
          {{"Enable", V::kFlag, &entry.enable},
           {"TagName", V::kHashText, &entry.tagName},
           {"Mmsid", V::kText, &entry.mmsi}}};
}

DatSection ExpSection(std::string name, ExpChannelRecord& exp) {
  return {std::move(name),
          {{"Enable", V::kFlag, &exp.enable},
           {"CHDisplayL", V::kText, &exp.chDisplayL},
           {"CHDisplayR", V::kText, &exp.chDisplayR},
           {"Rxfreq", V::kFrequency, &exp.rxFreq},
           {"Txfreq", V::kFrequency, &exp.txFreq},
           {"LowPower", V::kFlag, &exp.lowPower},
           {"PowUp", V::kFlag, &exp.powerUp},
           {"ScanMemory", V::kFlag, &exp.scanMemory}}};
}

}  // namespace

std::vector<DatSection> SettingsSections(SettingsModel& model, const ModelProfile& profile) {
  std::vector<DatSection> sections = {
      UsableSection(model.usable),         CommonSection(model.common),
      DscBasicSection(model.dscBasic),     DscAdvancedSection(model.dscAdvanced),
      DscDisplaySection(model.dscDisplay), AutoPosSection(model.autoPos)};
  if (profile.atis) sections.push_back(AtisSection(model.atis));
  return sections;
}

std::string PlanSectionName(const DatPlan& plan, std::size_t index) {
  return plan.prefix + std::to_string(index);
}

std::vector<DatField> ChannelFields(ChannelRecord& r) {
  return {{"Enable", V::kFlag, &r.enable},        {"LowPower", V::kFlag, &r.lowPower},
          {"PowUp", V::kFlag, &r.powerUp},          {"Duplex", V::kFlag, &r.duplex},
          {"TxEnable", V::kFlag, &r.txEnable},    {"DispayA", V::kFlag, &r.displayA},
          {"ScanMemory", V::kFlag, &r.scanMemory}};
}

std::vector<DatSection> TrailingSections(SettingsModel& model, const ModelProfile& profile) {
  std::vector<DatSection> sections;
  if (profile.weather) {
    for (std::size_t i = 0; i < model.weather.size(); ++i) {
      ChannelRecord& wx = model.weather[i];
      sections.push_back(
          {Indexed("CHWX", static_cast<int>(i)),
           {{"Enable", V::kFlag, &wx.enable}, {"ScanMemory", V::kFlag, &wx.scanMemory}}});
    }
  }
  for (int i = 0; i < kIndividualDirectorySize; ++i) {
    sections.push_back(DirectorySection(Indexed("CHMMSID", i + 1), model.individualDirectory[i]));
  }
  for (int i = 0; i < kGroupDirectorySize; ++i) {
    sections.push_back(DirectorySection(Indexed("CHGRPID", i + 1), model.groupDirectory[i]));
  }
  for (int i = 0; i < kExpChannelCount; ++i) {
    sections.push_back(ExpSection(Indexed("CHEXP", i + 1), model.exp[i]));
  }
  return sections;
}

}  // namespace kol
