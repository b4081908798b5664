// The transfer dialog as the window runs it, against the simulated radio on the virtual
// clock: what the window does with a completed or failed read, program and clear, Cancel
// and the close box while busy, and the result line that always says what happened.
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <filesystem>
#include <fstream>

#include "editor/dialogs/help_window.h"
#include "editor/dialogs/transfer_dialog.h"
#include "editor/widgets/read_banner.h"
#include "editor_rig.h"
#include "files/app_settings.h"
#include "model/image_map.h"

namespace kol::test {
namespace {

using editor::NodeRow;
using editor::NodeTarget;
using editor::Page;
using editor::PageKind;
using editor::ReadBanner;
using editor::TransferDialog;

constexpr char kRadioMmsi[] = "366123450";
// The document shows the radio's ten digits, the pad digit after the nine included.
constexpr char kRadioMmsiShown[] = "3661234500";

// Stands in for the DSC page: shows the user MMSI, and clears it as the page's "MMSI Clear"
// button does, showing the radio's MMSI counter (image byte 0x0059) afterwards.
class StandInDscPage final : public Page {
 public:
  StandInDscPage(editor::EditorServices& services, QWidget* parent) : Page(services, parent) {
    mmsi_->setObjectName("txtUserMMSI");
    count_->setObjectName("txtFCount");
    clear_->setObjectName("cmdFClear");
    connect(clear_, &QPushButton::clicked, this, [this] {
      services_.window.RunTransfer(Operation::kClearMmsi);
      count_->setText(QString::number(services_.Doc().image[image_map::kUserMmsiPresent]));
    });
  }
  void ShowFor(const NodeTarget&) override {
    ++fills;
    mmsi_->setText(QString::fromStdString(services_.Doc().model.dscBasic.userMmsi));
  }
  int fills = 0;

 private:
  QLineEdit* mmsi_ = new QLineEdit(this);
  QLineEdit* count_ = new QLineEdit(this);
  QPushButton* clear_ = new QPushButton("MMSI Clear", this);
};

const std::vector<NodeRow>& StandInTable() {
  static const std::vector<NodeRow> kRows = NodesWithPage<StandInDscPage>("pictDSC", {PageKind::kDsc});
  return kRows;
}

// An International radio with its own MMSI, as the radio would hold it.
std::vector<std::uint8_t> RadioMemory() {
  RadioImage image = MakeDestinationImage(kGroup2);
  image.WriteBcd10(image_map::kUserMmsi, kRadioMmsi, true);
  image[image_map::kUserMmsiPresent] = 3;
  return {image.Bytes().begin(), image.Bytes().end()};
}

// What the result line says when nothing answers on the default port.
constexpr char kNoAnswer[] =
    "No answer from the radio on /dev/ttyS0. Check:\n"
    "\u2022 the KOL cable between the PC's serial port and the radio\n"
    "\u2022 that the radio shows PC CONTROL (step 2 above)\n"
    "\u2022 the port chosen under Options > SerialPort\n"
    "Then press OK to try again. The document is unchanged.";

class TransferDialogTest : public EditorRig {
 protected:
  void SetUp() override {
    WriteProgramFolder();
    UseRadio({});
    ASSERT_TRUE(StartWindow({}, StandInTable()));
  }
  void UseRadio(SimulatorOptions options) { radio = RadioSimulator(std::move(options), RadioMemory()); }

