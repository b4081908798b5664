#include "editor/report_commands.h"

#include <QPrinter>

#include "editor/dialogs/report_window.h"
#include "editor/document_controller.h"
#include "editor/busy_scope.h"
#include "files/atomic_file.h"
#include "report/printed_report.h"
#include "report/qt_print_renderer.h"

namespace kol::editor {

void ReportCommands::ShowReportWindow() {
  ReportWindow window(
      controller_.Doc(), controller_.Flags(), host_, prompts_,
      {kTextFileFilter, controller_.DialogFolder(), controller_.ProposedFileName(".txt"), "Save As"},
      &window_);
  window.exec();
}

void ReportCommands::Print() {
  if (!controller_.MayLeavePage()) return;
  const Document& document = controller_.Doc();
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(QString::fromStdString(PageHeading(document.profile)));
  if (!prompts_.AskPrinter(printer)) return;
  bool printed = false;
  {
    BusyScope busy(&window_);
    printed = RenderPrintedReport(BuildPrintedReport(document.model, document.profile), printer);
  }
  if (!printed) {
    prompts_.Show({document.profile.WindowTitle(), "The report could not be printed.",
                   MessageIcon::kExclamation});
  }
}

void ReportCommands::Preview() {
  if (!controller_.MayLeavePage()) return;
  const Document& document = controller_.Doc();
  const PrintedReport report = BuildPrintedReport(document.model, document.profile);
  prompts_.PreviewPrint([&report](QPrinter& printer) { RenderPrintedReport(report, printer); });
}

void ReportCommands::ExportPdf() {
  if (!controller_.MayLeavePage()) return;
  const Document& document = controller_.Doc();
  AppFlags& flags = controller_.Flags();
  flags.cancelFlag = true;
  const std::string path = prompts_.AskSavePath(
      {kPdfFileFilter, controller_.DialogFolder(), controller_.ProposedFileName(".pdf"), "Export PDF"});
  if (path.empty()) return;
  std::string error;
  {
    BusyScope busy(&window_);
    const QByteArray pdf =
        PrintedReportPdf(BuildPrintedReport(document.model, document.profile),
                         QString::fromStdString(PageHeading(document.profile)));
    if (pdf.isEmpty()) {
      error = "The printed report could not be drawn.";
    } else if (WriteFileAtomically(path, std::string_view(pdf.constData(), pdf.size()), &error)) {
      flags.cancelFlag = false;
      return;
    }
  }
  prompts_.Show({document.profile.WindowTitle(), path + ": " + error, MessageIcon::kExclamation});
}

}  // namespace kol::editor
