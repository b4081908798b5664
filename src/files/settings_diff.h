// Two documents of one model set side by side: every setting of the settings file whose
// value differs, named as the file and the window name it, and the bytes a programming run
// would write differently though no setting holds them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/document.h"

namespace kol {

struct SettingDifference {
  std::string section;  // settings-file section: "DSC Setup (Basic Setup)", "CHEXP7"
  std::string key;      // its key: "User MMSI"
  std::string caption;  // the window's page and control, empty when no control shows it
  std::string a;        // the value in each document, as the settings file writes it
  std::string b;
};

struct DocumentDifferences {
  // In settings-file order. One value written two ways the radio holds alike (a name with
  // trailing blanks, an MMSI with or without its pad digit) is not a difference.
  std::vector<SettingDifference> settings;
  // Programmed bytes (the radio's product code aside) in which the two images differ
  // beyond their settings: programming one document over the other would change them.
  int otherBytes = 0;
  std::optional<int> firstOtherByte;

  bool None() const { return settings.empty() && otherBytes == 0; }
};

DocumentDifferences CompareDocuments(const Document& a, const Document& b);

// "2 bytes that programming writes and no setting holds differ, the first at 0x001F"; empty
// when there are none.
std::string OtherBytesText(const DocumentDifferences& differences);

}  // namespace kol
