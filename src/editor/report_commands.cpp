#include "editor/report_commands.h"

#include <QPrinter>

#include <filesystem>

#include "editor/dialogs/report_window.h"
#include "editor/document_controller.h"
#include "editor/busy_scope.h"
#include "files/atomic_file.h"
#include "report/printed_report.h"
#include "report/qt_print_renderer.h"

namespace kol::editor {
namespace {

constexpr char kPdfFilter[] = "PDF files(*.pdf)|*.pdf|All files(*.*)|*.*";

}  // namespace

void ReportCommands::ShowReportWindow() {
  ReportWindow window(controller_.Doc(), controller_.Flags(), host_, prompts_, &window_);
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
  const std::string proposed =
      document.path.empty()
          ? std::string("report.pdf")
          : std::filesystem::path(document.path).replace_extension(".pdf").filename().string();
  flags.cancelFlag = true;
  const std::string path =
      prompts_.AskSavePath({kPdfFilter, controller_.DialogFolder(), proposed, "Export PDF"});
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
