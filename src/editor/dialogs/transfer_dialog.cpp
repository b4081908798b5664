#include "editor/dialogs/transfer_dialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <cctype>

#include "editor/dialogs/transfer_pictures.h"
#include "files/read_backup.h"
#include "link/qt_serial_port.h"

namespace kol::editor {
namespace {

constexpr int kStatusPauseMs = 500;
// At 4800 baud programming takes about 32 s and the read-back about 42 s: the bar of a
// verified programming run gives each its part.
constexpr ProgressPhase kProgramPhase{0, 43};
constexpr ProgressPhase kReadBackPhase{43, 57};

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

// "verify failed at 0x0500: ..." as a sentence of the result line.
std::string Sentence(std::string text) {
  if (!text.empty()) text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
  return text + ".";
}

QLabel* Picture(const QPixmap& pixmap, const char* name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setPixmap(pixmap);
  label->setFixedSize(pixmap.deviceIndependentSize().toSize());
  return label;
}

}  // namespace

TransferDialog::TransferDialog(Document& document, FileHost& host,
                               std::unique_ptr<SerialPort> port, TransferRequest request,
                               std::function<void(const std::string&)> help, QWidget* parent)
    : QDialog(parent),
      document_(document),
      host_(host),
      port_(std::move(port)),
      request_(std::move(request)),
      help_(std::move(help)),
      context_{request_.operation, static_cast<std::int16_t>(request_.port.number),
               request_.port.devicePath},
      operations_({*port_, host.clock, *this, host.log}, context_, document),
      progress_(host.clock) {
  setObjectName("frmRadio");
  context_.verify = request_.operation == Operation::kProgram && request_.verify;
  setWindowTitle(ToQt(std::string(OperationTitle(request_.operation))));
  setModal(true);

  QStringList lines;
  for (const char* line : kTransferInstructions) lines << line;
  message_ = new QLabel(lines.join('\n'), this);
  message_->setObjectName("lblmess");

  std::string portName = DeviceName();
  if (request_.port.devicePath.empty()) {
    const std::string numbered = "COM" + std::to_string(request_.port.number);
    if (numbered != portName) portName = numbered + " (" + portName + ")";
  }
  portLine_ = new QLabel(ToQt("Serial port: " + portName), this);
  portLine_->setObjectName("lblPort");
  portLine_->setToolTip("Options > SerialPort chooses the port");

  monitor_ = new QLabel(this);
  monitor_->setObjectName("lblmon");
  monitor_->setVisible(document_.flags.debugMode);
  if (document_.flags.debugMode) monitor_->setText("starting at debug mode..");

  result_ = new QLabel(this);
  result_->setObjectName("lblResult");
  result_->setWordWrap(true);
  result_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  result_->setMinimumHeight(2 * fontMetrics().lineSpacing());
  result_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(message_);
  layout->addLayout(BuildPictures());
  layout->addWidget(portLine_);
  layout->addLayout(BuildProgressLine());
  layout->addWidget(monitor_);
  layout->addWidget(result_);
  layout->addStretch();
  layout->addLayout(BuildButtons());
  resize(465, 290);
}

// Data goes from left to right: from the radio when reading, to it otherwise.
QLayout* TransferDialog::BuildPictures() {
  const qreal scale = devicePixelRatioF();
  QLabel* radio = Picture(RadioPicture(scale), "pictA", this);
  QLabel* computer = Picture(ComputerPicture(scale), "pictB", this);
  QLabel* cable = Picture(CablePicture(scale), "pictCable", this);
  const bool reading = request_.operation == Operation::kRead;
  auto* pictures = new QHBoxLayout;
  pictures->addStretch();
  pictures->addWidget(reading ? radio : computer, 0, Qt::AlignBottom);
  pictures->addWidget(cable, 0, Qt::AlignVCenter);
  pictures->addWidget(reading ? computer : radio, 0, Qt::AlignBottom);
  pictures->addStretch();
  return pictures;
}

QLayout* TransferDialog::BuildProgressLine() {
  bar_ = new QProgressBar(this);
  bar_->setObjectName("pictProgress");
  bar_->setRange(0, 100);
  bar_->setValue(0);
  bar_->setFormat("%p%");
  timeLeft_ = new QLabel(this);
  timeLeft_->setObjectName("lblTimeLeft");
  // Room for the longest estimate, so that the bar keeps its width when one appears.
  timeLeft_->setMinimumWidth(fontMetrics().horizontalAdvance("About 1 min 55 s left"));
  auto* line = new QHBoxLayout;
  line->addWidget(bar_, 1);
  line->addWidget(timeLeft_);
  return line;
}

QLayout* TransferDialog::BuildButtons() {
  ok_ = new QPushButton("OK", this);
  ok_->setObjectName("cmdOK");
  ok_->setDefault(true);
  cancel_ = new QPushButton("Cancel", this);
  cancel_->setObjectName("cmdCancel");
  helpButton_ = new QPushButton("Help", this);
  helpButton_->setObjectName("cmdHelp");
  connect(ok_, &QPushButton::clicked, this, &TransferDialog::Start);
  connect(cancel_, &QPushButton::clicked, this, &TransferDialog::CancelPressed);
  connect(helpButton_, &QPushButton::clicked, this,
          [this] { help_(windowTitle().toStdString()); });
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  buttons->addWidget(helpButton_);
  return buttons;
}

TransferDialog::~TransferDialog() { SetRunning(false); }

std::string TransferDialog::DeviceName() const {
  return DeviceOfPort(request_.port.number, request_.port.devicePath);
}

QString TransferDialog::ResultText() const { return result_->text(); }

// ---------------------------------------------------------------------------------------
// The link's host
// ---------------------------------------------------------------------------------------

MessageButton TransferDialog::Show(const Message& message) {
  if (message.icon == MessageIcon::kCritical) lastError_ = message.text;
  // A completed read is kept before the link says "Complete!!", so that the result line
  // names the backup while the user reads the message.
  if (request_.operation == Operation::kRead && context_.completed && !backupKept_) KeepBackup();
  // The user reads and answers with the normal pointer, not the hourglass.
  QApplication::setOverrideCursor(Qt::ArrowCursor);
  const MessageButton answer = host_.prompts.Show(message);
  QApplication::restoreOverrideCursor();
  return answer;
}

// The link runs on this thread: the dialog repaints and its Cancel button is handled here.
void TransferDialog::ProcessEvents() {
  QApplication::processEvents();
  if (cancelRequested_) document_.flags.cancelFlag = true;
}

void TransferDialog::ShowStatus(const std::string& text) {
  if (!document_.flags.debugMode) return;
  monitor_->setText(ToQt(text));
  host_.clock.SleepMs(kStatusPauseMs);
}

void TransferDialog::ShowProgress(int percent) {
  bar_->setValue(progress_.Report(percent));
  timeLeft_->setText(ToQt(progress_.TimeLeft()));
}

void TransferDialog::ShowLinkWait(int attempt, int attempts) {
  ShowWaiting(QString("Waiting for the radio (attempt %1 of %2)\u2026").arg(attempt).arg(attempts));
}

void TransferDialog::ShowRadioSilence(int seconds) {
  if (seconds == 0) {
    EndWaiting();
    return;
  }
  ShowWaiting(QString("Waiting for the radio: its last answer came %1 s ago\u2026").arg(seconds));
}

void TransferDialog::ShowWaiting(const QString& text) {
  if (!beforeWaiting_) beforeWaiting_ = result_->text();
  SetResult(text, false);
}

void TransferDialog::EndWaiting() {
  if (!beforeWaiting_) return;
  SetResult(*beforeWaiting_, false);
  beforeWaiting_.reset();
}

void TransferDialog::BeginReadBack() {
  SetResult("Programmed. Reading the radio back to verify it...", false);
  progress_.EnterPhase(kReadBackPhase);
}

// ---------------------------------------------------------------------------------------
// Buttons and closing
// ---------------------------------------------------------------------------------------

void TransferDialog::CancelPressed() {
  if (!running_) {
    QDialog::reject();
    return;
  }
  cancelRequested_ = true;
  document_.flags.cancelFlag = true;
  beforeWaiting_.reset();
  SetResult("Cancelling...", false);
}

void TransferDialog::reject() { CancelPressed(); }

// The title bar's close box does not stop a transfer: only Cancel does.
void TransferDialog::closeEvent(QCloseEvent* event) {
  if (running_) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

void TransferDialog::SetRunning(bool running) {
  if (running == running_) return;
  running_ = running;
  ok_->setEnabled(!running);
  helpButton_->setEnabled(!running);
  if (running) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void TransferDialog::SetResult(const QString& text, bool failed) {
  result_->setText(text);
  QPalette colours = palette();
  if (failed) colours.setColor(QPalette::WindowText, QColor(0xb0, 0x1c, 0x1c));
  result_->setPalette(colours);
  // A long result wraps onto more lines: the dialog grows rather than squeeze them.
  const int needed = layout()->totalHeightForWidth(width());
  if (needed > height()) resize(width(), needed);
}

// ---------------------------------------------------------------------------------------
// Running the operation
// ---------------------------------------------------------------------------------------

void TransferDialog::Start() {
  SetRunning(true);
  cancelRequested_ = false;
  beforeWaiting_.reset();
  SetResult("", false);
  lastError_.clear();
  backupPath_.clear();
  backupKept_ = false;
  timeLeft_->clear();
  progress_.Begin(context_.verify ? kProgramPhase : ProgressPhase{});
  const bool closes = RunOperation();
  bar_->setValue(0);
  timeLeft_->clear();
  SetRunning(false);
  if (closes) accept();
}

bool TransferDialog::RunOperation() {
  const bool closes = operations_.Start();
  beforeWaiting_.reset();  // the outcome replaces any wait
  if (request_.operation == Operation::kProgram) {
    ShowProgramResult();
  } else if (!context_.completed) {
    SetResult(ToQt(CauseText() + " " + ConsequenceText(operations_.GetLink().WritesSent())), true);
  } else if (request_.operation == Operation::kRead) {
    if (!backupKept_) KeepBackup();
  } else {
    SetResult(windowTitle() + ": complete.", false);
  }
  return closes;
}

void TransferDialog::ShowProgramResult() {
  const ProgramResult& result = operations_.LastProgram();
  // The radio's identity is never overwritten: a document with another product code is
  // programmed all the same, and the result says what the radio kept.
  const std::string kept =
      result.keptProductCode ? " The document " + KeptProductCodeText() + "." : std::string();
  if (!result.programmed) {
    SetResult(ToQt(CauseText() + " " + ConsequenceText(result.writesSent) + kept), true);
  } else if (result.verified) {
    SetResult(ToQt(kept.empty() ? "Programmed and verified: the radio holds what was sent."
                                : "Programmed and verified." + kept),
              false);
  } else if (result.difference) {
    SetResult(ToQt(Sentence(ReadBackDifferenceText(*result.difference)) + kept +
                   " Press OK to program the radio again."),
              true);
  } else if (context_.verify) {
    SetResult(ToQt("Programmed, but not verified: " + CauseText() + kept), true);
  } else {
    SetResult(windowTitle() + ToQt(": complete." + kept), false);
  }
}

void TransferDialog::KeepBackup() {
  backupKept_ = true;
  const QString done = windowTitle() + ": complete.";
  if (request_.userDataFolder.empty()) {
    SetResult(done, false);
    return;
  }
  const KeptBackup kept = KeepReadBackup(request_.userDataFolder, operations_.ReceivedImage());
  if (kept.Ok()) {
    backupPath_ = kept.path;
    SetResult(done + ToQt(" A copy of the radio's memory is kept in " + kept.path), false);
    return;
  }
  SetResult(done + ToQt(" The copy of the radio's memory could not be kept: " + kept.error), true);
  Show({document_.profile.WindowTitle(),
        "The backup of the radio's memory could not be written to '" + kept.path + "'.",
        MessageIcon::kExclamation, MessageButtons::kOk, MessageButton::kOk, kept.error});
}

std::string TransferDialog::CauseText() {
  const AppFlags& flags = document_.flags;
  const std::optional<PortFailure>& failure = operations_.GetLink().LastPortFailure();
  const std::string device = DeviceName();
  if (failure && failure->opening) {
    return "Could not open the serial port " + device + ": " + failure->error.description +
           ". Check the port under Options > SerialPort.";
  }
  if (failure) return "The serial port " + device + " failed: " + failure->error.description + ".";
  if (flags.cancelFlag) return "Cancelled.";
  if (!operations_.LinkUp()) {
    if (!lastError_.empty()) return "Stopped: " + lastError_;
    return "No answer from the radio on " + device +
           ". Check:\n"
           "\u2022 the KOL cable between the PC's serial port and the radio\n"
           "\u2022 that the radio shows PC CONTROL (step 2 above)\n"
           "\u2022 the port chosen under Options > SerialPort\n"
           "Then press OK to try again.";
  }
  if (flags.errorFlag) {
    return "Stopped: " + (lastError_.empty() ? std::string("the radio did not answer as expected.")
                                             : lastError_);
  }
  return "The radio did not report ready.";
}

std::string TransferDialog::ConsequenceText(int writesSent) const {
  if (request_.operation == Operation::kRead) return "The document is unchanged.";
  return Sentence(UnfinishedWritesText(request_.operation, writesSent));
}

}  // namespace kol::editor
