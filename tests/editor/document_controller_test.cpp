// Where an edit lands: every control hands its change to the document controller as one
// named step, typing marks the document changed without a step, and nothing is a step
// under the update lock.
#include <QLineEdit>

#include "editor_rig.h"
#include "page_driver.h"

namespace kol::test {
namespace {

using editor::EditStep;

class DocumentControllerTest : public EditorRig, public PageDriver {
 protected:
  void SetUp() override {
    WriteProgramFolder();
    ASSERT_TRUE(StartWindow());
    AttachPage(*window);
    QObject::connect(&window->Controller(), &editor::DocumentController::Edited,
                     [this](const EditStep& step) { steps.push_back(step); });
  }
  std::vector<EditStep> steps;
};

TEST_F(DocumentControllerTest, EachKindOfControlHandsItsChangeToTheControllerAsOneNamedStep) {
  SetUpDocument([](SettingsModel& model) {
    model.usable.group[kExpGroup].usable = true;
    model.exp[6] = {.enable = true, .chDisplayL = "7", .rxFreq = 156.05};
    model.group[kGroup1][32].enable = true;
  });
  struct Case {
    const char* node;
    std::function<void()> act;
    EditStep expected;
  };
  const Case cases[] = {
      {"Common", [this] { Choose("cmbCommonTXPo", 1); },
       {"TX Po Display of Common Setup", {"Common", "cmbCommonTXPo"}}},
      {"DSC", [this] { Choose("cmbUsableDscDistCancel", 0); },
       {"Distress Cancel Call of DSC Setup", {"DSC", "cmbUsableDscDistCancel"}}},
      {"Usable", [this] { Click("chkUsable_1"); },
       {"International of Usable CH Group Setup", {"Usable", "chkUsable_1"}}},
      {"Usable",
       [this] {
         TypeInto("txtUsable_0", "ab");
         QTest::keyClick(Control<QLineEdit>("txtUsable_0"), Qt::Key_Return);
       },
       {"USA Status Name of Usable CH Group Setup", {"Usable", "txtUsable_0"}}},
      {"E 7",
       [this] {
         TypeInto("txtCRF", "156.025");
         QTest::keyClick(Control<QLineEdit>("txtCRF"), Qt::Key_Tab);
       },
       {"Rx Frequency of EXP 7", {"E 7", "txtCRF"}}},
      {"PU 32", [this] { Click("chkCTXEnable"); }, {"Tx Enable of Group1 CH16", {"PU 32", "chkCTXEnable"}}},
      {"PW", [this] { Click("chkDEnable_0"); }, {"WX01 Enable of Weather", {"PW", "chkDEnable_0"}}},
      {"SM 1", [this] { Click("chkGEnable"); }, {"Add of Memory ID1", {"SM 1", "chkGEnable"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected.name);
    ClickNode(c.node);
    window->Controller().ForgetChanges();
    steps.clear();
    c.act();
    EXPECT_EQ(steps, std::vector<EditStep>{c.expected});
    EXPECT_TRUE(Changed());
  }
}

TEST_F(DocumentControllerTest, TypingMarksTheDocumentChangedButOnlyTheCommitIsAStep) {
  ClickNode("DSC");
  TypeInto("txtUserMMSI", "123456789");
  EXPECT_TRUE(Changed());
  EXPECT_TRUE(steps.empty());
  EXPECT_NE(document.model.dscBasic.userMmsi, "123456789");
  QTest::keyClick(Control<QLineEdit>("txtUserMMSI"), Qt::Key_Tab);
  ASSERT_EQ(steps.size(), 1u);
  EXPECT_EQ(steps[0].name, "User MMSI of DSC Setup");
  EXPECT_EQ(document.model.dscBasic.userMmsi, "123456789");
}

TEST_F(DocumentControllerTest, UnderTheUpdateLockAnEditChangesNothing) {
  const SettingsModel before = document.model;
  {
    UpdateLockScope lock(document.flags);
    EXPECT_FALSE(window->Controller().Edit({"Resume Time of Common Setup", {}},
                                           [](SettingsModel& model) { model.common.resumeTime = 4; }));
    window->Controller().Typed();
  }
  EXPECT_EQ(document.model, before);
  EXPECT_FALSE(Changed());
  EXPECT_TRUE(steps.empty());
}

}  // namespace
}  // namespace kol::test
