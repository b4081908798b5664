#include "report/report_text.h"

#include "report/report_content.h"

namespace kol {
namespace {

// A cell padded with blanks or cut to its width; the last column is padded too, so rows
// end in blanks.
void AppendCell(std::string& line, const ReportCell& cell) {
  if (cell.width <= 0) {
    line += cell.text;
    return;
  }
  const std::size_t width = static_cast<std::size_t>(cell.width);
  line.append(cell.text, 0, width);
  if (cell.text.size() < width) line.append(width - cell.text.size(), ' ');
}

}  // namespace

std::string BuildReportText(const SettingsModel& model, const ModelProfile& profile) {
  std::string text;
  bool first = true;
  for (const ReportSection& section : BuildReportSections(model, profile, ReportRendering::kText)) {
    for (const ReportLine& line : section.lines) {
      if (!first) text += kReportLineEnd;
      first = false;
      for (const ReportCell& cell : line) AppendCell(text, cell);
    }
  }
  return text;
}

}  // namespace kol
