// The channel pages through their real widgets: the plan and EXP lists, the weather page
// and the channel editor with its cascades, frequency fields and page-leave rule.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionButton>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "editor/widgets/commit_field.h"
#include "editor/widgets/key_help.h"
#include "editor/widgets/list_grid.h"
#include "editor/widgets/rule_line.h"
#include "editor_rig.h"
#include "files/dat_file.h"
#include "files/startup.h"

namespace kol::test {
namespace {

constexpr char kPageError[] = "Data Error!!\r\nPlease input correct data.";

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// The lines of the file of `path` that differ from those of `expectedPath`, with their
// section, so that a failure names what differs rather than printing two whole files.
std::vector<std::string> DifferingLines(const std::string& path, const std::string& expectedPath) {
  std::ifstream actual(path, std::ios::binary);
  std::ifstream expected(expectedPath, std::ios::binary);
  std::vector<std::string> differences;
  std::string section, a, e;
  while (true) {
    const bool more = static_cast<bool>(std::getline(actual, a));
    const bool moreExpected = static_cast<bool>(std::getline(expected, e));
    if (!more && !moreExpected) break;
    if (!more) a = "<end>";
    if (!moreExpected) e = "<end>";
    if (a.rfind('[', 0) == 0) section = a;
    if (a != e) differences.push_back(section + " " + a + " / expected " + e);
    if (!more || !moreExpected) break;
  }
  return differences;
}

class ChannelPagesTest : public EditorRig {
 protected:
  void SetUp() override {
    WriteProgramFolder();
    ASSERT_TRUE(StartWindow());
  }

  QCheckBox* Box(const char* name) const { return Find<QCheckBox>(name); }
  QLineEdit* Field(const char* name) const { return Find<QLineEdit>(name); }
  std::string Text(const char* name) const { return Field(name)->text().toStdString(); }
  std::string StatusHelp() const { return Find<QLabel>("sbStatusBar_0")->text().toStdString(); }
  std::string ShownPanel() const {
    return Find<QStackedWidget>("pageStack")->currentWidget()->objectName().toStdString();
  }
  std::string NodeText(const std::string& key) const { return Node(key)->text(0).toStdString(); }
  ChannelRecord& Usa(int index) { return document.model.group[kGroup1][static_cast<std::size_t>(index)]; }
  ExpChannelRecord& Exp(int number) { return document.model.exp[static_cast<std::size_t>(number - 1)]; }

  static void Click(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton);
    QApplication::processEvents();
  }
  // Clicks a check box on its box, as a user aims.
  static void Click(QCheckBox* box) {
    QStyleOptionButton option;
    option.initFrom(box);
    option.text = box->text();
    const QRect mark = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    QTest::mouseClick(box, Qt::LeftButton, {}, mark.center());
    QApplication::processEvents();
  }
  // Clicks into a field (its text is selected) and types over it.
  static void TypeOver(QLineEdit* field, const char* text) {
    Click(field);
    QApplication::processEvents();  // the selection follows the click
    QTest::keyClicks(field, text);
    if (std::string(text).empty()) QTest::keyClick(field, Qt::Key_Backspace);
  }
  // The EXP group in use, so that its nodes exist.
  void UseExpChannels() {
    SetUpDocument([](SettingsModel& model) { model.usable.group[kExpGroup].usable = true; });
  }
  // What the grid of the list page shows in a row.
  std::vector<std::string> GridRow(int row) const {
    auto* grid = Find<editor::ListGrid>("MSFlexGrid1");
    std::vector<std::string> cells;
    for (int c = 0; c < grid->model()->columnCount(); ++c) cells.push_back(grid->CellText(row, c));
    return cells;
  }
};

// ---------------------------------------------------------------------------------------
// The lists
// ---------------------------------------------------------------------------------------

TEST_F(ChannelPagesTest, PlanListShowsEveryChannelAndTheDuplexReceiveFrequency) {
  ClickNode("PU");
  EXPECT_EQ(ShownPanel(), "pictB");
  auto* grid = Find<editor::ListGrid>("MSFlexGrid1");
  EXPECT_EQ(grid->model()->rowCount(), 240);
  EXPECT_EQ(grid->model()->headerData(2, Qt::Horizontal).toString().toStdString(), "RX[MHz]");
  EXPECT_EQ(GridRow(40),
            (std::vector<std::string>{"20", "[Enable]", "161.600", "157.000", "TX", "---", "--", "DUP", "---"}));
  // Edits in the editor show when the list is selected again.
  ClickNode("PU 40");
  Click(Box("chkCDup"));
  ClickNode("PU");
  EXPECT_EQ(GridRow(40)[2], "157.000");
  EXPECT_EQ(GridRow(40)[7], "---");
}

TEST_F(ChannelPagesTest, EnterOrDoubleClickOnARowOpensItsChannel) {
  UseExpChannels();
  ClickNode("ExpChannel");
  auto* grid = Find<editor::ListGrid>("MSFlexGrid1");
  EXPECT_EQ(GridRow(6)[0], "7");
  grid->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(StatusHelp(), editor::key_help::kGrid);
  grid->setCurrentIndex(grid->model()->index(6, 0));
  QTest::keyClick(grid, Qt::Key_Return);
  EXPECT_EQ(SelectedKey(), "E 7");
  EXPECT_EQ(ShownPanel(), "pictC");

  ClickNode("PU");
  const QRect cell = grid->visualRect(grid->model()->index(3, 2));
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());  // a double click's first press
  QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
  QApplication::processEvents();
  EXPECT_EQ(SelectedKey(), "PU 3");
  EXPECT_EQ(Text("txtCN_0"), "01");
  EXPECT_EQ(Text("txtCN_1"), "A");
}

