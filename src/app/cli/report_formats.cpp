// The report formats of the format table: the report text (.txt) and the printed report
// as PDF (.pdf). Both are written in one piece, so a failed write leaves no file behind.
#include <QCoreApplication>
#include <QGuiApplication>
#include <QString>

#include "app/cli/formats.h"
#include "files/atomic_file.h"
#include "report/printed_report.h"
#include "report/qt_print_renderer.h"
#include "report/report_text.h"

namespace kol::cli {
namespace {

// A failed save shows the reason in a box titled with the model name and the window
// title, and marks the command as failed and not completed.
bool SaveFailed(Session& session, const std::string& text) {
  Document& document = session.document;
  document.flags.errorFlag = true;
  document.flags.cancelFlag = true;
  session.host.Tell(document.profile.modelName + " " + document.profile.WindowTitle(), text,
                    MessageIcon::kExclamation);
  return false;
}

bool SaveBytes(Session& session, const std::string& path, std::string_view bytes) {
  session.document.flags.errorFlag = false;
  std::string error;
  if (!WriteFileAtomically(path, bytes, &error)) return SaveFailed(session, path + ": " + error);
  return true;
}

}  // namespace

std::string ReportFileText(const Document& document) {
  return BuildReportText(document.model, document.profile) + kReportLineEnd;
}

bool SaveReportText(Session& session, const std::string& path) {
  return SaveBytes(session, path, ReportFileText(session.document));
}

bool SaveReportPdf(Session& session, const std::string& path) {
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
    return SaveFailed(session, "The printed report needs fonts, which this run has not loaded.");
  }
  const Document& document = session.document;
  const QByteArray pdf =
      PrintedReportPdf(BuildPrintedReport(document.model, document.profile),
                       QString::fromStdString(PageHeading(document.profile)));
  if (pdf.isEmpty()) return SaveFailed(session, "The printed report could not be drawn.");
  return SaveBytes(session, path, std::string_view(pdf.constData(), pdf.size()));
}

}  // namespace kol::cli
