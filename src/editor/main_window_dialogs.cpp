// The main window's dialogs: the transfer dialog behind the Transfer menu and the DSC
// page's clear buttons (programming after the check of what the radio would get), the report
// window, printing and the PDF export, the hex view of debug mode and its image files
// (Ctrl+F2 opens one, Ctrl+F3 saves one).
#include <QAction>
#include <QPrinter>
#include <QTreeWidgetItem>
#include <QVBoxLayout>

#include <filesystem>

#include "editor/dialogs/hex_view.h"
#include "editor/dialogs/report_window.h"
#include "editor/dialogs/transfer_dialog.h"
#include "editor/main_window.h"
#include "editor/widgets/busy_scope.h"
#include "files/app_settings.h"
#include "files/atomic_file.h"
#include "files/hex_file.h"
#include "files/programming_check.h"
#include "link/qt_serial_port.h"
#include "report/printed_report.h"
#include "report/qt_print_renderer.h"

namespace kol::editor {
namespace {

// The findings a message lists; the rest are behind its details.
constexpr std::size_t kShownFindings = 8;

}  // namespace

// ---------------------------------------------------------------------------------------
// Transfers
// ---------------------------------------------------------------------------------------

bool MainWindow::RunTransfer(Operation operation) {
  if (!ValidateCurrentPage()) return false;
  // A read replaces the document: unsaved edits are offered a save first.
  if (operation == Operation::kRead && !AskToSaveChanges()) return false;
  if (operation == Operation::kProgram && !ConfirmProgramming()) return false;
  Document& document = deps_.document;
  TransferRequest request{operation, port_,
                          operation == Operation::kProgram &&
                              actions_.at("mnuOptionsVerify")->isChecked(),
                          deps_.userDataFolder};
  std::unique_ptr<SerialPort> port =
      deps_.makeSerialPort ? deps_.makeSerialPort() : std::make_unique<QtSerialPort>();
  bool completed = false;
  std::string backup;
  {
    TransferDialog dialog(document, deps_.host, std::move(port), std::move(request),
                          [this](const std::string& caption) {
                            OpenHelp(kTransferHelpContext, caption);
                          },
                          this);
    dialog.exec();
    completed = dialog.Completed();
    backup = dialog.BackupPath();
  }
  if (!completed) return false;
  switch (operation) {
    case Operation::kRead:
      // The page shown held the old document: nothing on it is left to check.
      ShowNodeUnchecked(std::string(node_key::kGeneral));
      ReshowCurrentPage();
      RefreshAfterLoad();
      document.path.clear();
      UpdateCaption();
      flags_.dataChanged = false;
      if (!backup.empty()) SetStatusHelp("Read from Radio complete; the radio's memory is kept in " + backup);
      break;
    case Operation::kProgram:
      break;
    case Operation::kClearMmsi:
    case Operation::kClearDscLog:
    case Operation::kClearDistressLog:
    case Operation::kClearCallLog:
      ReshowCurrentPage();
      flags_.dataChanged = true;
      break;
  }
  return true;
}

bool MainWindow::ConfirmProgramming() {
  const Document& document = deps_.document;
  const std::vector<CheckFinding> findings = CheckForProgramming(document);
  if (findings.empty()) return true;
  // Each finding by the page that shows it, as the tree names it.
  std::vector<std::string> lines;
  for (const CheckFinding& finding : findings) {
    const QTreeWidgetItem* node = ItemForKey(finding.place.node);
    const std::string where =
        node ? node->text(0).toStdString() : "[" + finding.place.section + "]";
    std::string line = where + ", " + finding.place.key + ": " + finding.message;
    // Values come from a single-byte settings file.
    if (finding.radioValue) {
      const QString value = QString::fromLatin1(*finding.radioValue);
      line += "; the radio gets \"" + value.toStdString() + "\"";
    }
    lines.push_back(std::move(line));
  }
  std::string shown;
  std::string all;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i < kShownFindings) shown += "- " + lines[i] + "\n";
    all += lines[i] + "\n";
  }
  if (lines.size() > kShownFindings) {
    shown += "... and " + std::to_string(lines.size() - kShownFindings) + " more (Show Details)\n";
  }
  const bool errors = HasErrors(findings);
  const std::string text =
      errors ? "The radio would not get what this document says:\n\n" + shown +
                   "\nProgram the radio anyway?"
             : "Please check before programming:\n\n" + shown + "\nProgram the radio?";
  const MessageButton answer = deps_.prompts.Show(
      {document.profile.WindowTitle(), text,
       errors ? MessageIcon::kExclamation : MessageIcon::kQuestion,
       errors ? MessageButtons::kYesNo : MessageButtons::kOkCancel,
       errors ? MessageButton::kNo : MessageButton::kOk,
       lines.size() > kShownFindings ? all : std::string()});
  if (answer == MessageButton::kYes || answer == MessageButton::kOk) return true;
  // Where the first finding can be put right.
  const CheckPlace& place = findings.front().place;
  if (SelectNode(place.node) && !place.control.empty() && currentPage_) {
    if (auto* control = currentPage_->findChild<QWidget*>(QString::fromStdString(place.control))) {
      control->setFocus(Qt::OtherFocusReason);
    }
  }
  return false;
}