TEST_F(ChannelPagesTest, UntickingAWeatherChannelDisablesItsScanWithoutClearingIt) {
  document.model.weather[2].scanMemory = true;
  ClickNode("PW");
  EXPECT_EQ(ShownPanel(), "pictD");
  EXPECT_EQ(Find<QLabel>("lblWX_2")->text().toStdString(), "WX03");
  QCheckBox* scan = Box("chkDScan_2");
  Click(Box("chkDEnable_2"));
  EXPECT_FALSE(document.model.weather[2].enable);
  EXPECT_FALSE(scan->isEnabled());
  EXPECT_TRUE(scan->isChecked());
  EXPECT_TRUE(document.model.weather[2].scanMemory);
  EXPECT_TRUE(Changed());
  Click(Box("chkDEnable_2"));
  Click(scan);
  EXPECT_TRUE(document.model.weather[2].enable);
  EXPECT_FALSE(document.model.weather[2].scanMemory);
}

TEST_F(ChannelPagesTest, FocusedWeatherBoxMarksItsRowAndShowsItsKeyHelp) {
  ClickNode("PW");
  QCheckBox* enable = Box("chkDEnable_0");
  QCheckBox* scan = Box("chkDScan_0");
  enable->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(enable->text().toStdString(), ">");
  EXPECT_EQ(StatusHelp(), "Select[x]Enable/[]Disable.");
  QTest::keyClick(enable, Qt::Key_Tab);
  EXPECT_TRUE(scan->hasFocus());
  EXPECT_EQ(enable->text().toStdString(), " ");
  EXPECT_EQ(scan->text().toStdString(), ">");
  EXPECT_EQ(StatusHelp(), "[Space]:An effective and invalid change.");
}

// ---------------------------------------------------------------------------------------
// The channel editor: plan channels
// ---------------------------------------------------------------------------------------

