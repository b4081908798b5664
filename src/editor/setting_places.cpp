#include "editor/setting_places.h"

#include <charconv>
#include <vector>

#include "editor/node_table.h"

namespace kol::editor {
namespace {

// Keys and controls numbered alike: key + n (with a blank before n where the file has one)
// and control + "_" + n, for n = 0 .. count - 1.
void AddIndexed(std::vector<SettingRow>& rows, const std::string& section, const std::string& key,
                const std::string& node, const std::string& control, int count) {
  for (int n = 0; n < count; ++n) {
    rows.push_back({section, key + std::to_string(n), node, control + "_" + std::to_string(n)});
  }
}

void AddGeneral(std::vector<SettingRow>& rows) {
  const std::string usablePage(node_key::kUsable), commonPage(node_key::kCommon),
      dscPage(node_key::kDsc), atisPage(node_key::kAtis);
  const std::string usable = "Usable CH Group Setup";
  const char* groupKeys[] = {"Group1", "Group2", "Group3", "Exp CH"};
  for (int g = 0; g < 4; ++g) {
    rows.push_back({usable, groupKeys[g], usablePage, "chkUsable_" + std::to_string(g)});
  }
  AddIndexed(rows, usable, "Priority CH ", usablePage, "cmbUsablePri", 3);  // entry 3 has none
  AddIndexed(rows, usable, "Status name ", usablePage, "txtUsable", 4);
  AddIndexed(rows, usable, "Exp Ch Group ", usablePage, "chkEXP", 3);

  const std::pair<const char*, const char*> common[] = {
      {"Starting Channel Mode", "cmbCommonStartCH"}, {"Channel No", "cmbCommonStartCHNo"},
      {"TX Po Display", "cmbCommonTXPo"},            {"SCAN", "cmbCommonScan"},
      {"Resume Time", "cmbCommonResume"},            {"PTT SCAN Clear", "cmbCommonPTTSCAN"},
      {"Offset Time", "cmbCommonOffset"},            {"Time Display", "cmbCommonTimedisplay"},
      {"Weater", "cmbCommonWeater"}};
  for (const auto& [key, control] : common) rows.push_back({"Common Setup", key, commonPage, control});

  const std::string basic = "DSC Setup (Basic Setup)";
  const char* dscGroupKeys[] = {"Group1", "Group2", "Group3", "EXP"};
  for (int g = 0; g < 4; ++g) {
    rows.push_back({basic, dscGroupKeys[g], dscPage, "cmbUsableDsc_" + std::to_string(g)});
  }
  rows.push_back({basic, "User MMSI", dscPage, "txtUserMMSI"});
  AddIndexed(rows, basic, "BeepOut", dscPage, "cmbUsableDscBeepOut", 7);  // BeepOut7 has none
  rows.push_back({basic, "Distress Cancel Call", dscPage, "cmbUsableDscDistCancel"});

  // Call types: the file's key, the name in the lists' objectNames.
  const std::pair<const char*, const char*> calls[] = {{"All Ships Call", "AllShipsCall"},
                                                       {"Group Call", "GroupCall"},
                                                       {"Individual Call", "IndividualCall"},
                                                       {"PosRequest", "PosRequest"},
                                                       {"PosReport", "PosReport"}};
  for (const auto& [key, name] : calls) {
    const std::string list = std::string("cmbUsableDsc") + name;
    AddIndexed(rows, "DSC Setup (Advanced Setup)", key, dscPage, list, 4);
    AddIndexed(rows, "DSC Setup (Advanced Setup)", std::string(key) + "TX", dscPage, list + "TX", 4);
  }
  const char* display[] = {"Individual ACK Menu", "Individual ACK Message Menu",
                           "POS Request ACK Menu"};
  for (int i = 0; i < 3; ++i) {
    rows.push_back({"DSC Setup (Display Setup)", display[i], dscPage, "cmbDscDisplay_" + std::to_string(i)});
  }

  AddIndexed(rows, "ATIS Setup", "Usable ATIS CH Group", atisPage, "chkATISChGroup", 4);
  rows.push_back({"ATIS Setup", "Atis Code", atisPage, "txtATIScode"});
}

// The sections of one channel, entry or weather channel each, shown by their own node.
void AddRecords(std::vector<SettingRow>& rows) {
  const std::pair<const char*, const char*> channel[] = {
      {"Enable", "chkCEnable"},   {"LowPower", "chkCTXOnly"}, {"PowUp", "chkCTXPower"},
      {"TxEnable", "chkCTXEnable"}, {"ScanMemory", "chkCScan"}};
  const char* planSections[] = {"CHUSA", "CHINT", "CHCAN"};
  for (int group = 0; group < 3; ++group) {
    const char* section = planSections[group];
    const std::string node(node_key::kPlanGroups[group]);
    for (const auto& [key, control] : channel) {
      rows.push_back({section, key, node, control, Numbering::kLeaf, 0, 239});
    }
    rows.push_back({section, "Duplex", node, "chkCDup", Numbering::kLeaf, 0, 239});
  }
  for (const auto& [key, control] : channel) {
    rows.push_back({"CHEXP", key, std::string(node_key::kExpLeafPrefix), control, Numbering::kLeaf, 1, 40});
  }
  const std::pair<const char*, const char*> expFields[] = {{"CHDisplayL", "txtCN_0"},
                                                           {"CHDisplayR", "txtCN_1"},
                                                           {"Rxfreq", "txtCRF"},
                                                           {"Txfreq", "txtCTF"}};
  for (const auto& [key, control] : expFields) {
    rows.push_back({"CHEXP", key, std::string(node_key::kExpLeafPrefix), control, Numbering::kLeaf, 1, 40});
  }
  const std::pair<const char*, const char*> entry[] = {
      {"Enable", "chkGEnable"}, {"TagName", "txtGPosi"}, {"Mmsid", "txtGMMSI"}};
  for (const auto& [key, control] : entry) {
    rows.push_back({"CHMMSID", key, std::string(node_key::kIndividualDirectory), control, Numbering::kLeaf, 1, 48});
    rows.push_back({"CHGRPID", key, std::string(node_key::kGroupDirectory), control, Numbering::kLeaf, 1, 20});
  }
  rows.push_back({"CHWX", "Enable", std::string(node_key::kWeather), "chkDEnable", Numbering::kControl, 0, 9});
  rows.push_back({"CHWX", "ScanMemory", std::string(node_key::kWeather), "chkDScan", Numbering::kControl, 0, 9});
}

// The record number a numbered section's name carries after `prefix`, when it is all digits.
std::optional<int> RecordNumber(std::string_view section, std::string_view prefix) {
  if (!section.starts_with(prefix) || section.size() == prefix.size()) return std::nullopt;
  const std::string_view digits = section.substr(prefix.size());
  int number = 0;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (ec != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return number;
}

}  // namespace

std::span<const SettingRow> SettingRows() {
  static const std::vector<SettingRow> kRows = [] {
    std::vector<SettingRow> rows;
    AddGeneral(rows);
    AddRecords(rows);
    return rows;
  }();
  return kRows;
}

std::optional<SettingPlace> PlaceOfSetting(std::string_view section, std::string_view key) {
  for (const SettingRow& row : SettingRows()) {
    if (row.key != key) continue;
    if (row.numbering == Numbering::kNone) {
      if (row.section == section) return SettingPlace{row.node, row.control};
      continue;
    }
    const std::optional<int> number = RecordNumber(section, row.section);
    if (!number || *number < row.first || *number > row.last) continue;
    if (row.numbering == Numbering::kLeaf) return SettingPlace{LeafKey(row.node, *number), row.control};
    return SettingPlace{row.node, row.control + "_" + std::to_string(*number)};
  }
  return std::nullopt;
}

}  // namespace kol::editor
