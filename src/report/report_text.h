// The report text: every setting of the document as fixed-width lines joined by CR LF,
// as the report window shows it and a .txt report file holds it.
#pragma once

#include <string>

#include "model/model_profile.h"
#include "model/settings_model.h"

namespace kol {

inline constexpr const char* kReportLineEnd = "\r\n";

// The whole report, without a line end after its last line. Reads the model only.
std::string BuildReportText(const SettingsModel& model, const ModelProfile& profile);

}  // namespace kol
