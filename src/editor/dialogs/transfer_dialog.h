// The transfer dialog frmRadio: tells the user how to connect the radio, runs one operation
// over the link when OK is pressed, shows the progress and lets the user cancel, and closes
// itself when the operation did not fail. It owns the serial port while it is open.
#pragma once

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "editor/dialogs/transfer_progress.h"
#include "files/app_settings.h"
#include "files/file_host.h"
#include "link/link_host.h"
#include "link/transfer_operations.h"

class QLabel;
class QLayout;
class QProgressBar;
class QPushButton;

namespace kol::editor {

// What one opening of the dialog runs.
struct TransferRequest {
  Operation operation = Operation::kRead;
  PortChoice port;
  // Programming only: read the radio back afterwards and compare.
  bool verify = false;
  // Reading only: where the raw bytes read are kept (the per-user data folder).
  std::string userDataFolder;
};

class TransferDialog final : public QDialog, public LinkHost {
  Q_OBJECT
 public:
  // The link runs on `port` with the host's clock, prompts and error log; `help` opens the
  // help at the dialog's topic, titled with its caption.
  TransferDialog(Document& document, FileHost& host, std::unique_ptr<SerialPort> port,
                 TransferRequest request, std::function<void(const std::string& caption)> help,
                 QWidget* parent = nullptr);
  ~TransferDialog() override;

  // True when the operation finished without error or cancellation (and, when asked for,
  // the read-back matched).
  bool Completed() const { return context_.completed; }
  // Where the last completed read was kept, or empty.
  const std::string& BackupPath() const { return backupPath_; }
  // What the last press of OK came to, in words; empty before the first.
  QString ResultText() const;
  bool Running() const { return running_; }

  // LinkHost
  MessageButton Show(const Message& message) override;
  void ProcessEvents() override;
  void ShowStatus(const std::string& text) override;
  void ShowProgress(int percent) override;
  // The dialog is busy for the whole press of OK (link set-up, driver, read-back), which
  // holds every busy span the link marks; it has nothing to add for them.
  void SetBusy(bool) override {}
  void ShowLinkWait(int attempt, int attempts) override;
  void ShowRadioSilence(int seconds) override;
  void BeginReadBack() override;

 public slots:
  // Escape: the Cancel button.
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QLayout* BuildPictures();
  QLayout* BuildProgressLine();
  QLayout* BuildButtons();
  void Start();
  void CancelPressed();
  // Runs the operation (and the read-back); true when the dialog may close.
  bool RunOperation();
  // The result line after Program to Radio: programmed, verified, where the radio
  // differs, what a run that stopped may have left.
  void ShowProgramResult();
  void KeepBackup();
  void SetRunning(bool running);
  void SetResult(const QString& text, bool failed);
  // While the radio does not answer the result line says so; the line it held comes back
  // when the radio answers.
  void ShowWaiting(const QString& text);
  void EndWaiting();
  // The device the port choice opens ("/dev/ttyS0").
  std::string DeviceName() const;
  // Why a run did not complete, and what it may have done to the radio or the document.
  std::string CauseText();
  std::string ConsequenceText(int writesSent) const;

  Document& document_;
  FileHost& host_;
  std::unique_ptr<SerialPort> port_;
  TransferRequest request_;
  std::function<void(const std::string&)> help_;
  TransferContext context_;
  TransferOperations operations_;
  TransferProgress progress_;
  std::string backupPath_;
  bool backupKept_ = false;  // this press of OK has kept its read, or tried to
  std::string lastError_;  // the last critical message of the run
  bool running_ = false;
  // Cancel was pressed during this press of OK. Each block exchange clears the cancel flag
  // as it starts; a click handled in a pause between two exchanges must not be lost there.
  bool cancelRequested_ = false;
  std::optional<QString> beforeWaiting_;  // the result line a wait replaced

  QLabel* message_ = nullptr;
  QLabel* monitor_ = nullptr;
  QLabel* portLine_ = nullptr;
  QProgressBar* bar_ = nullptr;
  QLabel* timeLeft_ = nullptr;
  QLabel* result_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* helpButton_ = nullptr;
};

// The instruction text of the dialog, one line per element.
inline constexpr const char* kTransferInstructions[] = {
    "1.Connect the KOL cable between the PC serial port and the radio.",
    "2.On the radio, press and hold [DISTRESS] and [SCAN] keys while",
    "   turning the power on.",
    "   The Radio display will show PC CONTROL.",
    "3.Press the [OK] button to start.",
};

inline constexpr int kTransferHelpContext = 1012;

}  // namespace kol::editor