  // Runs `script` on the transfer dialog as soon as it is open; a dialog still open after
  // the script is closed with Cancel, as a user would.
  void WhenOpen(std::function<void(TransferDialog&)> script) {
    QTimer::singleShot(0, window.get(), [this, script = std::move(script)] {
      auto* dialog = qobject_cast<TransferDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      script(*dialog);
      if (dialog->isVisible()) Click(*dialog, "cmdCancel");
    });
  }
  static void Click(TransferDialog& dialog, const char* button) {
    auto* found = dialog.findChild<QPushButton*>(button);
    ASSERT_NE(found, nullptr) << button;
    QTest::mouseClick(found, Qt::LeftButton);
  }
  // Once the dialog's bar reaches `percent`, `act` runs the next time events run (`at
  // once`: right there, between two exchanges, as in the window's pauses).
  enum class When { kNextEvents, kAtOnce };
  static void AtProgress(TransferDialog& dialog, int percent, std::function<void()> act,
                         When when = When::kNextEvents) {
    auto* bar = dialog.findChild<QProgressBar*>("pictProgress");
    auto done = std::make_shared<bool>(false);
    QObject::connect(bar, &QProgressBar::valueChanged, &dialog, [=](int value) {
      if (value < percent || *done) return;
      *done = true;
      if (when == When::kAtOnce) {
        act();
      } else {
        QTimer::singleShot(0, bar, act);
      }
    });
  }
  // Presses OK and returns what the result line says afterwards.
  std::string PressOk(TransferDialog& dialog) {
    Click(dialog, "cmdOK");
    return dialog.ResultText().toStdString();
  }
  // Presses OK and returns every text the result line showed meanwhile, in order, each
  // once, the final one last.
  static std::vector<std::string> ResultLinesOfPressingOk(TransferDialog& dialog) {
    std::vector<std::string> lines;
    const auto sample = [&] {
      const std::string text = dialog.ResultText().toStdString();
      if (lines.empty() || lines.back() != text) lines.push_back(text);
    };
    QTimer sampler;  // runs whenever the link lets events run
    sampler.setInterval(0);
    QObject::connect(&sampler, &QTimer::timeout, sample);
    sampler.start();
    Click(dialog, "cmdOK");
    sample();
    return lines;
  }
  StandInDscPage* DscPage() { return window->findChild<StandInDscPage*>("pictDSC"); }
  int Requests(const std::string& head) const {
    int n = 0;
    for (const RadioRequest& r : radio.Requests()) n += r.head == head;
    return n;
  }
};

TEST_F(TransferDialogTest, CompletedReadShowsTheRadiosDocumentAndKeepsABackup) {
  ClickNode("DSC");
  document.path = dir.File("before.dat");
  EditDocument();
  prompts.messages.answers = {MessageButton::kNo};  // the closing question: do not save
  std::string result;
  std::string resultWhileComplete;  // what the result line says under "Complete!!"
  prompts.onShow = [&](const Message& message) {
    auto* dialog = qobject_cast<TransferDialog*>(QApplication::activeModalWidget());
    if (message.text == "Complete!!" && dialog) resultWhileComplete = dialog->ResultText().toStdString();
  };
  bool pictureOrder = false;
  WhenOpen([&](TransferDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle().toStdString(), "Read from Radio");
    // Reading: the radio stands left of the PC.
    pictureOrder = Find<QWidget>("frmRadio")->findChild<QWidget*>("pictA")->x() <
                   dialog.findChild<QWidget*>("pictB")->x();
    result = PressOk(dialog);
  });
  EXPECT_TRUE(window->RunTransfer(Operation::kRead));
  EXPECT_TRUE(pictureOrder);
  EXPECT_EQ(prompts.Texts(), (std::vector<std::string>{
                                 "KOL data has changed.\r\nDo you want to save changes?", "Complete!!"}));
  EXPECT_EQ(SelectedKey(), "General");
  EXPECT_TRUE(document.path.empty());
  EXPECT_FALSE(Changed());
  EXPECT_EQ(Caption(), "KOL Programmer  PC Program for LZ3300T");
  // The tree and the pages show the radio's document: its International group is usable.
  EXPECT_NE(Node("PI"), nullptr);
  EXPECT_EQ(Node("PU"), nullptr);
  ClickNode("DSC");
  EXPECT_EQ(Find<QLineEdit>("txtUserMMSI")->text().toStdString(), kRadioMmsiShown);
  // The bytes read are kept, named in the result line.
  const std::filesystem::path backups = dir.File("user-data/backups");
  ASSERT_TRUE(std::filesystem::is_directory(backups));
  const auto backup = *std::filesystem::directory_iterator(backups);
  EXPECT_EQ(std::filesystem::file_size(backup), 8192u);
  EXPECT_NE(result.find(backup.path().string()), std::string::npos) << result;
  EXPECT_EQ(resultWhileComplete, result);

