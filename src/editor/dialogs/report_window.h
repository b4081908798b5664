// The report window frmPrn: shows the report text of the document in a fixed-pitch font,
// built once the window is on screen, and saves the text as shown (edits included) to a
// text file.
#pragma once

#include <QDialog>
#include <QTimer>

#include "editor/dialogs/window_prompts.h"
#include "files/file_host.h"
#include "model/document.h"

class QPlainTextEdit;
class QPushButton;

namespace kol::editor {

class ReportWindow final : public QDialog {
  Q_OBJECT
 public:
  // `flags` get the error and cancel flags of a save; `saveAs` is the dialog its Save As
  // asks with (folder and proposed name).
  ReportWindow(const Document& document, AppFlags& flags, FileHost& host, WindowPrompts& prompts,
               FileRequest saveAs, QWidget* parent = nullptr);

  // File > Save As...: true when the file was written.
  bool SaveAs();
  QString Text() const;

 private:
  void BuildText();
  // Writes the shown text and CR LF to `path` in one piece; false after the message.
  bool WriteText(const std::string& path);

  const Document& document_;
  AppFlags& flags_;
  FileHost& host_;
  WindowPrompts& prompts_;
  FileRequest saveAs_;
  QPlainTextEdit* text_;
  QPushButton* ok_;
  QTimer timer_;
};

inline constexpr const char* kReportWaitText = "Now, making text image. Please wait...";

}  // namespace kol::editor
