// The window's prompts on screen: QMessageBox for messages, Qt's own file dialogs (the
// same on every desktop), and QPrintDialog.
#pragma once

#include <QPointer>
#include <QWidget>

#include <memory>

#include "editor/dialogs/window_prompts.h"

class QMessageBox;

namespace kol::editor {

class QtWindowPrompts final : public WindowPrompts {
 public:
  // Dialogs open over the modal dialog that asks, else over `parent` (the main window).
  void SetParent(QWidget* parent) { parent_ = parent; }

  MessageButton Show(const Message& message) override;
  std::string AskOpenPath(const FileRequest& request, bool mustExist) override;
  std::string AskSavePath(const FileRequest& request) override;
  bool AskPrinter(QPrinter& printer) override;
  void PreviewPrint(const std::function<void(QPrinter&)>& paint) override;
  void OpenFolder(const std::string& folder) override;
  std::optional<std::string> AskText(const std::string& title, const std::string& label,
                                     const std::string& initial) override;

 private:
  QWidget* DialogParent() const;

  QPointer<QWidget> parent_;
};

// The box that shows `message`: the program's own text first; under it the plain words and
// the file with the system's reason; other details (a long list) behind "Show Details...".
std::unique_ptr<QMessageBox> NewMessageBox(const Message& message, QWidget* parent);

// "dat files(*.dat)|*.dat|All files(*.*)|*.*" as Qt's filter list
// "dat files(*.dat) (*.dat);;All files(*.*) (*.*)".
QString QtFilterText(const std::string& filter);

}  // namespace kol::editor
