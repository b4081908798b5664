// The check before programming: what the radio would hold after programming a document,
// set against what the document says. Run before Program to Radio, `program` and `check`.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/document.h"

namespace kol {

enum class CheckSeverity {
  kWarning,  // the radio takes it, but it is probably not meant
  kError,    // the radio would hold something else than the document says
};

// The setting a finding is about, as the settings file names it. The window finds the page
// and control that show a setting from these two.
struct CheckPlace {
  std::string section;  // settings-file section: "DSC Setup (Basic Setup)", "CHEXP7"
  std::string key;      // its key: "User MMSI", "Rxfreq"

  bool operator==(const CheckPlace&) const = default;
};

struct CheckFinding {
  CheckSeverity severity = CheckSeverity::kError;
  CheckPlace place;
  std::string message;        // what is wrong, in one sentence
  std::string documentValue;  // the field's value as the settings file writes it (no "#")
  std::optional<std::string> radioValue;  // what the radio would get, in the same form
};

// Encodes and prepares a copy of the document exactly as programming does, decodes what
// that image holds, and reports each field the radio would hold differently (errors) and
// each setting it takes that is probably not meant (warnings), in settings-file order.
std::vector<CheckFinding> CheckForProgramming(const Document& document);

bool HasErrors(std::span<const CheckFinding> findings);

}  // namespace kol
