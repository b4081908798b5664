// What read, program and clear share: the --port, --yes and --trace options, the host
// that turns progress into stderr lines and Ctrl+C into a cancel, backups and exit codes.
#pragma once

#include <atomic>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/cli/document_io.h"
#include "app/cli/interrupt.h"
#include "app/cli/session.h"
#include "files/app_settings.h"
#include "link/link_host.h"
#include "link/qt_serial_port.h"
#include "link/tracing_serial_port.h"
#include "link/transfer_operations.h"

namespace kol::cli {

inline constexpr OptionSpec kPortOption{
    "port", "DEV", "serial port: 1-4 or a device path such as /dev/ttyUSB0 (default: the "
                   "stored port, else 1); once more for each further radio"};
inline constexpr OptionSpec kYesOption{
    "yes", "", "answer the radio's questions Retry / OK, for up to 30 s (default: Cancel)"};
inline constexpr OptionSpec kTraceOption{
    "trace", "FILE", "write every byte sent and received, with time stamps, to FILE"};

// The serial port and the clock a radio is talked to through.
struct LinkConnection {
  SerialPort& port;
  Clock& clock;
};

// What the radio commands talk through when not the system's serial ports and clock: tests
// put simulated radios on virtual clocks here.
struct LinkPlatform {
  // The radio on `device`, asked for on the thread that talks to it.
  std::function<LinkConnection(const std::string& device)> connect;
};

// The line that shows how far a run is: rewritten in place (on a terminal, a radio's row
// of the board) or printed anew at each step.
class ProgressLine {
 public:
  virtual ~ProgressLine() = default;
  virtual bool InPlace() const = 0;
  virtual void Show(const std::string& text) = 0;
  // What the line shows stays; the next Show begins a new line.
  virtual void End() = 0;
};

// The progress line on a stream: in place on a terminal, else a line per Show.
class StreamProgressLine final : public ProgressLine {
 public:
  StreamProgressLine(std::ostream& out, bool terminal) : out_(out), terminal_(terminal) {}
  bool InPlace() const override { return terminal_; }
  void Show(const std::string& text) override;
  void End() override;

 private:
  std::ostream& out_;
  bool terminal_;
  bool open_ = false;
};

// Progress, progress texts and messages as lines on stderr; Ctrl+C sets the cancel flag
// the next time events run, as the dialog's Cancel button does. A question answered
// Retry or OK is answered after a pause, so that a busy radio gets time; one that is
// still asked 30 s after it first came up, with no progress between, gets Cancel.
class CliLinkHost final : public LinkHost {
 public:
  static constexpr int kRetryPauseMs = 1000;
  static constexpr int kAnswerWindowMs = 30000;

  // `err` takes the lines that stay, `progress` the percentage; `device` names the port in
  // the lines that announce what runs.
  CliLinkHost(std::ostream& err, ProgressLine& progress, Prompts& prompts, AppFlags& flags,
              Clock& clock, const std::atomic<bool>& interrupted, std::string device);
  ~CliLinkHost() override { EndLine(); }

  MessageButton Show(const Message& message) override;
  void ProcessEvents() override;
  void ShowStatus(const std::string& text) override;
  void ShowProgress(int percent) override;
  void SetBusy(bool) override {}
  void ShowLinkWait(int attempt, int attempts) override;
  void BeginReadBack() override;
  // "Reading the radio on /dev/ttyS0...": the link set-up alone may take a minute when
  // nothing answers, so the user knows what runs.
  void Announce(std::string_view doing);
  // Ends a progress line that is still open.
  void EndLine();

 private:
  // Waits before an affirmative answer; false when Ctrl+C came meanwhile.
  bool PauseBeforeAnswer();

  // A question asked again and again, and since when.
  struct Streak {
    std::string question;
    std::int64_t sinceMs = 0;
  };