  // The window says where the document came from and where the radio's memory is kept.
  auto* banner = Find<ReadBanner>("pictReadBanner");
  ASSERT_TRUE(banner->isVisible());
  const std::string said = banner->Text().toStdString();
  EXPECT_EQ(said.rfind("Read from the radio with MMSI 366123450 at ", 0), 0u) << said;
  EXPECT_NE(said.find("kept in " + backup.path().string()), std::string::npos) << said;
  QTest::mouseClick(banner->findChild<QPushButton*>("cmdOpenBackups"), Qt::LeftButton);
  EXPECT_EQ(prompts.openedFolders, std::vector<std::string>{backups.string()});
  QTest::mouseClick(banner->findChild<QPushButton*>("cmdCloseBanner"), Qt::LeftButton);
  EXPECT_FALSE(banner->isVisible());
}

// The banner belongs to the document read: another document takes it away.
TEST_F(TransferDialogTest, ReadBannerGoesWithTheDocumentItDescribes) {
  auto read = [&] {
    WhenOpen([&](TransferDialog& dialog) { PressOk(dialog); });
    ASSERT_TRUE(window->RunTransfer(Operation::kRead));
  };
  auto* banner = Find<ReadBanner>("pictReadBanner");
  EXPECT_FALSE(banner->isVisible());
  read();
  EXPECT_TRUE(banner->isVisible());
  ClickNode("DSC");  // another page of the same document
  EXPECT_TRUE(banner->isVisible());
  Command("mnuFileNew");
  Wait(150);
  EXPECT_FALSE(banner->isVisible());
  read();
  EXPECT_TRUE(banner->isVisible());
}

TEST_F(TransferDialogTest, CancelOnTheIdleDialogClosesItWithoutOpeningThePort) {
  bool closed = false;
  WhenOpen([&](TransferDialog& dialog) {
    Click(dialog, "cmdCancel");
    closed = !dialog.isVisible();
    ASSERT_NE(lastPort, nullptr);
    EXPECT_EQ(lastPort->openCount, 0);
  });
  EXPECT_FALSE(window->RunTransfer(Operation::kProgram));
  EXPECT_TRUE(closed);
  EXPECT_TRUE(radio.Requests().empty());
}

TEST_F(TransferDialogTest, HelpOpensAtTheTransferTopicOverTheDialog) {
  QWidget* helpParent = nullptr;
  WhenOpen([&](TransferDialog& dialog) {
    Click(dialog, "cmdHelp");  // no help file yet
    WriteFile("TQ460.html", "<html><body><a name=\"topic1012\"></a>Transfer</body></html>");
    Click(dialog, "cmdHelp");
    auto* help = dialog.findChild<editor::HelpWindow*>("frmHelp");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->CurrentAnchor().toStdString(), "topic1012");
    helpParent = help->parentWidget();
    EXPECT_EQ(helpParent, &dialog);  // a modal dialog blocks every window but its own
  });
  window->RunTransfer(Operation::kProgram);
  ASSERT_EQ(prompts.messages.shown.size(), 1u);
  EXPECT_EQ(prompts.messages.shown[0].title, "Program to Radio");
  EXPECT_EQ(prompts.messages.shown[0].text,
            "Unable to display Help Contents. There is no Help associated with this project.");
}

TEST_F(TransferDialogTest, BusyDialogRefusesToCloseAndCancelStopsTheReadUntilOkAgain) {
  const RadioImage before = document.image;
  bool closeAccepted = true;
  bool visibleAfterClose = false;
  std::string cancelled;
  bool keptOpen = false;
  WhenOpen([&](TransferDialog& dialog) {
    AtProgress(dialog, 20, [&] {
      closeAccepted = dialog.close();
      visibleAfterClose = dialog.isVisible();
    });
    // The click lands before the next block's exchange, which clears the cancel flag.
    AtProgress(dialog, 40, [&] { Click(dialog, "cmdCancel"); }, When::kAtOnce);
    cancelled = PressOk(dialog);
    keptOpen = dialog.isVisible();
    EXPECT_EQ(document.image, before);  // nothing of the cancelled read arrived
    EXPECT_TRUE(dialog.findChild<QPushButton*>("cmdOK")->isEnabled());
    PressOk(dialog);  // the second press starts again from the link set-up
  });
  EXPECT_TRUE(window->RunTransfer(Operation::kRead));
  EXPECT_FALSE(closeAccepted);
  EXPECT_TRUE(visibleAfterClose);
  EXPECT_TRUE(keptOpen);
  EXPECT_EQ(cancelled, "Cancelled. The document is unchanged.");
  EXPECT_EQ(Requests("#CMDSY"), 4);  // two passes for each press of OK
  EXPECT_EQ(document.model.dscBasic.userMmsi, kRadioMmsiShown);
}

