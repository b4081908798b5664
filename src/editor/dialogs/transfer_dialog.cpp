#include "editor/dialogs/transfer_dialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/dialogs/transfer_pictures.h"
#include "files/read_backup.h"
#include "link/frame.h"
#include "link/memory_plan.h"
#include "link/qt_serial_port.h"

namespace kol::editor {
namespace {

constexpr int kStatusPauseMs = 500;
// At 4800 baud programming takes about 32 s and the read-back about 42 s: the bar of a
// verified programming run gives each its part.
constexpr ProgressPhase kProgramPhase{0, 43};
constexpr ProgressPhase kReadBackPhase{43, 57};

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

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
  return request_.port.devicePath.empty() ? DeviceForPortNumber(request_.port.number)
                                          : request_.port.devicePath;
}

QString TransferDialog::ResultText() const { return result_->text(); }

// ---------------------------------------------------------------------------------------
// The link's host
// ---------------------------------------------------------------------------------------

MessageButton TransferDialog::Show(const Message& message) {
  if (holdInformation_ && message.icon == MessageIcon::kInformation) {
    heldMessage_ = message;
    return MessageButton::kOk;
  }
  if (message.icon == MessageIcon::kCritical) lastError_ = message.text;
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
  SetResult("", false);
  lastError_.clear();
  backupPath_.clear();
  timeLeft_->clear();
  const bool verify = request_.operation == Operation::kProgram && request_.verify;
  progress_.Begin(verify ? kProgramPhase : ProgressPhase{});
  const bool closes = RunOperation();
  bar_->setValue(0);
  timeLeft_->clear();
  SetRunning(false);
  if (closes) accept();
}

bool TransferDialog::RunOperation() {
  const bool verify = request_.operation == Operation::kProgram && request_.verify;
  holdInformation_ = verify;
  heldMessage_.reset();
  bool closes = operations_.Start();
  holdInformation_ = false;
  if (!context_.completed) {
    SetResult(ToQt(CauseText() + " " + ConsequenceText()), true);
  } else if (verify) {
    closes = VerifyProgrammed();
  } else if (request_.operation == Operation::kRead) {
    KeepBackup();
  } else {
    SetResult(windowTitle() + ": complete.", false);
  }
  return closes;
}

// Reads the programmed memory back and compares it with the image that was sent.
bool TransferDialog::VerifyProgrammed() {
  SetResult("Programmed. Reading the radio back to verify it...", false);
  progress_.EnterPhase(kReadBackPhase);
  std::vector<std::uint8_t> readBack;
  const bool read = operations_.ReadRadio(readBack);
  const RadioImage& image = document_.image;
  const std::optional<int> difference =
      read ? memory_plan::FirstProgrammedDifference(image.Bytes(), readBack) : std::nullopt;
  if (read && !difference) {
    SetResult("Programmed and verified: the radio holds what was sent.", false);
    if (heldMessage_) Show(*heldMessage_);
    return true;
  }
  context_.completed = false;
  if (difference) {
    const auto at = static_cast<std::size_t>(*difference);
    SetResult(ToQt("Verify failed at 0x" + HexAddress(*difference) + ": the radio holds 0x" +
                   HexLength(readBack[at]) + ", the image 0x" + HexLength(image[at]) +
                   ". Press OK to program the radio again."),
              true);
  } else {
    SetResult(ToQt("Programmed, but not verified: " + CauseText()), true);
  }
  return false;
}

void TransferDialog::KeepBackup() {
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
    return "No answer from the radio on " + device +
           ". Check the cable, that the radio shows PC CONTROL and the port under Options > "
           "SerialPort, then press OK to try again.";
  }
  if (flags.errorFlag) {
    return "Stopped: " + (lastError_.empty() ? std::string("the radio did not answer as expected.")
                                             : lastError_);
  }
  return "The radio did not report ready.";
}

std::string TransferDialog::ConsequenceText() const {
  if (request_.operation == Operation::kRead) return "The document is unchanged.";
  if (!progress_.Started()) return "The radio was not changed.";
  if (request_.operation == Operation::kProgram) return "The radio may be partly programmed.";
  return "The radio may be partly cleared.";
}

}  // namespace kol::editor
