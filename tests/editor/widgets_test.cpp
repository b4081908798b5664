// The pieces every page is made of: the key filters, the committing text field, the list
// grid and the rule line, driven with keys and clicks.
#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include "editor/list_commands.h"
#include "editor/page.h"
#include "editor/widgets/commit_field.h"
#include "editor/widgets/key_filter.h"
#include "editor/widgets/list_grid.h"
#include "editor/widgets/rule_line.h"
#include "editor_rig.h"
#include "model/default_document.h"

namespace kol::test {
namespace {

using editor::CommitField;
using editor::KeyFilter;

// ---------------------------------------------------------------------------------------
// Key filters
// ---------------------------------------------------------------------------------------

struct FilterCase {
  KeyFilter filter;
  const char* typed;
  const char* shown;
};

void PrintTo(const FilterCase& c, std::ostream* out) { *out << '"' << c.typed << '"'; }

class KeyFilterTest : public ::testing::TestWithParam<FilterCase> {};

std::string FilterName(const ::testing::TestParamInfo<FilterCase>& info) {
  constexpr const char* kNames[] = {"Digits", "StatusName", "ChannelNumber", "Frequency",
                                    "StationName"};
  return kNames[static_cast<int>(info.param.filter)];
}

TEST_P(KeyFilterTest, TypedKeysBecomeTheFieldsText) {
  const FilterCase& c = GetParam();
  QLineEdit field;
  editor::InstallKeyFilter(field, c.filter);
  field.show();
  QTest::keyClicks(&field, c.typed);
  EXPECT_EQ(field.text().toStdString(), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, KeyFilterTest,
    ::testing::Values(FilterCase{KeyFilter::kDigits, "12a3 -4.5x", "12345"},
                      FilterCase{KeyFilter::kStatusName, "ab1-2 Z?", "AB12Z"},
                      FilterCase{KeyFilter::kChannelNumber, "16aCEFLMnPcepz", "16CEFLMnP"},
                      FilterCase{KeyFilter::kFrequency, "156,025.5x-", "156025.5"},
                      FilterCase{KeyFilter::kStationName, "Sea-Hawk/2 (a+b).,*_#!", "SEA-HAWK/2 (A+B).,*"}),
    FilterName);

TEST(KeyFilter, BackspaceAndPastedTextFollowTheSameRules) {
  QLineEdit field;
  editor::InstallKeyFilter(field, KeyFilter::kStatusName);
  field.show();
  QTest::keyClicks(&field, "abc");
  QTest::keyClick(&field, Qt::Key_Backspace);
  EXPECT_EQ(field.text().toStdString(), "AB");
  field.insert("x-y");  // what a paste or a drop inserts
  EXPECT_EQ(field.text().toStdString(), "ABXY");
}

// ---------------------------------------------------------------------------------------
// The committing text field
// ---------------------------------------------------------------------------------------

class FakeWindow : public editor::EditorWindow {
 public:
  bool SelectNode(const std::string&) override { return false; }
  bool RunTransfer(Operation) override { return false; }
  void ShowStatusNote(const std::string& text) override { notes.push_back(text); }

  std::vector<std::string> notes;
};

constexpr char kHint[] = "Type exactly 9 digits, or leave the field empty.";

class HostPage final : public editor::Page {
 public:
  using Page::Page;
  void ShowFor(const editor::NodeTarget&) override {}
};

// A window with a page holding the user MMSI field and a neighbour, and a control outside
// the page (as the tree is).
class CommitFieldTest : public ::testing::Test {
 protected:
  CommitFieldTest() {
    auto* layout = new QVBoxLayout(&top);
    page = new HostPage(services, &top);
    auto* pageLayout = new QVBoxLayout(page);
    field = new CommitField(services, page);
    neighbour = new QLineEdit(page);
    pageLayout->addWidget(field);
    pageLayout->addWidget(neighbour);
    outside = new QLineEdit(&top);
    layout->addWidget(page);
    layout->addWidget(outside);
    editor::InstallKeyFilter(*field, KeyFilter::kDigits);
    field->SetRules({.caption = "User MMSI",
                     .hint = kHint,
                     .commit =
                         [this](const std::string& text) {
                           if (!text.empty() && text.size() != 9) return false;
                           document.model.dscBasic.userMmsi = text;
                           return true;
                         },
                     .storedText = [this] { return document.model.dscBasic.userMmsi; }});
    document.model.dscBasic.userMmsi = "111111111";
    field->Refill();
    top.show();
    QApplication::setActiveWindow(&top);
    field->setFocus();
    QApplication::processEvents();
  }
  void Type(const char* text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
  }

  Document document;
  FakeClock clock;
  ScriptedWindowPrompts prompts;
  MapSettingsStore store;
  RecordingErrorLog log;
  FileHost host{prompts, store, log, clock};
  FakeWindow fakeWindow;
  QWidget top;
  editor::DocumentController controller{document, host, prompts, top};
  editor::ListCommands lists{controller, prompts};
  editor::EditorServices services{controller, prompts, fakeWindow, lists};
  HostPage* page;
  CommitField* field;
  QLineEdit* neighbour;
  QLineEdit* outside;
};

TEST_F(CommitFieldTest, TypingMarksAnEditPendingUnlessTheUpdateLockIsSet) {
  {
    UpdateLockScope lock(document.flags);
    Type("2");
    EXPECT_FALSE(field->EditPending());
    EXPECT_FALSE(controller.DataChanged());
  }
  Type("3");
  EXPECT_TRUE(field->EditPending());
  EXPECT_TRUE(controller.DataChanged());
  EXPECT_EQ(document.model.dscBasic.userMmsi, "111111111");  // nothing stored while typing
}

TEST_F(CommitFieldTest, ValidationStoresAPassingTextAndRefusesAWrongOneWithTheCaption) {
  struct Case {
    const char* typed;
    bool passes;
    const char* stored;
  };
  const Case cases[] = {{"123456789", true, "123456789"},
                        {"", true, ""},
                        {"12345678", false, ""},
                        {"1234567890", false, ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    prompts.messages.shown.clear();
    field->setFocus();
    field->clear();
    QTest::keyClicks(field, c.typed);
    if (std::string(c.typed).empty()) {  // typing one digit and taking it back is an edit
      QTest::keyClicks(field, "1");
      QTest::keyClick(field, Qt::Key_Backspace);
    }
    EXPECT_EQ(field->Validate(), c.passes);
    EXPECT_EQ(document.model.dscBasic.userMmsi, c.stored);
    EXPECT_EQ(field->EditPending(), !c.passes);
    if (!c.passes) {
      ASSERT_EQ(prompts.messages.shown.size(), 1u);
      EXPECT_EQ(prompts.messages.shown[0].title, "User MMSI");
      EXPECT_EQ(prompts.messages.shown[0].text, "Data Error!!");
      EXPECT_EQ(prompts.messages.shown[0].explanation, kHint);
      EXPECT_EQ(prompts.messages.shown[0].icon, MessageIcon::kExclamation);
      field->Refill();
    }
  }
}

TEST_F(CommitFieldTest, MovingToAControlOfThePageValidatesAndKeepsTheFocus) {
  Type("1234");
  QTest::keyClick(field, Qt::Key_Tab);
  QApplication::processEvents();
  EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Data Error!!"});
  EXPECT_TRUE(field->hasFocus());
  EXPECT_EQ(field->text().toStdString(), "1234");
  EXPECT_EQ(document.model.dscBasic.userMmsi, "111111111");
}

TEST_F(CommitFieldTest, TabbingOutOfThePageAlsoValidates) {
  Type("1234");
  QTest::keyClick(field, Qt::Key_Backtab);  // before the field comes the control outside
  QApplication::processEvents();
  EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Data Error!!"});
  EXPECT_TRUE(field->hasFocus());
}

// The value the field showed when the editing began comes back, even when what the field
// would show now is another (the page went on to another record meanwhile), and the status
// bar says why.
TEST_F(CommitFieldTest, LeavingThePagePutsBackTheValueShownWhenTheEditBeganAndSaysSo) {
  Type("1234");
  document.model.dscBasic.userMmsi = "999999999";
  outside->setFocus();
  QApplication::processEvents();
  EXPECT_TRUE(prompts.Texts().empty());
  EXPECT_EQ(field->text().toStdString(), "111111111");
  EXPECT_FALSE(field->EditPending());
  EXPECT_EQ(fakeWindow.notes, std::vector<std::string>{std::string("User MMSI not changed. ") + kHint});
  Type("222333444");
  outside->setFocus();
  EXPECT_EQ(document.model.dscBasic.userMmsi, "222333444");
  EXPECT_EQ(fakeWindow.notes.size(), 1u);
}

TEST_F(CommitFieldTest, EnterCommitsATakenTextAndKeepsARefusedOneWithItsMessage) {
  Type("98765");
  QTest::keyClick(field, Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Data Error!!"});
  EXPECT_EQ(field->text().toStdString(), "98765");
  EXPECT_TRUE(field->EditPending());
  EXPECT_TRUE(field->hasFocus());
  EXPECT_EQ(document.model.dscBasic.userMmsi, "111111111");
  EXPECT_EQ(field->selectedText().toStdString(), "98765");  // to be typed over
  QTest::keyClicks(field, "987654321");
  QTest::keyClick(field, Qt::Key_Enter);
  EXPECT_EQ(document.model.dscBasic.userMmsi, "987654321");
  EXPECT_FALSE(field->EditPending());
  EXPECT_EQ(prompts.Texts().size(), 1u);
}

TEST_F(CommitFieldTest, SilentFieldKeepsARefusedTextAndItsPendingEditAndGivesTheHint) {
  field->SetRules({.name = "MMSI",
                   .hint = "Type exactly 9 digits.",
                   .commit = [](const std::string& text) { return text.size() == 9; },
                   .storedText = [] { return std::string("123456789"); },
                   .onRefusal = CommitField::OnRefusal::kKeepSilently});
  Type("12345");
  EXPECT_TRUE(field->Validate());  // never keeps the user on the page
  QTest::keyClick(field, Qt::Key_Return);
  outside->setFocus();
  QApplication::processEvents();
  EXPECT_TRUE(prompts.Texts().empty());
  EXPECT_EQ(field->text().toStdString(), "12345");
  EXPECT_TRUE(field->EditPending());
  EXPECT_EQ(fakeWindow.notes, std::vector<std::string>(3, "MMSI not changed. Type exactly 9 digits."));
}

// ---------------------------------------------------------------------------------------
// List grid and rule line
// ---------------------------------------------------------------------------------------

// A plan list: what a row asks for with the keys and the mouse.
class ListGridTest : public ::testing::Test {
 protected:
  ListGridTest() {
    BuildNewDocument(document.model, document.image, document.profile);
    grid.Show({ListKind::kPlanChannels, kGroup1});
    grid.resize(400, 200);
    grid.show();
    QObject::connect(&grid, &editor::ListGrid::RowActivated, [this](int row) { opened.push_back(row); });
    QObject::connect(&grid, &editor::ListGrid::ToggleAsked,
                     [this](int row, int column) { toggled.push_back({row, column}); });
    QObject::connect(&grid, &editor::ListGrid::DeleteAsked, [this] { ++deletes; });
  }
  QModelIndex Cell(int row, int column) const { return grid.model()->index(row, column); }
  void Current(int row, int column) { grid.setCurrentIndex(Cell(row, column)); }

  Document document;
  editor::ListGrid grid{document};
  std::vector<int> opened;
  std::vector<std::pair<int, int>> toggled;
  int deletes = 0;
};

constexpr int kTxColumn = 4;

TEST_F(ListGridTest, EnterAndDoubleClickOpenARowAndTheWheelMovesOneLine) {
  Current(7, 0);
  QTest::keyClick(&grid, Qt::Key_Return);
  const QRect cell = grid.visualRect(Cell(2, 2));
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
  QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
  EXPECT_EQ(opened, (std::vector<int>{7, 2}));
  EXPECT_EQ(grid.CellText(7, 0), "03A");

  const int before = grid.verticalScrollBar()->value();
  QWheelEvent down(QPointF(10, 10), grid.mapToGlobal(QPointF(10, 10)), {}, {0, -120}, Qt::NoButton,
                   {}, Qt::NoScrollPhase, false);
  QApplication::sendEvent(grid.viewport(), &down);
  EXPECT_EQ(grid.verticalScrollBar()->value(), before + 1);
}

TEST_F(ListGridTest, SwitchesAskToToggleOnAClickOrSpaceAndOpenNothing) {
  const QRect box = grid.SwitchRect(Cell(3, kTxColumn));
  ASSERT_FALSE(box.isEmpty());
  EXPECT_TRUE(grid.SwitchRect(Cell(3, 0)).isEmpty());  // the channel number is no switch
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, box.center());
  QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, box.center());  // the second click of two
  QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, box.center());
  // Beside the box the click selects the row, as on any other cell.
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(Cell(5, kTxColumn)).topRight() - QPoint(2, -2));
  Current(6, kTxColumn + 1);
  QTest::keyClick(&grid, Qt::Key_Space);
  Current(6, 0);
  QTest::keyClick(&grid, Qt::Key_Space);  // no switch: nothing
  QTest::keyClick(&grid, Qt::Key_Delete);
  EXPECT_EQ(toggled, (std::vector<std::pair<int, int>>{{3, kTxColumn}, {3, kTxColumn}, {6, kTxColumn + 1}}));
  EXPECT_TRUE(opened.empty());
  EXPECT_EQ(deletes, 1);
}

TEST_F(ListGridTest, AClickOnASwitchKeepsTheSelectionItBelongsTo) {
  grid.SelectRows({2, 3, 4});
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.SwitchRect(Cell(3, kTxColumn)).center());
  EXPECT_EQ(grid.SelectedRows(), (std::vector<int>{2, 3, 4}));
  // A switch outside the selection selects its own row.
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.SwitchRect(Cell(6, kTxColumn)).center());
  EXPECT_EQ(grid.SelectedRows(), (std::vector<int>{6}));
  // Shift extends the selection from the current row, as a spreadsheet does.
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ShiftModifier, grid.visualRect(Cell(8, 0)).center());
  EXPECT_EQ(grid.SelectedRows(), (std::vector<int>{6, 7, 8}));
}

TEST(RuleLine, DrawsInTheWindowTextColourOnlyWhileActive) {
  editor::RuleLine line(Qt::Vertical);
  EXPECT_EQ(line.LineColor(), line.palette().color(QPalette::Active, QPalette::WindowText));
  line.SetActive(false);
  EXPECT_EQ(line.LineColor(), line.palette().color(QPalette::Disabled, QPalette::WindowText));
}

}  // namespace
}  // namespace kol::test
