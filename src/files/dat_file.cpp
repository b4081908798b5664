#include "files/dat_file.h"

#include <cerrno>

#include "files/atomic_file.h"
#include "files/dat_text.h"
#include "files/file_read.h"
#include "files/ini_file.h"
#include "files/section_table.h"
#include "files/startup.h"
#include "model/number_text.h"

namespace kol {
namespace {

// Only MODELTYPE of the first MAIN section counts; MODEL, TYPE and VERSION are not read.
bool ModelTypeMatches(std::string_view text, const ModelProfile& profile) {
  return ParseNumber(IniValue(text, "MAIN", "MODELTYPE")) == profile.modelCode;
}

}  // namespace

bool ApplySettingsText(std::string_view text, Document& document) {
  if (!ModelTypeMatches(text, document.profile)) return false;
  ApplySettingsTable(SectionTable::Parse(text), document.profile, document.model);
  return true;
}

bool WriteSettingsFile(const std::string& path, Document& document, FileHost& host) {
  document.flags.errorFlag = false;
  UpdateLockScope lock(document.flags);
  int errorNumber = 0;
  if (!WriteFileAtomically(path, FormatSettingsText(document.model, document.profile), nullptr,
                           &errorNumber)) {
    document.flags.errorFlag = true;
    ReportFileFailure("frmMain.SaveFileAs", errorNumber, "FileSave Error!!", document, host,
                      path, {}, "The settings could not be saved in this file.");
    return false;
  }
  host.Pause();
  return true;
}

bool ReadSettingsFile(const std::string& path, Document& document, FileHost& host) {
  document.flags.errorFlag = false;
  UpdateLockScope lock(document.flags);
  const std::string keptPath = document.path;
  ResetDocument(document, host, true);
  document.path = keptPath;

  int errorNumber = 0;
  const std::optional<std::string> text = ReadWholeFile(path, &errorNumber, kLargestSettingsFile);
  if (!text) {
    document.flags.errorFlag = true;
    ReportFileFailure("frmMain.FileRead2", errorNumber, "FileRead Error!!", document, host, path,
                      errorNumber == EFBIG
                          ? TooLargeReason(path, kLargestSettingsFile, "a settings file")
                          : std::string(),
                      "The settings file could not be read.");
    return false;
  }
  if (!ApplySettingsText(*text, document)) {
    host.Tell(document.profile.WindowTitle(), "ModelType Error !!", MessageIcon::kCritical, {},
              path, "This file is not a settings file for the " + document.profile.modelName + ".");
    document.flags.errorFlag = true;
  }
  host.Pause();
  return !document.flags.errorFlag;
}

}  // namespace kol
