#include "app/cli/document_io.h"

#include <algorithm>
#include <cctype>
#include <ostream>
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

const DocumentFormat* ReadableFormat(const std::string& path, Io& io) {
  const DocumentFormat* format = FormatOf(path);
  if (format != nullptr && format->load != nullptr) return format;
  io.err << "kolprog-cli: cannot read '" << path << "' (readable: "
         << ExtensionList([](const DocumentFormat& f) { return f.load != nullptr; }) << ")\n";
  return nullptr;
}

const DocumentFormat* WritableFormat(const std::string& path, Io& io) {
  const DocumentFormat* format = FormatOf(path);
  if (format != nullptr && format->save != nullptr) return format;
  io.err << "kolprog-cli: cannot write '" << path << "' (writable: "
         << ExtensionList([](const DocumentFormat& f) { return f.save != nullptr; }) << ")\n";
  return nullptr;
}

}  // namespace kol::cli
