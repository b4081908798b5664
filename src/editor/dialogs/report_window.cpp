#include "editor/dialogs/report_window.h"

#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/busy_scope.h"
#include "editor/widgets/fixed_pitch_font.h"
#include "files/atomic_file.h"
#include "report/report_text.h"

namespace kol::editor {
namespace {

constexpr int kStartDelayMs = 10;

}  // namespace

ReportWindow::ReportWindow(const Document& document, AppFlags& flags, FileHost& host,
                           WindowPrompts& prompts, FileRequest saveAs, QWidget* parent)
    : QDialog(parent),
      document_(document),
      flags_(flags),
      host_(host),
      prompts_(prompts),
      saveAs_(std::move(saveAs)) {
  setObjectName("frmPrn");
  setWindowTitle("Print to File");
  setModal(true);

  auto* menuBar = new QMenuBar(this);
  QMenu* file = menuBar->addMenu("&File");
  file->setObjectName("mnuFile");
  QAction* save = file->addAction("&Save As...", this, [this] { SaveAs(); });
  save->setObjectName("mnuFileSave");
  save->setShortcut(QKeySequence::SaveAs);
  QAction* exit = file->addAction("&Exit", this, &QDialog::accept);
  exit->setObjectName("mnuFileExit");

  text_ = new QPlainTextEdit(this);
  text_->setObjectName("txtPrn");
  text_->setFont(FixedPitchFont());
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setTabChangesFocus(true);  // Tab reaches the OK button
  text_->setPlainText(kReportWaitText);
  ok_ = new QPushButton("OK", this);
  ok_->setObjectName("cmdOK");
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(menuBar);
  layout->addWidget(text_, 1);
  layout->addLayout(buttons);
  resize(558, 409);

  // The text is built once the window has been drawn, so its wait text is seen.
  timer_.setObjectName("Timer1");
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &ReportWindow::BuildText);
  timer_.start(kStartDelayMs);
}

QString ReportWindow::Text() const { return text_->toPlainText(); }

void ReportWindow::BuildText() {
  timer_.stop();
  BusyScope busy(this);
  // The report is single-byte text, as the settings file is.
  text_->setPlainText(QString::fromLatin1(BuildReportText(document_.model, document_.profile)));
  host_.Pause();
}

bool ReportWindow::SaveAs() {
  const std::string path = prompts_.AskSavePath(saveAs_);
  if (path.empty()) {
    flags_.cancelFlag = true;
    return false;
  }
  return WriteText(path);
}

bool ReportWindow::WriteText(const std::string& path) {
  flags_.errorFlag = false;
  std::string error;
  bool written = false;
  {
    BusyScope busy(this);
    // The box shows lines; the file has the report's CR LF line ends and one more at its end.
    const QByteArray text = text_->toPlainText().replace('\n', "\r\n").toLatin1() + "\r\n";
    written = WriteFileAtomically(path, std::string_view(text.constData(), text.size()), &error);
    if (written) host_.Pause();
  }
  if (written) return true;
  flags_.errorFlag = true;
  host_.Tell(document_.profile.modelName + " " + document_.profile.WindowTitle(),
             path + ": " + error, MessageIcon::kExclamation);
  flags_.cancelFlag = true;
  return false;
}

}  // namespace kol::editor
