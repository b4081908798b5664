// The transfer runner: Read from Radio, Program to Radio and the radio's clearing
// operations, each in the transfer dialog on the chosen serial port. Before a read it
// offers to save unsaved edits, before programming it shows what the check finds; what an
// operation does to the document goes through the document controller.
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <string>

#include "editor/dialogs/transfer_dialog.h"
#include "editor/window_deps.h"
#include "files/app_settings.h"
#include "link/transfer_context.h"

class QWidget;

namespace kol::editor {

class DocumentController;
class Navigator;

class TransferRunner final : public QObject {
  Q_OBJECT
 public:
  // `help` opens the help at a context number under a title (the dialog's Help button).
  TransferRunner(const WindowDeps& deps, DocumentController& controller, Navigator& navigator,
                 std::function<void(int context, const std::string& title)> help, QWidget& window);

  // The port and the read-back option as the settings store keeps them.
  void ReadStoredOptions();
  const PortChoice& Port() const { return port_; }
  void ChoosePort(const PortChoice& choice);
  // Programming reads the radio back and compares.
  bool Verify() const { return verify_; }
  void SetVerify(bool verify);

  // Runs `operation` after the page check; true when it completed.
  bool Run(Operation operation);
  // Reads the radio, leaving the document as it is, and lists the settings in which the
  // two differ: what programming would change. True when the radio was read.
  bool Compare();

 signals:
  // A read completed; the radio's memory as read is kept in `backup` (empty: not kept).
  void ReadFromRadio(const QString& backup);

 private:
  // The check of what the radio would get before it is programmed; false when the user
  // stops to correct the document (the page of the first finding is then shown).
  bool ConfirmProgramming();
  // Runs `request` in the transfer dialog on `document`; true when it completed.
  bool RunDialog(Document& document, TransferRequest request, std::string* backup);

  const WindowDeps& deps_;
  DocumentController& controller_;
  Navigator& navigator_;
  std::function<void(int, const std::string&)> help_;
  QWidget& window_;
  PortChoice port_;
  bool verify_ = true;
};

}  // namespace kol::editor