TEST_F(ChannelPagesTest, UntickingChEnableGreysEverythingAndDuplexComesBackOnlyWhereAllowed) {
  struct Case {
    const char* key;
    int index;
    const char* enabledText;
    const char* disabledText;
    bool duplexAllowed;
  };
  const Case cases[] = {{"PU 40", 40, "CH20[Enable]", "CH20", true},
                        {"PU 41", 41, "CH20A[Enable]", "CH20A", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    ASSERT_TRUE(Usa(c.index).enable);
    ClickNode(c.key);
    window->Controller().ForgetChanges();
    Click(Box("chkCEnable"));
    EXPECT_FALSE(Usa(c.index).enable);
    EXPECT_EQ(NodeText(c.key), c.disabledText);
    EXPECT_TRUE(Changed());
    EXPECT_TRUE(Box("chkCEnable")->hasFocus());
    for (const char* name : {"txtCN_0", "txtCN_1", "txtCRF", "txtCTF", "lblCPosition", "lblCRF",
                             "lblCTF", "lblCUnit_0", "lblCUnit_1", "chkCTXEnable", "chkCTXOnly",
                             "chkCTXPower", "chkCDup", "chkCScan"}) {
      EXPECT_FALSE(Find<QWidget>(name)->isEnabled()) << name;
    }
    Click(Box("chkCEnable"));
    EXPECT_TRUE(Usa(c.index).enable);
    EXPECT_EQ(NodeText(c.key), c.enabledText);
    EXPECT_EQ(Box("chkCDup")->isEnabled(), c.duplexAllowed);
    EXPECT_TRUE(Box("chkCScan")->isEnabled());
  }
}

TEST_F(ChannelPagesTest, TxEnableCascadeLeavesPowerUpItsValue) {
  Usa(26).powerUp = true;  // channel 13 starts at low power
  ClickNode("PU 26");
  auto* lowPowerLine = Find<editor::RuleLine>("linCTXOnly");
  auto* powerUpLine = Find<editor::RuleLine>("linCTXPower");
  EXPECT_TRUE(Box("chkCTXPower")->isEnabled());
  EXPECT_TRUE(powerUpLine->Active());

  Click(Box("chkCTXEnable"));
  EXPECT_FALSE(Usa(26).txEnable);
  EXPECT_FALSE(Box("chkCTXOnly")->isEnabled());
  EXPECT_FALSE(Box("chkCTXPower")->isEnabled());
  EXPECT_FALSE(lowPowerLine->Active());
  EXPECT_FALSE(powerUpLine->Active());
  EXPECT_TRUE(Box("chkCTXPower")->isChecked());
  EXPECT_TRUE(Usa(26).powerUp);
  EXPECT_TRUE(Usa(26).lowPower);

  Click(Box("chkCTXEnable"));
  Click(Box("chkCTXOnly"));
  EXPECT_TRUE(Usa(26).txEnable);
  EXPECT_FALSE(Usa(26).lowPower);
  EXPECT_TRUE(lowPowerLine->Active());
  EXPECT_FALSE(Box("chkCTXPower")->isEnabled());
  EXPECT_TRUE(Usa(26).powerUp);

  Click(Box("chkCTXOnly"));
  Click(Box("chkCTXPower"));
  EXPECT_FALSE(Usa(26).powerUp);
  Click(Box("chkCScan"));
  EXPECT_TRUE(Usa(26).scanMemory);
}

TEST_F(ChannelPagesTest, ReceiveOnlyChannelsAndTheDscChannel) {
  struct Case {
    const char* key;
    int index;
    const char* number;
    const char* rx;
    bool scanEnabled;
  };
  const Case cases[] = {{"PU 30", 30, "15", "156.750", true}, {"PU 140", 140, "70", "156.525", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    ASSERT_TRUE(Usa(c.index).receiveOnly);
    ClickNode(c.key);
    EXPECT_EQ(Text("txtCN_0"), c.number);
    EXPECT_EQ(Text("txtCRF"), c.rx);
    EXPECT_EQ(Text("txtCTF"), "---.---");
    EXPECT_FALSE(Box("chkCTXEnable")->isEnabled());
    EXPECT_FALSE(Box("chkCTXEnable")->isChecked());
    EXPECT_FALSE(Box("chkCDup")->isEnabled());
    EXPECT_EQ(Box("chkCScan")->isEnabled(), c.scanEnabled);
    EXPECT_TRUE(Field("txtCRF")->isReadOnly());
  }
}

TEST_F(ChannelPagesTest, DuplexSwitchesTheReceiveFrequencyShown) {
  ClickNode("PU 48");  // channel 24, duplex at first
  EXPECT_EQ(Text("txtCRF"), "161.800");
  Click(Box("chkCDup"));
  EXPECT_FALSE(Usa(48).duplex);
  EXPECT_EQ(Text("txtCRF"), "157.200");
  EXPECT_EQ(Text("txtCTF"), "157.200");
  Click(Box("chkCDup"));
  EXPECT_EQ(Text("txtCRF"), "161.800");
}

TEST_F(ChannelPagesTest, AReceiveOnlyChannelLosesItsTransmitFlagOnlyWhenTheUserEditsIt) {
  UseExpChannels();
  Usa(140).txEnable = true;  // a receive-only channel as an image may hold it
  Exp(1) = {.enable = true, .txEnable = true, .chDisplayL = "7", .rxFreq = 156.025};
  const SettingsModel before = document.model;
  for (const char* key : {"PU", "PU 140", "PU 0", "PU 40", "PW", "ExpChannel", "E 1", "E 2", "PU 140"}) {
    ClickNode(key);
    EXPECT_EQ(SelectedKey(), key);
  }
  EXPECT_EQ(document.model, before);
  EXPECT_FALSE(Changed());
  EXPECT_FALSE(Box("chkCTXEnable")->isChecked());  // as the radio works the channel

  Click(Box("chkCEnable"));
  Click(Box("chkCEnable"));
  SettingsModel expected = before;
  expected.group[kGroup1][140].txEnable = false;
  EXPECT_EQ(document.model, expected);
  EXPECT_TRUE(Changed());
}

TEST_F(ChannelPagesTest, HandlersDoNothingWhileTheUpdateLockIsSet) {
  UseExpChannels();
  ClickNode("E 1");
  const SettingsModel before = document.model;
  document.flags.updateLock = true;
  for (const char* box : {"chkCEnable", "chkCTXEnable", "chkCTXPower", "chkCScan"}) Click(Box(box));
  TypeOver(Field("txtCN_0"), "12");
  EXPECT_EQ(document.model, before);
  EXPECT_FALSE(Changed());
  document.flags.updateLock = false;
}

// ---------------------------------------------------------------------------------------
// The channel editor: EXP channels
// ---------------------------------------------------------------------------------------

TEST_F(ChannelPagesTest, ExpReceiveFrequencyIsCheckedWhenTheFocusMovesOn) {
  struct Case {
    const char* typed;
    bool taken;
    double stored;
    const char* shown;
  };
  const Case cases[] = {{"156.0125", false, 0, "156.0125"}, {"156.025", true, 156.025, "156.0250"},
                        {"136.975", false, 0, "136.975"},   {"174.0", true, 174.0, "174.0000"},
                        {"", true, 0.0, "---.----"}};
  UseExpChannels();
  Exp(5) = {.enable = true, .chDisplayL = "5", .rxFreq = 160.0};
  ClickNode("E 5");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    prompts.messages.shown.clear();
    TypeOver(Field("txtCRF"), c.typed);
    EXPECT_TRUE(Find<editor::CommitField>("txtCRF")->EditPending());
    QTest::keyClick(Field("txtCRF"), Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_EQ(Text("txtCRF"), c.shown);
    if (c.taken) {
      EXPECT_TRUE(prompts.messages.shown.empty());
      EXPECT_EQ(Exp(5).rxFreq, c.stored);
      EXPECT_FALSE(Find<editor::CommitField>("txtCRF")->EditPending());
    } else {
      ASSERT_EQ(prompts.messages.shown.size(), 1u);
      EXPECT_EQ(prompts.messages.shown[0].title, "Rx frequency");
      EXPECT_EQ(prompts.messages.shown[0].text, "Data Error!!");
      EXPECT_EQ(prompts.messages.shown[0].explanation,
                "Type a frequency from 137 to 174 MHz in steps of 25 kHz (156.025, for example), "
                "or leave the field empty.");
      EXPECT_TRUE(Field("txtCRF")->hasFocus());
    }
  }
  // Leaving the page puts the stored frequency back; the status bar says why.
  TypeOver(Field("txtCTF"), "155");
  Tree()->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(Text("txtCTF"), "---.----");
  EXPECT_TRUE(prompts.messages.shown.empty());
  EXPECT_EQ(Exp(5).txFreq, 0.0);
  EXPECT_EQ(window->statusBar()->currentMessage().toStdString(),
            "Tx Frequency not changed. Type a frequency from 137 to 174 MHz in steps of 25 kHz "
            "(156.025, for example), or leave the field empty.");
}

TEST_F(ChannelPagesTest, ExpChannelNumberIsStoredRightAlignedAndFiltered) {
  UseExpChannels();
  Exp(3) = {.enable = true, .rxFreq = 156.025};
  ClickNode("E 3");
  EXPECT_FALSE(Field("txtCN_0")->isReadOnly());
  EXPECT_EQ(Field("txtCN_0")->maxLength(), 2);
  TypeOver(Field("txtCN_0"), "7");
  EXPECT_EQ(StatusHelp(), "Indispensable 2 figures.");
  EXPECT_EQ(Exp(3).chDisplayL, " 7");
  TypeOver(Field("txtCN_1"), "xP");
  EXPECT_EQ(StatusHelp(), "Indispensable 1 figures.");
  EXPECT_EQ(Exp(3).chDisplayR, "P");
  TypeOver(Field("txtCN_0"), "1a6");
  EXPECT_EQ(Exp(3).chDisplayL, "16");
  EXPECT_TRUE(Changed());
  // F1 topics of the typed fields; the plan channel's fields have none.
  EXPECT_EQ(editor::HelpContextOf(*Field("txtCN_1")), 2401);
  EXPECT_EQ(editor::HelpContextOf(*Field("txtCRF")), 2402);
  EXPECT_EQ(editor::HelpContextOf(*Field("txtCTF")), 2403);
  ClickNode("PU 32");
  EXPECT_EQ(editor::HelpContextOf(*Field("txtCRF")), 0);
  EXPECT_EQ(Field("txtCN_0")->maxLength(), 3);
}

// Each field stores only its own part: a settings file may hold a longer suffix or number
// than the fields show, and typing in one field must not cut the other.
TEST_F(ChannelPagesTest, TypingTheNumberOrTheSuffixLeavesTheOtherAsStored) {
  UseExpChannels();
  Exp(4) = {.enable = true, .chDisplayL = "123", .chDisplayR = "AB", .rxFreq = 156.025};
  ClickNode("E 4");
  EXPECT_EQ(Text("txtCN_0"), "12");
  EXPECT_EQ(Text("txtCN_1"), "B");
  TypeOver(Field("txtCN_0"), "7");
  EXPECT_EQ(Exp(4).chDisplayL, " 7");
  EXPECT_EQ(Exp(4).chDisplayR, "AB");
  Exp(4).chDisplayL = "123";
  TypeOver(Field("txtCN_1"), "C");
  EXPECT_EQ(Exp(4).chDisplayR, "C");
  EXPECT_EQ(Exp(4).chDisplayL, "123");
}

TEST_F(ChannelPagesTest, TabVisitsTheEditorsControlsInReadingOrder) {
  UseExpChannels();
  Exp(2) = {.enable = true, .lowPower = true, .txEnable = true, .chDisplayL = "2", .rxFreq = 156.025};
  const std::pair<const char*, std::vector<std::string>> cases[] = {
      {"PU 40", {"txtCN_0", "txtCN_1", "txtCRF", "txtCTF", "chkCEnable", "chkCTXEnable", "chkCTXOnly",
                 "chkCTXPower", "chkCDup", "chkCScan"}},
      {"E 2", {"txtCN_0", "txtCN_1", "txtCRF", "txtCTF", "chkCEnable", "chkCTXEnable", "chkCTXOnly",
               "chkCTXPower", "chkCScan"}},
  };
  for (const auto& [key, order] : cases) {
    SCOPED_TRACE(key);
    Usa(40).powerUp = Usa(40).lowPower = true;  // every box of the channel takes the focus
    ClickNode(key);
    Field("txtCN_0")->setFocus();
    std::vector<std::string> visited;
    for (std::size_t i = 0; i < order.size(); ++i) {
      visited.push_back(QApplication::focusWidget()->objectName().toStdString());
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(visited, order);
  }
}

TEST_F(ChannelPagesTest, EnabledExpChannelNeedsAReceiveFrequencyAndANumberBeforeItIsLeft) {
  UseExpChannels();
  Exp(1) = {.enable = true, .chDisplayL = "1"};
  ClickNode("E 1");
  ClickNode("E 2");
  EXPECT_EQ(SelectedKey(), "E 1");
  EXPECT_EQ(prompts.Texts(), std::vector<std::string>{kPageError});
  EXPECT_EQ(prompts.messages.shown[0].title, "PC Program for LZ3300T");
  EXPECT_EQ(prompts.messages.shown[0].explanation,
            "An enabled channel needs its number and a receive frequency.");

  TypeOver(Field("txtCRF"), "156.050");
  TypeOver(Field("txtCN_0"), "");
  ClickNode("E 2");
  EXPECT_EQ(SelectedKey(), "E 1");
  EXPECT_EQ(prompts.Texts().size(), 2u);

  TypeOver(Field("txtCN_0"), "9");
  ClickNode("E 2");
  EXPECT_EQ(SelectedKey(), "E 2");
  EXPECT_EQ(Exp(1).rxFreq, 156.05);
  // A disabled channel may be left as it is.
  ClickNode("E 1");
  TypeOver(Field("txtCRF"), "");
  Click(Box("chkCEnable"));
  EXPECT_EQ(NodeText("E 1"), "EXP1");
  ClickNode("E 2");
  EXPECT_EQ(SelectedKey(), "E 2");
}

TEST_F(ChannelPagesTest, RefusedFrequencyKeepsTheUserOnThePage) {
  UseExpChannels();
  Exp(4) = {.enable = true, .chDisplayL = "4", .rxFreq = 156.025};
  ClickNode("E 4");
  TypeOver(Field("txtCTF"), "156.0125");
  // The page check validates the field that has the focus, under its own caption.
  EXPECT_FALSE(window->Navigation().ValidateCurrentPage());
  ASSERT_EQ(prompts.messages.shown.size(), 1u);
  EXPECT_EQ(prompts.messages.shown[0].title, "Tx frequency");
  EXPECT_EQ(Exp(4).txFreq, 0.0);
}

// ---------------------------------------------------------------------------------------
// End to end
// ---------------------------------------------------------------------------------------

TEST_F(ChannelPagesTest, EditsThroughThePagesSaveAsTheSameEditsOnTheModel) {
  // The reference: a new document with the edits made on the model directly.
  Document reference;
  reference.profile = document.profile;  // the model the window runs
  {
    MapSettingsStore otherStore;
    FileHost otherHost{prompts, otherStore, log, clock};
    ASSERT_TRUE(ResetDocument(reference, otherHost, true));
    SettingsModel& m = reference.model;
    m.usable.group[kExpGroup].usable = true;
    m.group[kGroup1][0].enable = true;
    m.group[kGroup1][26].lowPower = false;
    m.group[kGroup1][26].scanMemory = true;
    m.group[kGroup1][40].duplex = false;
    m.weather[1].scanMemory = true;
    m.weather[4].enable = false;
    ExpChannelRecord& exp = m.exp[2];
    exp.enable = true;
    exp.chDisplayL = " 7";
    exp.chDisplayR = "P";
    exp.rxFreq = 156.025;
    exp.txFreq = 157.1;
    exp.lowPower = true;
    ASSERT_TRUE(WriteSettingsFile(dir.File("model.dat"), reference, otherHost));
  }

  UseExpChannels();
  ClickNode("PU 0");
  Click(Box("chkCEnable"));
  ClickNode("PU 26");
  Click(Box("chkCTXOnly"));
  Click(Box("chkCScan"));
  ClickNode("PU 40");
  Click(Box("chkCDup"));
  ClickNode("PW");
  Click(Box("chkDScan_1"));
  Click(Box("chkDEnable_4"));
  ClickNode("E 3");
  Click(Box("chkCEnable"));
  ASSERT_TRUE(Box("chkCTXOnly")->isEnabled());
  ASSERT_FALSE(Box("chkCTXOnly")->isChecked());
  Click(Box("chkCTXOnly"));
  TypeOver(Field("txtCN_0"), "7");
  TypeOver(Field("txtCN_1"), "P");
  TypeOver(Field("txtCRF"), "156.025");
  TypeOver(Field("txtCTF"), "157.1");
  ClickNode("ExpChannel");
  EXPECT_EQ(GridRow(2), (std::vector<std::string>{"3", "[Enable]", " 7P", "156.0250", "157.1000", "LOW",
                                                  Exp(3).powerUp ? "UP" : "--", Exp(3).scanMemory ? "MEM" : "---"}));

  prompts.savePaths.push_back(dir.File("window.dat"));
  Command("mnuFileSave");
  EXPECT_FALSE(Changed());
  ASSERT_FALSE(ReadAll(dir.File("window.dat")).empty());
  EXPECT_EQ(DifferingLines(dir.File("window.dat"), dir.File("model.dat")), std::vector<std::string>{});

  // Opened again, the pages show what was saved.
  prompts.openPaths.push_back(dir.File("window.dat"));
  Command("mnuFileOpen");
  ClickNode("E 3");
  EXPECT_EQ(Text("txtCRF"), "156.0250");
  EXPECT_EQ(Text("txtCTF"), "157.1000");
  EXPECT_TRUE(Box("chkCTXOnly")->isChecked());
  ClickNode("PU 40");
  EXPECT_FALSE(Box("chkCDup")->isChecked());
  EXPECT_EQ(Text("txtCRF"), "157.000");
  ClickNode("ExpChannel");
  EXPECT_EQ(GridRow(2)[2], " 7P");
}

}  // namespace
}  // namespace kol::test