TEST_F(TransferDialogTest, FailedStartShowsNoMessageButSaysWhatToCheck) {
  UseRadio({.probeEcho = false, .preambleReply = PreambleReply::kSilent, .syncAnswerEvery = 1000});
  std::string result;
  bool monitorShown = true;
  WhenOpen([&](TransferDialog& dialog) {
    result = PressOk(dialog);
    monitorShown = dialog.findChild<QWidget*>("lblmon")->isVisible();
    EXPECT_TRUE(dialog.isVisible());
  });
  EXPECT_FALSE(window->RunTransfer(Operation::kRead));
  EXPECT_TRUE(prompts.Texts().empty());
  EXPECT_FALSE(monitorShown);  // the link's own progress texts are for debug mode
  EXPECT_EQ(result, kNoAnswer);

  // A port that cannot be opened says why.
  opensBeforeFailure = 0;
  prompts.texts.push_back("/dev/ttyUSB7");
  Command("mnuOptionsSerialPortOther");
  WhenOpen([&](TransferDialog& dialog) { result = PressOk(dialog); });
  EXPECT_FALSE(window->RunTransfer(Operation::kProgram));
  EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"port inicialize error!!"});
  EXPECT_EQ(result,
            "Could not open the serial port /dev/ttyUSB7: No such file or directory. Check the "
            "port under Options > SerialPort. Nothing was written to the radio.");
}

// While the radio does not answer the result line says so: during the link set-up each
// attempt from the second on, once the link is up how long ago the last answer came; an
// answer puts back what the line said before.
TEST_F(TransferDialogTest, ResultLineSaysWhileTheRadioDoesNotAnswer) {
  const auto attempts = [](int from, int to) {
    std::vector<std::string> lines;
    for (int n = from; n <= to; ++n) {
      lines.push_back("Waiting for the radio (attempt " + std::to_string(n) + " of 6)\u2026");
    }
    return lines;
  };
  const auto silence = [](int from, int to) {
    std::vector<std::string> lines;
    for (int n = from; n <= to; ++n) {
      lines.push_back("Waiting for the radio: its last answer came " + std::to_string(n) +
                      " s ago\u2026");
    }
    return lines;
  };
  struct Case {
    const char* name;
    SimulatorOptions radio;
    std::vector<std::string> waits;
    bool answeredAgain;
    std::string outcome;  // the final line begins so
  };
  const Case cases[] = {
      {"never answers",
       {.probeEcho = false, .preambleReply = PreambleReply::kSilent, .syncAnswerEvery = 1000},
       attempts(2, 6), false, kNoAnswer},
      // Three attempts of ten seconds each, then the block and the read fail.
      {"falls silent", {.silentFromBlock = 3 + 40}, silence(3, 30), false,
       "Stopped: Communication Error!! The document is unchanged."},
      {"one request lost", {.faults = {{RequestKind::kBlock, 3 + 40, RadioFault::kNoReply}}},
       silence(3, 10), true, "Read from Radio: complete."},
  };
  for (const Case& c : cases) {
    UseRadio(c.radio);
    std::vector<std::string> lines;
    WhenOpen([&](TransferDialog& dialog) { lines = ResultLinesOfPressingOk(dialog); });
    window->RunTransfer(Operation::kRead);
    std::vector<std::string> expected = {""};
    expected.insert(expected.end(), c.waits.begin(), c.waits.end());
    if (c.answeredAgain) expected.push_back("");
    ASSERT_EQ(lines.size(), expected.size() + 1) << c.name;
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.end() - 1), expected) << c.name;
    EXPECT_EQ(lines.back().rfind(c.outcome, 0), 0u) << c.name << ": " << lines.back();
  }
}