void MainWindow::ToggleVerify() {
  const bool verify = actions_.at("mnuOptionsVerify")->isChecked();
  deps_.host.store.Write(kVerifyAfterProgrammingSetting.section, kVerifyAfterProgrammingSetting.key,
                         verify ? "1" : "0");
}

// ---------------------------------------------------------------------------------------
// Report window, printing, PDF
// ---------------------------------------------------------------------------------------

void MainWindow::ShowReportWindow() {
  ReportWindow window(deps_.document, deps_.host, deps_.prompts,
                      {kTextFileFilter, DialogFolder(), ProposedFileName(".txt"), "Save As"}, this);
  window.exec();
}

void MainWindow::PrintReport() {
  if (!ValidateCurrentPage()) return;
  const Document& document = deps_.document;
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(QString::fromStdString(PageHeading(document.profile)));
  if (!deps_.prompts.AskPrinter(printer)) return;
  bool printed = false;
  {
    BusyScope busy(this);
    printed = RenderPrintedReport(BuildPrintedReport(document.model, document.profile), printer);
  }
  if (!printed) {
    deps_.prompts.Show({document.profile.WindowTitle(), "The report could not be printed.",
                        MessageIcon::kExclamation});
  }
}

void MainWindow::PreviewReport() {
  if (!ValidateCurrentPage()) return;
  const Document& document = deps_.document;
  const PrintedReport report = BuildPrintedReport(document.model, document.profile);
  deps_.prompts.PreviewPrint([&report](QPrinter& printer) { RenderPrintedReport(report, printer); });
}

// The printed report as a PDF file, as `kolprog-cli convert X out.pdf` writes it.
void MainWindow::ExportPdf() {
  if (!ValidateCurrentPage()) return;
  Document& document = deps_.document;
  document.flags.cancelFlag = true;
  const std::string path = deps_.prompts.AskSavePath(
      {kPdfFileFilter, DialogFolder(), ProposedFileName(".pdf"), "Export PDF"});
  if (path.empty()) return;
  std::string error;
  {
    BusyScope busy(this);
    const QByteArray pdf =
        PrintedReportPdf(BuildPrintedReport(document.model, document.profile),
                         QString::fromStdString(PageHeading(document.profile)));
    if (pdf.isEmpty()) {
      error = "The printed report could not be drawn.";
    } else if (WriteFileAtomically(path, std::string_view(pdf.constData(), pdf.size()), &error)) {
      document.flags.cancelFlag = false;
      return;
    }
  }
  deps_.prompts.Show({document.profile.WindowTitle(), path + ": " + error, MessageIcon::kExclamation});
}

// ---------------------------------------------------------------------------------------
// Hex view
// ---------------------------------------------------------------------------------------

void MainWindow::BuildHexView() {
  hexView_ = new HexView(this);
  hexView_->hide();
  pageAreaLayout_->insertWidget(0, hexView_);
}

void MainWindow::ApplyStoredOptions() {
  const SettingsStore& store = deps_.host.store;
  actions_.at("mnuOptionsVerify")
      ->setChecked(ReadFlagSetting(store, kVerifyAfterProgrammingSetting).value_or(true));
  QAction* hexdump = actions_.at("mnuOptionsHexdump");
  const bool debug = deps_.document.flags.debugMode;
  hexdump->setVisible(debug);
  hexdump->setChecked(ReadFlagSetting(store, kHexVisibleSetting).value_or(false));
  // Outside debug mode there is no way to switch the view off, so it never shows there.
  hexView_->setVisible(debug && hexdump->isChecked());
  hexView_->Fill(deps_.document.image);
}

void MainWindow::ToggleHexView() {
  hexView_->setVisible(actions_.at("mnuOptionsHexdump")->isChecked());
  hexView_->Fill(deps_.document.image);
}

// ---------------------------------------------------------------------------------------
// Image files (debug mode)
// ---------------------------------------------------------------------------------------

void MainWindow::OpenImageFile() {
  Document& document = deps_.document;
  if (!document.flags.debugMode || !ValidateCurrentPage() || !AskToSaveChanges()) return;
  const std::string path =
      deps_.prompts.AskOpenPath({kImageFileFilter, DialogFolder(), {}, "Open Image"}, true);
  if (path.empty()) {
    document.flags.cancelFlag = true;
    return;
  }
  BusyScope busy(this);
  if (!ReadHexFileAs(path, document, deps_.host)) {
    document.flags.cancelFlag = true;
    return;
  }
  document.path = path;
  UpdateCaption();
  flags_.dataChanged = false;
  ShowNodeUnchecked(std::string(node_key::kGeneral));
  RefreshAfterLoad();
  ReshowCurrentPage();
}

void MainWindow::SaveImageFileAs() {
  Document& document = deps_.document;
  if (!document.flags.debugMode || !ValidateCurrentPage()) return;
  const std::string path = deps_.prompts.AskSavePath(
      {kImageFileFilter, DialogFolder(), ProposedFileName(".hex"), "Save Image"});
  if (path.empty()) {
    document.flags.cancelFlag = true;
    return;
  }
  BusyScope busy(this);
  SaveImageFile(path, document, deps_.host);
}

}  // namespace kol::editor
