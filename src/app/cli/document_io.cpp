#include "app/cli/document_io.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "app/cli/formats.h"

namespace kol::cli {
namespace {

std::string Lower(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

template <typename Pick>
std::string ExtensionList(Pick pick) {
  std::string list;
  for (const DocumentFormat& format : DocumentFormats()) {
    if (!pick(format)) continue;
    if (!list.empty()) list += ", ";
    list += format.extension;
  }
  return list;
}

}  // namespace

std::span<const DocumentFormat> DocumentFormats() {
  static const std::vector<DocumentFormat> kFormats = {
      // One row per format, defined in formats.h.
      {".dat", "settings file", LoadSettingsFile, SaveSettingsFile},
      {".hex", "raw memory image", LoadHexImage, SaveHexImage},
      {".txt", "report text", nullptr, SaveReportText},
      {".pdf", "printed report (PDF)", nullptr, SaveReportPdf},
  };
  return kFormats;
}

const DocumentFormat* FormatOf(std::string_view path) {
  const std::string lower = Lower(path);
  for (const DocumentFormat& format : DocumentFormats()) {
    if (lower.size() > format.extension.size() && lower.ends_with(format.extension)) return &format;
  }
  return nullptr;
}

std::string ReadableExtensions() {
  return ExtensionList([](const DocumentFormat& f) { return f.load != nullptr; });
}

std::string WritableExtensions() {
  return ExtensionList([](const DocumentFormat& f) { return f.save != nullptr; });
}

}  // namespace kol::cli