TEST_F(TransferDialogTest, ProgrammingIsReadBackAndAFailedClearChangesNothingInTheWindow) {
  ClickNode("DSC");
  const int fills = DscPage()->fills;
  std::string result;
  WhenOpen([&](TransferDialog& dialog) {
    EXPECT_GT(dialog.findChild<QWidget*>("pictA")->x(), dialog.findChild<QWidget*>("pictB")->x());
    result = PressOk(dialog);
  });
  EXPECT_TRUE(window->RunTransfer(Operation::kProgram));
  EXPECT_EQ(result, "Programmed and verified: the radio holds what was sent.");
  EXPECT_EQ(Requests("#CEPRD"), 3 + 3 + 190);  // the checks of both runs and the read-back
  EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Complete!!"});
  EXPECT_EQ(DscPage()->fills, fills);
  EXPECT_FALSE(Changed());

  // The radio falls silent after the identity checks: the DSC log is not cleared.
  UseRadio({.silentFromBlock = 4});
  const RadioImage before = document.image;
  prompts.messages.shown.clear();
  WhenOpen([&](TransferDialog& dialog) { result = PressOk(dialog); });
  EXPECT_FALSE(window->RunTransfer(Operation::kClearDscLog));
  EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Communication Error!!"});
  // The radio fell silent on the first write: the request went out all the same.
  EXPECT_EQ(result, "Stopped: Communication Error!! The DSC log may be partly cleared (1 write sent).");
  EXPECT_EQ(document.image, before);
  EXPECT_EQ(DscPage()->fills, fills);
  EXPECT_FALSE(Changed());
}

// The result line says what programming did to the radio, as the command line does: a
// radio refused before the first write holds what it held; a document with another product
// code was programmed, but the radio kept its own code.
TEST_F(TransferDialogTest, ResultLineSaysWhatProgrammingDidToTheRadio) {
  struct Case {
    const char* name;
    SimulatorOptions radio;
    bool foreignCode;
    const char* result;
  };
  const Case cases[] = {
      {"another model", {.wrongModel = true}, false,
       "Stopped: ModelType Error !! Nothing was written to the radio."},
      {"another radio", {.wrongProduct = true}, false,
       "Stopped: ModelType Error !! Nothing was written to the radio."},
      // Three identity reads, then thirty writes answered before the cable is pulled.
      {"cable pulled", {.silentFromBlock = 3 + 30 + 1}, false,
       "Stopped: Communication Error!! The radio may be partly programmed (31 writes sent)."},
      {"foreign product code", {}, true,
       "Programmed and verified. The document holds another product code; the radio kept its "
       "own, \"QT512N\"."},
  };
  for (const Case& c : cases) {
    UseRadio(c.radio);
    document.image[image_map::kProductCode + 1] = c.foreignCode ? 'X' : 'T';
    std::string result;
    WhenOpen([&](TransferDialog& dialog) { result = PressOk(dialog); });
    EXPECT_EQ(window->RunTransfer(Operation::kProgram), c.foreignCode) << c.name;
    EXPECT_EQ(result, c.result) << c.name;
  }
}

// A radio that answers every write "ERROR": the question to confirm the synchronisation
// comes once, and Cancel stops programming there.
TEST_F(TransferDialogTest, CancelOnTheSynchronisationQuestionStopsProgramming) {
  SimulatorOptions refusesWrites;
  for (int n = 4; n < 400; ++n) refusesWrites.faults.push_back({RequestKind::kBlock, n, RadioFault::kError});
  UseRadio(refusesWrites);
  prompts.messages.answers = {MessageButton::kCancel};
  std::string result;
  WhenOpen([&](TransferDialog& dialog) { result = PressOk(dialog); });
  EXPECT_FALSE(window->RunTransfer(Operation::kProgram));
  EXPECT_EQ(prompts.Texts(),
            std::vector<std::string>{"confirm the synchronization of the communication"});
  EXPECT_EQ(result, "Cancelled. The radio may be partly programmed (1 write sent).");
}

