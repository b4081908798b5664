#include "report/printed_report.h"

#include "report/report_content.h"

namespace kol {
namespace {

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
    for (const ReportLine& line : section.lines) {
      report.pages.back().lines.push_back(Placed(line));
    }
  }
  return report;
}

}  // namespace kol
