// What the report says, section by section: every line as cells that carry both a column
// width (text rendering) and a millimetre offset (printed rendering).
#pragma once

#include <string>
#include <vector>

#include "model/model_profile.h"
#include "model/settings_model.h"

namespace kol {

// The two renderings word a few lines differently and the printed one pairs some rows.
enum class ReportRendering { kText, kPrint };

// In report order; the printed pages rely on it.
enum class ReportSectionId {
  kUsable,
  kCommon,
  kDscBasic,
  kDscAdvanced,
  kDscDisplay,
  kDscAutoPos,
  kAtis,
  kUsaChannels,
  kInternationalChannels,
  kCanadaChannels,
  kWeatherChannels,
  kMemoryId,
  kGroupId,
  kExpChannels,
};

struct ReportCell {
  std::string text;
  int width = 0;         // columns in the text rendering; 0 = the text as it stands
  double offsetMm = 0;   // left edge in the printed rendering
};

using ReportLine = std::vector<ReportCell>;  // no cells: an empty line

struct ReportSection {
  ReportSectionId id;
  std::vector<ReportLine> lines;  // from the leading empty line (if any) to the last row
  // The column heading of the section's table (its words and their underlines): where it
  // stands in `lines` and how many lines it has; none when the section has no table.
  std::size_t columnHeadingAt = 0;
  std::size_t columnHeadingLines = 0;
};

// The sections of the model in report order, gated by the model's ATIS, weather-channel
// and weather-alert flags. Reads the model only.
std::vector<ReportSection> BuildReportSections(const SettingsModel& model,
                                               const ModelProfile& profile,
                                               ReportRendering rendering);

}  // namespace kol