TEST_F(TransferDialogTest, FindingsOfTheCheckComeBeforeProgramming) {
  // An error: the radio would get another MMSI. No stops at its field, Yes programs.
  document.model.dscBasic.userMmsi = "36612345X";
  prompts.messages.answers = {MessageButton::kNo};
  EXPECT_FALSE(window->RunTransfer(Operation::kProgram));
  EXPECT_EQ(lastPort, nullptr);  // no dialog
  ASSERT_EQ(prompts.messages.shown.size(), 1u);
  const Message& asked = prompts.messages.shown[0];
  EXPECT_EQ(asked.buttons, MessageButtons::kYesNo);
  EXPECT_EQ(asked.defaultButton, MessageButton::kNo);
  EXPECT_NE(asked.text.find("DSC Setup, User MMSI: "), std::string::npos) << asked.text;
  EXPECT_NE(asked.text.find("the radio gets \"36612345\""), std::string::npos) << asked.text;
  EXPECT_NE(asked.text.find("Program the radio anyway?"), std::string::npos) << asked.text;
  EXPECT_EQ(SelectedKey(), "DSC");
  EXPECT_EQ(QApplication::focusWidget(), Find<QWidget>("txtUserMMSI"));

  prompts.messages.answers = {MessageButton::kYes};
  bool opened = false;
  WhenOpen([&](TransferDialog&) { opened = true; });
  window->RunTransfer(Operation::kProgram);
  EXPECT_TRUE(opened);

  // Warnings only: shown, and OK goes on.
  document.model.dscBasic.userMmsi.clear();
  document.model.common.startingChannelMode = 7;
  prompts.messages.shown.clear();
  opened = false;
  WhenOpen([&](TransferDialog&) { opened = true; });
  window->RunTransfer(Operation::kProgram);
  EXPECT_TRUE(opened);
  ASSERT_EQ(prompts.messages.shown.size(), 1u);
  EXPECT_EQ(prompts.messages.shown[0].buttons, MessageButtons::kOkCancel);
  EXPECT_EQ(prompts.messages.shown[0].text.rfind("Please check before programming:", 0), 0u);
}

TEST_F(TransferDialogTest, ReadBackThatDiffersFailsTheDialogAndWithoutVerifyNothingIsRead) {
  std::string result;
  WhenOpen([&](TransferDialog& dialog) {
    // The radio loses a byte after it was programmed, before the read-back reaches it.
    AtProgress(dialog, 50, [&] { radio.Memory()[0x0500] ^= 0xFF; });
    result = PressOk(dialog);
    EXPECT_TRUE(dialog.isVisible());
  });
  EXPECT_FALSE(window->RunTransfer(Operation::kProgram));
  const std::uint8_t image = document.image[0x0500];
  const std::uint8_t held = static_cast<std::uint8_t>(image ^ 0xFF);
  char expected[160];
  std::snprintf(expected, sizeof expected,
                "Verify failed at 0x0500: the radio holds 0x%02X, the image 0x%02X. Press OK to "
                "program the radio again.",
                held, image);
  EXPECT_EQ(result, expected);
  EXPECT_TRUE(prompts.Texts().empty());  // no "Complete!!" for a radio that differs

  Command("mnuOptionsVerify");
  EXPECT_EQ(store.Read("Settings", "VerifyAfterProgramming", ""), "0");
  UseRadio({});
  WhenOpen([&](TransferDialog& dialog) { result = PressOk(dialog); });
  EXPECT_TRUE(window->RunTransfer(Operation::kProgram));
  EXPECT_EQ(result, "Program to Radio: complete.");
  EXPECT_EQ(Requests("#CEPRD"), 3);
}

TEST_F(TransferDialogTest, MmsiClearShowsTheRadiosCounterAfterwards) {
  ClickNode("DSC");
  document.image[image_map::kUserMmsiPresent] = 3;
  auto* count = Find<QLineEdit>("txtFCount");
  const int fills = DscPage()->fills;

  UseRadio({.silentFromBlock = 4});
  WhenOpen([&](TransferDialog& dialog) { PressOk(dialog); });
  QTest::mouseClick(Find<QPushButton>("cmdFClear"), Qt::LeftButton);
  EXPECT_EQ(count->text().toStdString(), "3");
  EXPECT_FALSE(Changed());
  EXPECT_EQ(DscPage()->fills, fills);

  UseRadio({});
  WhenOpen([&](TransferDialog& dialog) { PressOk(dialog); });
  QTest::mouseClick(Find<QPushButton>("cmdFClear"), Qt::LeftButton);
  EXPECT_EQ(count->text().toStdString(), "0");
  EXPECT_TRUE(Changed());
  EXPECT_EQ(DscPage()->fills, fills + 1);
  EXPECT_TRUE(document.model.dscBasic.userMmsi.empty());
}

}  // namespace
}  // namespace kol::test
