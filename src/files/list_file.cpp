#include "files/list_file.h"

#include <cerrno>

#include "files/atomic_file.h"
#include "files/file_read.h"

namespace kol {

bool WriteListFile(const std::string& path, ListId list, Document& document, FileHost& host) {
  document.flags.errorFlag = false;
  int errorNumber = 0;
  if (WriteFileAtomically(path, ListCsv(document.model, list), nullptr, &errorNumber)) return true;
  document.flags.errorFlag = true;
  ReportFileFailure("frmMain.ExportList", errorNumber, "FileSave Error!!", document, host, path,
                    {}, "The list could not be saved in this file.");
  return false;
}

std::optional<std::string> ReadListFile(const std::string& path, Document& document,
                                        FileHost& host) {
  document.flags.errorFlag = false;
  int errorNumber = 0;
  std::optional<std::string> text = ReadWholeFile(path, &errorNumber, kLargestListFile);
  if (!text) {
    document.flags.errorFlag = true;
    ReportFileFailure("frmMain.ImportList", errorNumber, "FileRead Error!!", document, host, path,
                      errorNumber == EFBIG
                          ? TooLargeReason(path, kLargestListFile, "a list file")
                          : std::string(),
                      "The list file could not be read.");
  }
  return text;
}

}  // namespace kol