  std::ostream& err_;
  ProgressLine& progress_;
  Prompts& prompts_;
  AppFlags& flags_;
  Clock& clock_;
  const std::atomic<bool>& interrupted_;
  std::string device_;
  bool waitLineOpen_ = false;
  int barPercent_ = -1;
  int printedTens_ = 0;
  std::optional<Streak> streak_;
};

// What one radio's conversation works with: the document it reads into or programs from,
// where its lines and messages go, the error log, the system's clock, and the platform
// when it is not the system's.
struct RadioServices {
  Document& document;
  std::ostream& err;
  ProgressLine& progress;
  Prompts& prompts;
  ErrorLog& errorLog;
  Clock& clock;
  const LinkPlatform* platform = nullptr;
};

// One radio's conversation.
class LinkRun {
 public:
  // The radio of a command: --port (or `port` instead), else the stored port, and --trace,
  // with the session's document and stderr; Ctrl+C is caught while it lives. After a usage
  // or file message Usable() is false and RefusalExit() is the exit code.
  LinkRun(Session& session, const Invocation& invocation,
          const std::optional<std::string>& port = std::nullopt);
  // One radio of several, on `port`; made on the thread that talks to it, while the
  // command catches Ctrl+C.
  LinkRun(const RadioServices& services, const PortChoice& port);
  LinkRun(const LinkRun&) = delete;
  LinkRun& operator=(const LinkRun&) = delete;

  bool Usable() const { return usable_; }
  int RefusalExit() const { return refusalExit_; }

  // One press of the dialog's OK for `operation`, announced on stderr as `doing` ("Reading
  // the radio"); true when it completed.
  bool Run(Operation operation, std::string_view doing);
  // Programming, announced as `doing`, then with `verify` the read-back that compares;
  // `identity` says what the radio keeps of its own.
  ProgramResult Program(bool verify, const IdentityRule& identity, std::string_view doing);
  // Link set-up, the checks and a full read, the document left as it is.
  bool ReadRadio(std::vector<std::uint8_t>& buffer, std::string_view doing);
  const std::vector<std::uint8_t>& ReceivedImage() const { return operations_->ReceivedImage(); }

  bool Interrupted() const { return InterruptGuard::Flag().load(); }
  // True when the last run got past the link set-up.
  bool LinkUp() const { return operations_->LinkUp(); }
  // After a run that writes to the radio and did not complete: that nothing was written,
  // or what may be half done, with the writes sent.
  void TellWhatWasWritten(Operation operation, int writesSent) const;
  // The write requests the last run sent.
  int WritesSent() { return operations_->GetLink().WritesSent(); }
  // The exit code of a run that did not complete: cancelled or failed.
  int FailureExit() const;
  // The device the radio is on ("/dev/ttyS0" for port 1).
  std::string DeviceName() const;
  // The clock the conversation runs on.
  Clock& RunClock() const { return *clock_; }

 private:
  // Opens the trace file when one is named; then the port, the host and the operations.
  void Connect(const std::optional<std::string>& trace);
  // What the link's own messages leave out: why the port failed, or that no link came up.
  void ExplainFailure();

  std::unique_ptr<InterruptGuard> interrupt_;  // only while a command's one radio talks
  std::unique_ptr<ProgressLine> ownProgress_;  // the command's stderr, for its one radio
  RadioServices services_;
  bool usable_ = true;
  int refusalExit_ = kExitOk;
  QtSerialPort qtPort_;
  Clock* clock_ = nullptr;
  std::ofstream traceFile_;
  std::unique_ptr<TracingSerialPort> tracing_;
  std::unique_ptr<CliLinkHost> host_;
  TransferContext context_;
  std::unique_ptr<TransferOperations> operations_;
};

// Keeps the bytes read from a radio as backups/<date-time>_<mmsi>.hex in the per-user data
// folder and says so on `err`; returns the file's path, or empty after a message.
std::string KeepBackup(const std::string& userDataFolder, const std::vector<std::uint8_t>& bytes,
                       std::ostream& err);

// Writes raw image bytes to `path` as a whole or not at all; false after a message.
bool WriteImageBytes(const std::string& path, const std::vector<std::uint8_t>& bytes, Io& io);

// False after a message when `path` cannot be written: its folder does not exist or takes
// no new file, or it is a folder itself. A command finds out before it spends a minute
// talking to the radio, not after.
bool WritableOutput(const std::string& path, Io& io);

// False after a message when --trace names a file that cannot be written.
bool TraceWritable(const Invocation& invocation, Io& io);

}  // namespace kol::cli
