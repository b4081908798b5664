// One pass over every radio-wide setting and both directories through the pages, saved
// by the window: the file must be the one written for the same values set on the model.
#include <QLineEdit>

#include "editor_rig.h"
#include "files/dat_file.h"
#include "files/file_read.h"
#include "model/option_lists.h"
#include "model/setup_rules.h"
#include "page_driver.h"

namespace kol::test {
namespace {

class EditAndSaveTest : public EditorRig, public PageDriver {
 protected:
  void SetUp() override {
    WriteProgramFolder();
    ASSERT_TRUE(StartWindow());
    AttachPage(*window);
  }
  // Picks the other item of an "Off"/"On" or "Low"/"Hi" list; the flag follows.
  void Flip(const std::string& list, bool& expected) {
    expected = !expected;
    Choose(list, expected ? 1 : 0);
  }
  void Commit(const std::string& field) {
    QTest::keyClick(Control<QLineEdit>(field), Qt::Key_Backtab);
    QApplication::processEvents();
  }
  static std::string Contents(const std::string& path) {
    const std::optional<std::string> bytes = ReadWholeFile(path);
    EXPECT_TRUE(bytes.has_value()) << path;
    return bytes.value_or("");
  }
};

TEST_F(EditAndSaveTest, EverySettingSetOnThePagesSavesAsTheSameSettingsSetOnTheModel) {
  Document expected = document;
  SettingsModel& m = expected.model;

  ClickNode("Usable");
  for (int g = 1; g <= 3; ++g) {
    ASSERT_FALSE(m.usable.group[g].usable);
    Click(Indexed("chkUsable", g));
    m.usable.group[g].usable = true;
  }
  const char* typed[] = {"usa", "in1", "canada", "x"};
  const char* stored[] = {"USA", "IN1", "CAN", "X"};
  for (int g = 0; g < 4; ++g) {
    TypeInto(Indexed("txtUsable", g), typed[g]);
    QTest::keyClick(Control<QLineEdit>(Indexed("txtUsable", g)), Qt::Key_Return);
    m.usable.group[g].statusName = stored[g];
  }
  for (int g = 0; g < 3; ++g) {
    Choose(Indexed("cmbUsablePri", g), g + 1);
    m.usable.group[g].priorityCh = options::EnabledChannelItems(m.group[g])[g + 1].data;
  }
  const std::array<bool, 3> expUse = {true, false, true};
  for (int j = 0; j < 3; ++j) {
    if (Box(Indexed("chkEXP", j))->isChecked() != expUse[j]) Click(Indexed("chkEXP", j));
  }
  m.usable.expChGroup = expUse;

  ClickNode("Common");
  Choose("cmbCommonStartCH", 1);
  m.common.startingChannelMode = 1;
  Choose("cmbCommonStartCHNo", 2);
  m.common.channelNo = ChannelNoItems(m, expected.image)[2].data;
  Choose("cmbCommonTXPo", 2);
  m.common.txPoDisplay = 2;
  Choose("cmbCommonScan", 1);
  m.common.scan = true;
  Choose("cmbCommonResume", 5);
  m.common.resumeTime = 5;
  Flip("cmbCommonPTTSCAN", m.common.pttScanClear);
  Flip("cmbCommonTimedisplay", m.common.timeDisplay);
  Choose("cmbCommonOffset", 13);
  m.common.offsetTime = -11;
  Choose("cmbCommonWeater", 3);
  m.common.weatherAlertMode = 3;

  ClickNode("DSC");
  for (int g = 0; g < 4; ++g) Flip(Indexed("cmbUsableDsc", g), m.dscBasic.usableGroup[g]);
  TypeInto("txtUserMMSI", "211234567");
  Commit("txtUserMMSI");
  m.dscBasic.userMmsi = "211234567";
  Flip("cmbUsableDscDistCancel", m.dscBasic.distressCancelCall);
  for (int k = 0; k < 7; ++k) Flip(Indexed("cmbUsableDscBeepOut", k), m.dscBasic.beepOut[k]);
  ShowTab("tbsDSC_USER", 1);
  for (const AdvancedList& list : AdvancedLists()) {
    CallTypeFlags& flags = m.dscAdvanced.call[list.call];
    Flip(list.name, list.tx ? flags.tx[list.category] : flags.receive[list.category]);
  }
  ShowTab("tbsDSC_USER", 2);
  Flip("cmbDscDisplay_0", m.dscDisplay.individualAckMenu);
  Flip("cmbDscDisplay_1", m.dscDisplay.individualAckMessageMenu);
  Flip("cmbDscDisplay_2", m.dscDisplay.posRequestAckMenu);

  ClickNode("ATIS");
  for (int g = 0; g < 4; ++g) {
    Click(Indexed("chkATISChGroup", g));
    m.atis.usableGroup[g] = !m.atis.usableGroup[g];
  }
  TypeInto("txtATIScode", "9211234567");
  Commit("txtATIScode");
  m.atis.atisCode = "9211234567";

  struct Added {
    const char* node;
    const char* name;
    const char* mmsi;
    DirectoryEntry* entry;
    const char* storedName;
    const char* storedMmsi;
  };
  const Added added[] = {
      {"SM 1", "harbour", "211123456", &m.individualDirectory[0], "HARBOUR", "2111234560"},
      {"SM 2", "sea hawk", "211555001", &m.individualDirectory[1], "SEA HAWK", "2115550010"},
      {"SG 1", "fleet", "21100001", &m.groupDirectory[0], "FLEET", "0211000010"},
  };
  for (const Added& a : added) {
    ClickNode(a.node);
    Click("chkGEnable");
    TypeInto("txtGPosi", a.name);
    Commit("txtGPosi");
    TypeInto("txtGMMSI", a.mmsi);
    Commit("txtGMMSI");
    a.entry->enable = true;
    a.entry->tagName = a.storedName;
    a.entry->mmsi = a.storedMmsi;
  }
  ClickNode("General");
  EXPECT_TRUE(prompts.Texts().empty());
  EXPECT_TRUE(Changed());
  EXPECT_EQ(document.model, m);

  const std::string byWindow = dir.File("window.dat");
  prompts.savePaths.push_back(byWindow);
  Command("mnuFileSaveAs");
  EXPECT_FALSE(Changed());
  const std::string byModel = dir.File("model.dat");
  ASSERT_TRUE(WriteSettingsFile(byModel, expected, host));
  const std::string saved = Contents(byWindow);
  EXPECT_NE(saved.find("Mmsid=2115550010"), std::string::npos);
  EXPECT_EQ(saved, Contents(byModel));
}

}  // namespace
}  // namespace kol::test
