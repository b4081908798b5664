#include "report/printed_report.h"

#include "report/report_content.h"

namespace kol {
namespace {

constexpr double kFooterOffsetMm = 85;  // about the middle of the paper
// The general settings share the first page; every section from ATIS on starts one.
bool StartsPage(ReportSectionId id) {
  return id == ReportSectionId::kUsable || id >= ReportSectionId::kAtis;
}

PrintedLine Placed(const ReportLine& line) {
  PrintedLine placed;
  for (const ReportCell& cell : line) {
    if (!cell.text.empty()) placed.push_back({cell.offsetMm, cell.text});
  }
  return placed;
}

}  // namespace

std::string PageHeading(const ModelProfile& profile) { return profile.modelName + " Kolvane"; }

PrintedReport BuildPrintedReport(const SettingsModel& model, const ModelProfile& profile) {
  PrintedReport report;
  for (const ReportSection& section :
       BuildReportSections(model, profile, ReportRendering::kPrint)) {
    if (StartsPage(section.id)) {
      PrintedPage& page = report.pages.emplace_back();
      // The ATIS page continues the settings and goes without heading.
      if (section.id != ReportSectionId::kAtis) {
        page.topMm = kPageHeadingTopMm;
        page.lines.push_back({{0, PageHeading(profile)}});
        page.lines.emplace_back();
      }
    }
    PrintedPage& page = report.pages.back();
    if (section.columnHeadingLines > 0) {
      page.columnHeadingAt = page.lines.size() + section.columnHeadingAt;
      page.columnHeadingLines = section.columnHeadingLines;
    }
    for (const ReportLine& line : section.lines) page.lines.push_back(Placed(line));
  }
  return report;
}

std::vector<PrintedSheet> LayOutSheets(const PrintedReport& report, double lineMm,
                                       double sheetHeightMm) {
  const double bodyEndMm = sheetHeightMm - kFooterLines * lineMm;
  std::vector<PrintedSheet> sheets;
  for (const PrintedPage& page : report.pages) {
    const std::size_t headingEnd = page.columnHeadingAt + page.columnHeadingLines;
    sheets.push_back({page.topMm, {}, 0, {}});
    double top = page.topMm;
    bool placed = false;  // a line of the page itself is on the sheet: it may end here
    for (std::size_t i = 0; i < page.lines.size(); ++i) {
      if (placed && top + lineMm > bodyEndMm) {
        sheets.push_back({0, {}, 0, {}});
        top = 0;
        placed = false;
        if (page.columnHeadingLines > 0 && i >= headingEnd) {
          for (std::size_t h = page.columnHeadingAt; h < headingEnd; ++h) {
            sheets.back().lines.push_back(page.lines[h]);
            top += lineMm;
          }
        }
      }
      sheets.back().lines.push_back(page.lines[i]);
      top += lineMm;
      placed = true;
    }
  }
  const std::string count = std::to_string(sheets.size());
  for (std::size_t n = 0; n < sheets.size(); ++n) {
    sheets[n].footerTopMm = sheetHeightMm - lineMm;
    sheets[n].footer = {kFooterOffsetMm, "Page " + std::to_string(n + 1) + " of " + count};
  }
  return sheets;
}

}  // namespace kol
