// The printed report as data: pages of lines, each line texts placed at millimetre
// offsets. A renderer only has to draw them; the layout rules all live here.
#pragma once

#include <string>
#include <vector>

#include "model/model_profile.h"
#include "model/settings_model.h"

namespace kol {

inline constexpr double kPrintMarginMm = 10;     // added to every offset on paper
inline constexpr double kPageHeadingTopMm = 5;   // below the top of the printable area

struct PlacedText {
  double offsetMm = 0;  // from the left margin
  std::string text;

  bool operator==(const PlacedText&) const = default;
};

using PrintedLine = std::vector<PlacedText>;  // no texts: an empty line

struct PrintedPage {
  double topMm = 0;  // where the first line starts, below the top of the printable area
  std::vector<PrintedLine> lines;
  // The column heading of the page's table, repeated at the top of every further sheet of
  // paper the page runs on to: where it stands in `lines` and how many lines it has.
  std::size_t columnHeadingAt = 0;
  std::size_t columnHeadingLines = 0;
};

struct PrintedReport {
  std::vector<PrintedPage> pages;
};

// One sheet of paper: lines one below the other at the line pitch from `topMm`, and the
// page number at its foot.
struct PrintedSheet {
  double topMm = 0;
  std::vector<PrintedLine> lines;
  double footerTopMm = 0;
  PlacedText footer;  // "Page 2 of 9"
};

// "LZ3300T Kolvane": the heading of every page but the ATIS page.
std::string PageHeading(const ModelProfile& profile);

// Page 1 holds the general settings; ATIS follows on a page of its own without heading;
// every channel table and directory starts a new page. Reads the model only.
PrintedReport BuildPrintedReport(const SettingsModel& model, const ModelProfile& profile);

// Lines kept free at the foot of every sheet: a blank line and the page number.
inline constexpr int kFooterLines = 2;

// The report on sheets of `sheetHeightMm` with lines `lineMm` apart. Each page starts a
// sheet; a page too long for one goes on over further sheets, each of which first repeats
// the column heading of the page's table. Every sheet is numbered "Page n of N".
std::vector<PrintedSheet> LayOutSheets(const PrintedReport& report, double lineMm,
                                       double sheetHeightMm);

}  // namespace kol
