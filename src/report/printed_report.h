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
};

using PrintedLine = std::vector<PlacedText>;  // no texts: an empty line

struct PrintedPage {
  double topMm = 0;  // where the first line starts, below the top of the printable area
  std::vector<PrintedLine> lines;
};

struct PrintedReport {
  std::vector<PrintedPage> pages;
};

// "LZ3300T Kolvane": the heading of every page but the ATIS page.
std::string PageHeading(const ModelProfile& profile);

// Page 1 holds the general settings; ATIS follows on a page of its own without heading;
// every channel table and directory starts a new page. Reads the model only.
PrintedReport BuildPrintedReport(const SettingsModel& model, const ModelProfile& profile);

}  // namespace kol
