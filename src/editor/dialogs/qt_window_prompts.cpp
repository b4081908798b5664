#include "editor/dialogs/qt_window_prompts.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QUrl>

namespace kol::editor {
namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::kCritical: return QMessageBox::Critical;
    case MessageIcon::kQuestion: return QMessageBox::Question;
    case MessageIcon::kExclamation: return QMessageBox::Warning;
    case MessageIcon::kInformation: return QMessageBox::Information;
    case MessageIcon::kNone: break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons BoxButtons(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::kOk: return QMessageBox::Ok;
    case MessageButtons::kOkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::kRetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
    case MessageButtons::kYesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::kYesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

QMessageBox::StandardButton BoxButton(MessageButton button) {
  switch (button) {
    case MessageButton::kOk: return QMessageBox::Ok;
    case MessageButton::kCancel: return QMessageBox::Cancel;
    case MessageButton::kRetry: return QMessageBox::Retry;
    case MessageButton::kYes: return QMessageBox::Yes;
    case MessageButton::kNo: return QMessageBox::No;
  }
  return QMessageBox::Ok;
}

MessageButton Pressed(int button, const Message& message) {
  switch (button) {
    case QMessageBox::Ok: return MessageButton::kOk;
    case QMessageBox::Cancel: return MessageButton::kCancel;
    case QMessageBox::Retry: return MessageButton::kRetry;
    case QMessageBox::Yes: return MessageButton::kYes;
    case QMessageBox::No: return MessageButton::kNo;
    default: break;
  }
  // Closed with Escape or the title bar: the box's cancelling answer.
  switch (message.buttons) {
    case MessageButtons::kOk: return MessageButton::kOk;
    case MessageButtons::kYesNo: return MessageButton::kNo;
    default: return MessageButton::kCancel;
  }
}

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

QString QtFilterText(const std::string& filter) {
  const QStringList parts = ToQt(filter).split('|');
  QStringList entries;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    const QString& description = parts[i];
    const QString& pattern = parts[i + 1];
    // Qt takes the patterns from the last brackets of an entry.
    entries << (description.endsWith("(" + pattern + ")") ? description
                                                          : description + " (" + pattern + ")");
  }
  return entries.join(";;");
}

// Over the modal dialog that asks (the transfer dialog, the report window), else over the
// main window.
QWidget* QtWindowPrompts::DialogParent() const {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return parent_ ? parent_.data() : QApplication::activeWindow();
}

std::unique_ptr<QMessageBox> NewMessageBox(const Message& message, QWidget* parent) {
  auto box = std::make_unique<QMessageBox>(BoxIcon(message.icon), ToQt(message.title),
                                           ToQt(message.text), BoxButtons(message.buttons), parent);
  box->setObjectName("MessageBox");
  box->setDefaultButton(BoxButton(message.defaultButton));
  QStringList lines;
  if (!message.explanation.empty()) lines << ToQt(message.explanation);
  // The file and the reason are what the user acts on: in view, not behind a button.
  if (!message.file.empty()) {
    lines << ToQt(FileAndReason(message));
  } else if (!message.details.empty()) {
    box->setDetailedText(ToQt(message.details));
  }
  box->setInformativeText(lines.join('\n'));
  return box;
}

MessageButton QtWindowPrompts::Show(const Message& message) {
  const std::unique_ptr<QMessageBox> box = NewMessageBox(message, DialogParent());
  return Pressed(box->exec(), message);
}

std::string QtWindowPrompts::AskOpenPath(const FileRequest& request, bool mustExist) {
  QFileDialog dialog(DialogParent(), ToQt(request.title), ToQt(request.folder), QtFilterText(request.filter));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::ReadOnly, false);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first().toStdString();
}

std::string QtWindowPrompts::AskSavePath(const FileRequest& request) {
  QFileDialog dialog(DialogParent(), ToQt(request.title), ToQt(request.folder), QtFilterText(request.filter));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  if (!request.fileName.empty()) dialog.selectFile(ToQt(request.fileName));
  // The first filter's extension when the name has none, as "name" -> "name.dat".
  const QStringList parts = ToQt(request.filter).split('|');
  if (parts.size() >= 2 && parts[1].startsWith("*.") && parts[1] != "*.*") {
    dialog.setDefaultSuffix(parts[1].mid(2));
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first().toStdString();
}

bool QtWindowPrompts::AskPrinter(QPrinter& printer) {
  QPrintDialog dialog(&printer, DialogParent());
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
  return dialog.exec() == QDialog::Accepted;
}

void QtWindowPrompts::PreviewPrint(const std::function<void(QPrinter&)>& paint) {
  QPrinter printer(QPrinter::HighResolution);
  QPrintPreviewDialog dialog(&printer, DialogParent());
  dialog.setObjectName("frmPrintPreview");
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                   [&paint](QPrinter* target) { paint(*target); });
  dialog.exec();
}

void QtWindowPrompts::OpenFolder(const std::string& folder) {
  if (QDesktopServices::openUrl(QUrl::fromLocalFile(ToQt(folder)))) return;
  Show({"Open Folder", "No program could show the folder.", MessageIcon::kExclamation,
        MessageButtons::kOk, MessageButton::kOk, {}, folder});
}

std::optional<std::string> QtWindowPrompts::AskText(const std::string& title,
                                                    const std::string& label,
                                                    const std::string& initial) {
  bool ok = false;
  const QString text = QInputDialog::getText(DialogParent(), ToQt(title), ToQt(label),
                                             QLineEdit::Normal, ToQt(initial), &ok);
  if (!ok) return std::nullopt;
  return text.toStdString();
}

}  // namespace kol::editor
