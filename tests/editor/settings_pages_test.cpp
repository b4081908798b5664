// The Usable, Common, DSC and ATIS pages through their real widgets: what each click and
// key stores, what it enables, and what the tree shows afterwards.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>

#include "editor/widgets/commit_field.h"
#include "editor/widgets/rule_line.h"
#include "editor_rig.h"
#include "model/image_map.h"
#include "model/option_lists.h"
#include "model/value_tables.h"
#include "page_driver.h"

namespace kol::test {
namespace {

class SettingsPagesTest : public EditorRig, public PageDriver {
 protected:
  void SetUp() override {
    WriteProgramFolder();
    ASSERT_TRUE(StartWindow());
    AttachPage(*window);
  }
  UsableSetup& Usable() { return document.model.usable; }
  CommonSetup& Common() { return document.model.common; }
};

// ---------------------------------------------------------------------------------------
// Usable CH Group Setup
// ---------------------------------------------------------------------------------------

TEST_F(SettingsPagesTest, UntickingAGroupTakesItsChannelsOutOfTheTreeAndTheExpChannelsOutOfIt) {
  ClickNode("Usable");
  Click("chkUsable_1");
  Click("chkUsable_3");
  ASSERT_NE(Node("PI"), nullptr);
  ASSERT_NE(Node("PI 32"), nullptr);
  ASSERT_NE(Node("ExpChannel"), nullptr);
  if (!Box("chkEXP_1")->isChecked()) Click("chkEXP_1");
  ASSERT_TRUE(Usable().expChGroup[1]);
  window->Controller().ForgetChanges();

  Click("chkUsable_1");
  EXPECT_FALSE(Usable().group[kGroup2].usable);
  EXPECT_EQ(Node("PI"), nullptr);
  EXPECT_EQ(Node("PI 32"), nullptr);
  EXPECT_FALSE(Box("chkEXP_1")->isChecked());
  EXPECT_FALSE(Usable().expChGroup[1]);
  EXPECT_TRUE(Changed());
  EXPECT_EQ(SelectedKey(), "Usable");  // the page stays where it was
  for (const char* name : {"txtUsable_1", "cmbUsablePri_1", "lblUsablePri_1", "lblUsableStatus_1"}) {
    EXPECT_FALSE(Find<QWidget>(name)->isEnabled()) << name;
  }
  EXPECT_TRUE(Find<QWidget>("cmbUsablePri_0")->isEnabled());
}

TEST_F(SettingsPagesTest, UntickingTheExpGroupDisablesItsBoxesAndKeepsTheirTicks) {
  for (int g = kGroup1; g <= kGroup3; ++g) Usable().group[g].usable = true;
  Usable().expChGroup = {true, false, true};
  ClickNode("Usable");
  Click("chkUsable_3");
  for (int j = 0; j < 3; ++j) EXPECT_TRUE(Box(Indexed("chkEXP", j))->isEnabled());
  Click("chkUsable_3");
  EXPECT_FALSE(Usable().group[kExpGroup].usable);
  EXPECT_EQ(Node("ExpChannel"), nullptr);
  const bool ticks[] = {true, false, true};
  for (int j = 0; j < 3; ++j) {
    EXPECT_FALSE(Box(Indexed("chkEXP", j))->isEnabled());
    EXPECT_EQ(Box(Indexed("chkEXP", j))->isChecked(), ticks[j]);
  }
  EXPECT_EQ(Usable().expChGroup, (std::array<bool, 3>{true, false, true}));
}

TEST_F(SettingsPagesTest, StatusNameIsUpperCasedCutToThreeAndNamesTheGroupEverywhere) {
  ClickNode("Usable");
  TypeInto("txtUsable_0", "ab12");
  EXPECT_EQ(Usable().group[kGroup1].statusName, "");  // not before the commit
  EXPECT_TRUE(Find<editor::CommitField>("txtUsable_0")->EditPending());
  QTest::keyClick(Find<QLineEdit>("txtUsable_0"), Qt::Key_Return);
  EXPECT_EQ(Usable().group[kGroup1].statusName, "AB1");
  EXPECT_EQ(Text("txtUsable_0"), "AB1");
  EXPECT_FALSE(Find<editor::CommitField>("txtUsable_0")->EditPending());
  EXPECT_TRUE(Changed());
  EXPECT_EQ(Node("PU")->text(0).toStdString(), "Group1(AB1)");
  EXPECT_EQ(Box("chkEXP_0")->text().toStdString(), "Group1[AB1]");

  // A name also commits when the focus moves on, and a blank name removes the suffix.
  Erase("txtUsable_0");
  QTest::keyClick(Find<QLineEdit>("txtUsable_0"), Qt::Key_Tab);
  EXPECT_EQ(Usable().group[kGroup1].statusName, "");
  EXPECT_EQ(Node("PU")->text(0).toStdString(), "Group1");
  EXPECT_TRUE(prompts.Texts().empty());

  // The DSC and ATIS pages show the names of the groups.
  Usable().group[kGroup3].statusName = "CAN";
  ClickNode("DSC");
  EXPECT_EQ(Find<QLabel>("lblUsableDscName_2")->text().toStdString(), "[CAN]");
  EXPECT_EQ(Find<QLabel>("lblUsableDscName_0")->text().toStdString(), "");
  ClickNode("ATIS");
  EXPECT_EQ(Box("chkATISChGroup_2")->text().toStdString(), "Group3[CAN]");
  EXPECT_EQ(Box("chkATISChGroup_3")->text().toStdString(), "EXP CH Group");
}

TEST_F(SettingsPagesTest, PriorityListsOfferTheEnabledChannelsAndStoreTheirPosition) {
  ChannelPlan& usa = document.model.group[kGroup1];
  const std::vector<options::Item> offered = options::EnabledChannelItems(usa);
  ASSERT_GE(offered.size(), 3u);
  ClickNode("Usable");
  QComboBox* list = List("cmbUsablePri_0");
  ASSERT_EQ(list->count(), static_cast<int>(offered.size()));
  Choose("cmbUsablePri_0", 2);
  EXPECT_EQ(Usable().group[kGroup1].priorityCh, offered[2].data);
  EXPECT_EQ(list->currentText().toStdString(), offered[2].text);
}

// A stored channel that the list does not offer selects nothing and stays stored.
TEST_F(SettingsPagesTest, StoredChannelOutsideTheListSelectsNothingAndIsKept) {
  const ChannelCode disabled = ChannelPosition("16");
  document.model.group[kGroup1][disabled].enable = false;
  Usable().group[kGroup1].priorityCh = disabled;
  Common().channelNo = disabled;
  Common().startingChannelMode = 1;
  document.image[image_map::kOperatingGroup] = kGroup1;
  document.image[image_map::kUsableFlags + kGroup1] = 1;
  for (const char* node : {"Usable", "Common", "General", "Usable", "Common"}) ClickNode(node);
  EXPECT_EQ(List("cmbCommonStartCHNo")->currentIndex(), -1);
  EXPECT_GT(List("cmbCommonStartCHNo")->count(), 0);
  ClickNode("Usable");
  EXPECT_EQ(List("cmbUsablePri_0")->currentIndex(), -1);
  EXPECT_EQ(Usable().group[kGroup1].priorityCh, disabled);
  EXPECT_EQ(Common().channelNo, disabled);
  EXPECT_FALSE(Changed());
}

// ---------------------------------------------------------------------------------------
// Common Setup
// ---------------------------------------------------------------------------------------

TEST_F(SettingsPagesTest, FixedChannelAndScanEnableTheirListsWithoutChangingStoredValues) {
  Common().channelNo = ChannelPosition("16");
  Common().resumeTime = 4;
  Common().pttScanClear = true;
  ClickNode("Common");
  struct Case {
    const char* list;
    int index;
    std::vector<const char*> controls;
    const char* rule;
    bool enabled;
  };
  const Case cases[] = {
      {"cmbCommonStartCH", 0, {"cmbCommonStartCHNo", "lblCommonStartCHNo"}, "linCommonStartCH", false},
      {"cmbCommonStartCH", 1, {"cmbCommonStartCHNo", "lblCommonStartCHNo"}, "linCommonStartCH", true},
      {"cmbCommonScan", 0,
       {"cmbCommonResume", "lblCommonResume", "cmbCommonPTTSCAN", "lblCommonPTTSCAN"}, "linCommonScan", false},
      {"cmbCommonScan", 1,
       {"cmbCommonResume", "lblCommonResume", "cmbCommonPTTSCAN", "lblCommonPTTSCAN"}, "linCommonScan", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.list) + " " + std::to_string(c.index));
    Choose(c.list, c.index);
    for (const char* control : c.controls) EXPECT_EQ(Find<QWidget>(control)->isEnabled(), c.enabled) << control;
    EXPECT_EQ(Find<editor::RuleLine>(c.rule)->Active(), c.enabled);
  }
  EXPECT_EQ(Common().startingChannelMode, 1);
  EXPECT_TRUE(Common().scan);
  EXPECT_EQ(Common().channelNo, ChannelPosition("16"));
  EXPECT_EQ(Common().resumeTime, 4);
  EXPECT_TRUE(Common().pttScanClear);
  EXPECT_EQ(List("cmbCommonResume")->currentIndex(), 4);
}

TEST_F(SettingsPagesTest, OffsetListHoldsEveryHalfHourAndStoresHalfHours) {
  ClickNode("Common");
  QComboBox* list = List("cmbCommonOffset");
  ASSERT_EQ(list->count(), 49);
  for (int k = 0; k < 49; ++k) {
    const int halfHours = k - 24;
    const int magnitude = std::abs(halfHours);
    const std::string expected =
        halfHours == 0 ? " 0"
                       : std::string(halfHours < 0 ? "-" : "+") + std::to_string(magnitude / 2) +
                             (magnitude % 2 ? ":30" : ":00");
    EXPECT_EQ(list->itemText(k).toStdString(), expected) << k;
    EXPECT_EQ(list->itemData(k).toInt(), halfHours) << k;
  }
  Choose("cmbCommonOffset", 13);
  EXPECT_EQ(list->currentText().toStdString(), "-5:30");
  EXPECT_EQ(Common().offsetTime, -11);
}

TEST_F(SettingsPagesTest, ChannelNoOffersTheChannelsOfTheGroupTheRadioOperatesOn) {
  ChannelPlan& intl = document.model.group[kGroup2];
  for (ChannelRecord& channel : intl) channel.enable = false;
  intl[ChannelPosition("16")].enable = true;
  document.image[image_map::kOperatingGroup] = kGroup2;
  document.image[image_map::kUsableFlags + kGroup2] = 1;
  ClickNode("Common");
  QComboBox* list = List("cmbCommonStartCHNo");
  ASSERT_EQ(list->count(), 1);
  EXPECT_EQ(list->itemText(0).toStdString(), "16");
  document.image[image_map::kUsableFlags + kGroup2] = 0;  // not usable in the radio
  ClickNode("General");
  ClickNode("Common");
  EXPECT_EQ(list->count(), 0);
}

TEST_F(SettingsPagesTest, WeatherAlertListOnlyWithTheCapability) {
  ClickNode("Common");
  EXPECT_TRUE(Find<QWidget>("pictCommonWeater")->isVisible());
  document.profile.weatherAlert = false;
  ClickNode("General");
  ClickNode("Common");
  EXPECT_FALSE(Find<QWidget>("pictCommonWeater")->isVisible());
  EXPECT_FALSE(Find<QWidget>("cmbCommonWeater")->isVisible());
}

// ---------------------------------------------------------------------------------------
// DSC and ATIS Setup
// ---------------------------------------------------------------------------------------

TEST_F(SettingsPagesTest, AdvancedListsLandInTheirCallsFlagsBothWays) {
  DscAdvancedSetup& advanced = document.model.dscAdvanced;
  advanced = {};
  // The model shows through: a pattern of ticks appears in the lists.
  for (int k = 0; k < kCallTypeCount; ++k) {
    for (int p = 0; p < 4; ++p) {
      advanced.call[k].receive[p] = (k + p) % 2 == 0;
      advanced.call[k].tx[p] = (k * p) % 3 == 1;
    }
  }
  ClickNode("DSC");
  ShowTab("tbsDSC_USER", 1);
  for (const AdvancedList& list : AdvancedLists()) {
    SCOPED_TRACE(list.name);
    const CallTypeFlags& flags = advanced.call[list.call];
    const bool stored = list.tx ? flags.tx[list.category] : flags.receive[list.category];
    EXPECT_EQ(List(list.name.c_str())->currentIndex(), stored ? 1 : 0);
    EXPECT_EQ(List(list.name.c_str())->currentText().toStdString(),
              list.tx ? (stored ? "Hi" : "Low") : (stored ? "On" : "Off"));
  }
  // Each list writes its own flag and no other.
  for (const AdvancedList& list : AdvancedLists()) {
    SCOPED_TRACE(list.name);
    const DscAdvancedSetup before = advanced;
    const bool& flag = list.tx ? advanced.call[list.call].tx[list.category]
                               : advanced.call[list.call].receive[list.category];
    const bool wanted = !flag;
    Choose(list.name.c_str(), wanted ? 1 : 0);
    EXPECT_EQ(flag, wanted);
    DscAdvancedSetup expected = before;
    (list.tx ? expected.call[list.call].tx : expected.call[list.call].receive)[list.category] = wanted;
    EXPECT_EQ(advanced, expected);
  }
}

// The user MMSI and the ATIS code: empty or exactly their length.
struct CodeFieldCase {
  const char* node;
  const char* field;
  const char* caption;
  const char* valid;
  const char* shortText;
  const char* hint;  // beside "Data Error!!"
  const char* name;  // in the status bar's note
};

class CodeFieldTest : public SettingsPagesTest, public ::testing::WithParamInterface<CodeFieldCase> {
 protected:
  std::string& Stored() {
    return std::string(GetParam().node) == "DSC" ? document.model.dscBasic.userMmsi
                                                 : document.model.atis.atisCode;
  }
};

TEST_P(CodeFieldTest, TakesEmptyOrTheFullLengthRefusesOthersAndRevertsThemWhenLeft) {
  const CodeFieldCase& c = GetParam();
  Stored() = "";
  ClickNode(c.node);
  QLineEdit* field = Find<QLineEdit>(c.field);

  TypeInto(c.field, c.valid);
  EXPECT_TRUE(window->Navigation().ValidateCurrentPage());
  EXPECT_EQ(Stored(), c.valid);

  TypeInto(c.field, c.shortText);
  QTest::keyClick(field, Qt::Key_Backtab);  // to another control of the page
  QApplication::processEvents();            // the focus comes back after the message
  ASSERT_EQ(prompts.messages.shown.size(), 1u);
  EXPECT_EQ(prompts.messages.shown[0].title, c.caption);
  EXPECT_EQ(prompts.messages.shown[0].text, "Data Error!!");
  EXPECT_EQ(prompts.messages.shown[0].explanation, c.hint);
  EXPECT_EQ(prompts.messages.shown[0].icon, MessageIcon::kExclamation);
  EXPECT_EQ(Stored(), c.valid);
  EXPECT_FALSE(window->Navigation().ValidateCurrentPage());  // the page cannot be left with it either
  QApplication::processEvents();
  EXPECT_TRUE(field->hasFocus());
  EXPECT_EQ(prompts.messages.shown.size(), 2u);

  // Clicking another node moves the focus out of the page: the text goes back, and the
  // status bar says so.
  ClickNode("General");
  EXPECT_EQ(SelectedKey(), "General");
  EXPECT_EQ(prompts.messages.shown.size(), 2u);
  EXPECT_EQ(Stored(), c.valid);
  EXPECT_EQ(field->text().toStdString(), c.valid);
  EXPECT_EQ(window->statusBar()->currentMessage().toStdString(),
            std::string(c.name) + " not changed. " + c.hint);

  ClickNode(c.node);
  Erase(c.field);
  EXPECT_TRUE(window->Navigation().ValidateCurrentPage());
  EXPECT_EQ(Stored(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Fields, CodeFieldTest,
    ::testing::Values(CodeFieldCase{"DSC", "txtUserMMSI", "User MMSI", "211234567", "21123456",
                                    "Type exactly 9 digits, or leave the field empty.", "User MMSI"},
                      CodeFieldCase{"ATIS", "txtATIScode", "ATISNo", "9211234567", "92112345",
                                    "Type exactly 10 digits, or leave the field empty.", "ATIS Code"}),
    [](const auto& info) { return std::string(info.param.field); });

// A read from the radio leaves its pad digit after the nine of the user MMSI.
TEST_F(SettingsPagesTest, UserMmsiFromTheRadioShowsItsNineDigitsAndStaysUntilEdited) {
  document.model.dscBasic.userMmsi = "3661234500";
  ClickNode("DSC");
  EXPECT_EQ(Text("txtUserMMSI"), "366123450");
  QTest::mouseClick(Find<QLineEdit>("txtUserMMSI"), Qt::LeftButton);
  ClickNode("General");
  EXPECT_EQ(document.model.dscBasic.userMmsi, "3661234500");
  EXPECT_FALSE(Changed());
}

TEST_F(SettingsPagesTest, AtisBoxFollowsItsUsableGroup) {
  ClickNode("ATIS");
  EXPECT_TRUE(Box("chkATISChGroup_0")->isEnabled());
  EXPECT_FALSE(Box("chkATISChGroup_1")->isEnabled());
  const bool before = document.model.atis.usableGroup[0];
  Click("chkATISChGroup_0");
  EXPECT_EQ(document.model.atis.usableGroup[0], !before);
  EXPECT_TRUE(Changed());
  ClickNode("Usable");
  Click("chkUsable_1");
  ClickNode("ATIS");
  EXPECT_TRUE(Box("chkATISChGroup_1")->isEnabled());
}

TEST_F(SettingsPagesTest, ShowingPagesKeepsValuesAndTheChangedMark) {
  // Values no list offers are shown as they are; so is the EXP use of a group that is not
  // usable, greyed out until the user acts on the group.
  Common().resumeTime = 9;
  Common().startingChannelMode = 7;
  Usable().group[kExpGroup].usable = true;
  Usable().expChGroup = {true, true, true};
  ASSERT_FALSE(Usable().group[kGroup2].usable);
  const SettingsModel before = document.model;
  for (bool changed : {false, true}) {
    if (changed) EditDocument();
    for (const char* node : {"Usable", "Common", "DSC", "ATIS", "SM", "SG", "SM 1", "SG 1", "General"}) {
      ClickNode(node);
      EXPECT_EQ(Changed(), changed) << node;
    }
  }
  EXPECT_EQ(document.model, before);
  ClickNode("Usable");
  EXPECT_TRUE(Box("chkEXP_1")->isChecked());
  EXPECT_FALSE(Box("chkEXP_1")->isEnabled());
  EXPECT_TRUE(Box("chkEXP_0")->isEnabled());
  ClickNode("Common");
  EXPECT_EQ(List("cmbCommonResume")->currentIndex(), -1);
  EXPECT_EQ(List("cmbCommonStartCH")->currentIndex(), -1);
  EXPECT_FALSE(List("cmbCommonStartCHNo")->isEnabled());
}

TEST_F(SettingsPagesTest, ListChangesUnderTheUpdateLockStoreNothing) {
  ClickNode("Common");
  const CommonSetup before = Common();
  {
    UpdateLockScope lock(document.flags);
    Choose("cmbCommonTXPo", 2);
  }
  EXPECT_EQ(Common(), before);
  EXPECT_FALSE(Changed());
}

// ---------------------------------------------------------------------------------------
// The clearing buttons
// ---------------------------------------------------------------------------------------

// Each button through the transfer dialog to the simulated radio: OK is pressed as soon as
// the dialog is open, and Cancel when it stays open after a failure.
TEST_F(SettingsPagesTest, ClearingButtonsClearTheRadioThroughTheTransferDialog) {
  radio.Memory()[image_map::kUserMmsiPresent] = 3;
  document.image[image_map::kUserMmsiPresent] = 3;
  document.model.dscBasic.userMmsi = "366123450";
  ClickNode("DSC");
  EXPECT_EQ(Text("txtFCount"), "3");
  const auto pressOkWhenOpen = [this] {
    QTimer::singleShot(0, window.get(), [] {
      QWidget* dialog = QApplication::activeModalWidget();
      ASSERT_NE(dialog, nullptr);
      EXPECT_EQ(dialog->objectName(), "frmRadio");
      QTest::mouseClick(dialog->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
      if (dialog->isVisible()) QTest::mouseClick(dialog->findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
    });
  };
  // A radio that does not answer keeps its count, and the page says so.
  radio = RadioSimulator({.silentFromBlock = 1}, radio.Memory());
  pressOkWhenOpen();
  prompts.messages.answers = {MessageButton::kYes};
  Click("cmdFClear");
  EXPECT_EQ(Text("txtFCount"), "3");
  EXPECT_EQ(document.model.dscBasic.userMmsi, "366123450");
  EXPECT_FALSE(Changed());

  radio = RadioSimulator({}, radio.Memory());
  prompts.messages.shown.clear();
  pressOkWhenOpen();
  prompts.messages.answers = {MessageButton::kYes};
  Click("cmdFClear");
  EXPECT_EQ(radio.Memory()[image_map::kUserMmsiPresent], 0);
  EXPECT_EQ(Text("txtFCount"), "0");
  EXPECT_EQ(Text("txtUserMMSI"), "");
  EXPECT_EQ(document.model.dscBasic.userMmsi, "");
  EXPECT_TRUE(Changed());

  ShowTab("tbsDSC_USER", 1);
  for (const char* button : {"cmdFclearLog_0", "cmdFclearLog_1", "cmdFclearLog_2"}) {
    pressOkWhenOpen();
    prompts.messages.answers = {MessageButton::kYes};
    Click(button);
  }
  std::vector<std::string> titles;
  for (const Message& message : prompts.messages.shown) {
    if (message.buttons == MessageButtons::kOk) titles.push_back(message.title + ": " + message.text);
  }
  EXPECT_EQ(titles, (std::vector<std::string>{
                        "Clear MMSI Data: Complete!!", "Clear Distress Log Data: Complete!!",
                        "Clear DSC Log Data: Complete!!", "Clear Call Log Data: Complete!!"}));
}

// Clearing erases what the program cannot put back: each button asks first, naming what
// goes, and No (the default) opens nothing.
TEST_F(SettingsPagesTest, ClearingButtonsAskFirstAndNoOpensNothing) {
  struct Case {
    int tab;
    const char* button;
    const char* what;
  };
  const Case cases[] = {{0, "cmdFClear", "the user MMSI"},
                        {1, "cmdFclearLog_0", "the distress log"},
                        {1, "cmdFclearLog_1", "the DSC log"},
                        {1, "cmdFclearLog_2", "the call log"}};
  ClickNode("DSC");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    ShowTab("tbsDSC_USER", c.tab);
    prompts.messages.shown.clear();
    Click(c.button);  // the scripted answer is the default button
    ASSERT_EQ(prompts.messages.shown.size(), 1u);
    const Message& asked = prompts.messages.shown[0];
    EXPECT_EQ(asked.text.rfind(std::string("Clear ") + c.what + " in the radio?", 0), 0u) << asked.text;
    EXPECT_EQ(asked.buttons, MessageButtons::kYesNo);
    EXPECT_EQ(asked.defaultButton, MessageButton::kNo);
  }
  EXPECT_EQ(lastPort, nullptr);  // no transfer dialog, no port
  EXPECT_FALSE(Changed());
}

}  // namespace
}  // namespace kol::test
