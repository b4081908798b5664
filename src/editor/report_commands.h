// The report commands of the File menu: the report window (Print to File), printing, the
// print preview and the printed report as a PDF file. Each runs the page check first.
#pragma once

#include "editor/dialogs/window_prompts.h"
#include "files/file_host.h"

class QWidget;

namespace kol::editor {

class DocumentController;

class ReportCommands {
 public:
  // Dialogs open over `window`, which takes no input while the report is drawn.
  ReportCommands(DocumentController& controller, FileHost& host, WindowPrompts& prompts, QWidget& window)
      : controller_(controller), host_(host), prompts_(prompts), window_(window) {}

  void ShowReportWindow();
  void Print();
  void Preview();
  // The printed report as a PDF file, as `kolprog-cli convert X out.pdf` writes it.
  void ExportPdf();

 private:
  DocumentController& controller_;
  FileHost& host_;
  WindowPrompts& prompts_;
  QWidget& window_;
};

}  // namespace kol::editor
