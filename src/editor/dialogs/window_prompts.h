// What the window asks the user beyond message boxes: file names and the printer. The
// program shows Qt's dialogs; tests answer from a script and record every request.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "model/prompts.h"

class QPrinter;

namespace kol::editor {

struct FileRequest {
  // Filters as pairs of description and pattern joined by "|":
  // "KOL settings (*.dat)|*.dat|All files (*)|*".
  std::string filter;
  std::string folder;    // where the dialog starts
  std::string fileName;  // proposed name (save dialogs)
  std::string title;
};

// The kinds of file the window's dialogs offer, each with every file as the other choice.
inline constexpr char kSettingsFileFilter[] = "KOL settings (*.dat)|*.dat|All files (*)|*";
inline constexpr char kImageFileFilter[] = "Radio images (*.hex)|*.hex|All files (*)|*";
inline constexpr char kListFileFilter[] = "CSV files (*.csv)|*.csv|All files (*)|*";
inline constexpr char kPdfFileFilter[] = "PDF files (*.pdf)|*.pdf|All files (*)|*";
inline constexpr char kTextFileFilter[] = "Text files (*.txt)|*.txt|All files (*)|*";

class WindowPrompts : public Prompts {
 public:
  // The chosen path, or empty when the dialog was cancelled. The open dialog accepts a
  // name of a file that does not exist only when `mustExist` is false.
  virtual std::string AskOpenPath(const FileRequest& request, bool mustExist) = 0;
  // The save dialog asks before an existing file is overwritten.
  virtual std::string AskSavePath(const FileRequest& request) = 0;
  // Shows the print dialog for `printer`; false when it was cancelled.
  virtual bool AskPrinter(QPrinter& printer) = 0;
  // Shows the print preview; `paint` draws the pages on the printer it is given, the
  // preview's own or the one the user prints on from there.
  virtual void PreviewPrint(const std::function<void(QPrinter&)>& paint) = 0;
  // Shows `folder` in the desktop's file manager.
  virtual void OpenFolder(const std::string& folder) = 0;
  // A line of text typed by the user (a device path); nothing when cancelled.
  virtual std::optional<std::string> AskText(const std::string& title, const std::string& label,
                                             const std::string& initial) = 0;
};

}  // namespace kol::editor
