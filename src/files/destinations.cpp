#include "files/destinations.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "files/app_settings.h"
#include "files/data_folders.h"
#include "files/hex_file.h"
#include "files/system_error_text.h"
#include "files/text_lines.h"

namespace kol {
namespace {

namespace fs = std::filesystem;

constexpr char kLoadProcedure[] = "frmMain.FileReadIni";
constexpr std::string_view kMobileSuffix = "-M";

bool EndsWithIgnoringCase(std::string_view text, std::string_view end) {
  return text.size() >= end.size() &&
         EqualsIgnoringCase(text.substr(text.size() - end.size()), end);
}

// The names of the regular files in `folder` that end in `ending` (any case), in
// alphabetical order without regard to case.
std::vector<std::string> FilesEndingIn(const std::string& folder, std::string_view ending) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    std::error_code typeError;
    if (EndsWithIgnoringCase(name, ending) && it->is_regular_file(typeError)) names.push_back(name);
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return UpperAscii(a) < UpperAscii(b);
  });
  return names;
}

// The destination's image file in the data folders, its name matched without regard to
// case as the listing matches it: "intl_0CE4.ini" is the file of INTL.
std::string DestinationFilePath(std::string_view name, const ModelProfile& profile) {
  const std::string file = DestinationFileName(name, profile);
  for (const std::string& folder : DataFolders(profile.programFolder)) {
    for (const std::string& found : FilesEndingIn(folder, file)) {
      if (EqualsIgnoringCase(found, file)) return (fs::path(folder) / found).string();
    }
  }
  return (fs::path(profile.programFolder) / file).string();
}

}  // namespace

std::string ModelTag(const ModelProfile& profile) {
  if (!profile.IsBuiltIn()) return {};
  char tag[8];
  std::snprintf(tag, sizeof tag, "_%04X", static_cast<unsigned>(profile.modelIdentifier) & 0xFFFFu);
  return tag;
}

std::vector<std::string> ListDestinations(const ModelProfile& profile) {
  const std::string ending = ModelTag(profile) + ".ini";
  for (const std::string& folder : DataFolders(profile.programFolder)) {
    std::vector<std::string> names;
    for (const std::string& file : FilesEndingIn(folder, ending)) {
      const std::string name = UpperAscii(file.substr(0, file.find('_')));
      if (!name.empty()) names.push_back(name);
      if (names.size() == kMaxDestinations) break;
    }
    if (!names.empty()) return names;
  }
  return {};
}

std::string DestinationFileName(std::string_view name, const ModelProfile& profile) {
  std::string base = UpperAscii(name);
  if (base.size() > kMobileSuffix.size() && EndsWithIgnoringCase(base, kMobileSuffix)) {
    base.resize(base.size() - kMobileSuffix.size());
  }
  return base + ModelTag(profile) + ".ini";
}

bool LoadImageFile(const std::string& path, Document& document, FileHost& host) {
  const ImageFileResult result = LoadImageIntoDocument(path, document, host);
  if (result.status == ImageFileStatus::kIoError) {
    host.log.Write(kLoadProcedure, SystemErrorText(result.errorNumber));
  }
  return result.Ok();
}

bool LoadDestination(std::string_view name, Document& document, FileHost& host) {
  const std::string path = DestinationFilePath(name, document.profile);
  if (!LoadImageFile(path, document, host)) {
    host.Tell(document.profile.WindowTitle(), "IniFileRead Error!!", MessageIcon::kExclamation, {},
              path, kDestinationMissing);
    return false;
  }
  document.destination = UpperAscii(name);
  SaveDestination(host.store, document.profile.modelCode, document.destination);
  return true;
}

bool ChangeDestination(std::string_view name, Document& document, FileHost& host) {
  const MessageButton answer = host.prompts.Show(
      {document.profile.WindowTitle(), "Do you want to change to " + std::string(name) + "?",
       MessageIcon::kQuestion, MessageButtons::kOkCancel, MessageButton::kOk});
  if (answer != MessageButton::kOk) return false;
  return LoadDestination(name, document, host);
}

}  // namespace kol
