#include "app/cli/link_command.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>

#include "files/app_settings.h"
#include "files/atomic_file.h"
#include "files/read_backup.h"

namespace kol::cli {
namespace {

// Makes and removes a file in `folder`, as saving into it will: 0, or why it failed.
int ProbeFolder(const std::filesystem::path& folder) {
  std::string name = (folder / ".kolprog-probe-XXXXXX").string();
  const int fd = mkstemp(name.data());
  if (fd < 0) return errno;
  close(fd);
  unlink(name.c_str());
  return 0;
}

bool IsOperationTitle(std::string_view title) {
  for (int code = 0; code < kOperationCount; ++code) {
    if (OperationTitle(static_cast<Operation>(code)) == title) return true;
  }
  return false;
}

}  // namespace

void StreamProgressLine::Show(const std::string& text) {
  if (!terminal_) {
    out_ << text << '\n';
    return;
  }
  out_ << "\r" << text << std::flush;
  open_ = true;
}

void StreamProgressLine::End() {
  if (!open_) return;
  out_ << '\n';
  open_ = false;
}

CliLinkHost::CliLinkHost(std::ostream& err, ProgressLine& progress, Prompts& prompts,
                         AppFlags& flags, Clock& clock, const std::atomic<bool>& interrupted,
                         std::string device)
    : err_(err),
      progress_(progress),
      prompts_(prompts),
      flags_(flags),
      clock_(clock),
      interrupted_(interrupted),
      device_(std::move(device)) {}

// A title other than an operation's caption says what the text is about ("Model Check",
// "Product Code Error!" before "address: 0x26 -> 0x0"), so it goes in front of the text.
MessageButton CliLinkHost::Show(const Message& message) {
  EndLine();
  Message titled = message;
  if (!message.title.empty() && !IsOperationTitle(message.title)) {
    titled.text = message.title + ": " + message.text;
  }
  if (message.buttons == MessageButtons::kOk) {
    streak_.reset();
    return prompts_.Show(titled);
  }
  const std::int64_t now = clock_.NowMs();
  if (!streak_ || streak_->question != message.text) {
    streak_ = Streak{message.text, now};
  } else if (now - streak_->sinceMs >= kAnswerWindowMs) {
    err_ << titled.text << " -> Cancel (still so after " << kAnswerWindowMs / 1000 << " s)\n";
    return MessageButton::kCancel;
  }
  const MessageButton answer = prompts_.Show(titled);
  const bool affirmative = answer == MessageButton::kOk || answer == MessageButton::kRetry ||
                           answer == MessageButton::kYes;
  if (affirmative && !PauseBeforeAnswer()) return MessageButton::kCancel;
  return answer;
}

bool CliLinkHost::PauseBeforeAnswer() {
  constexpr int kSliceMs = 50;
  for (int waited = 0; waited < kRetryPauseMs; waited += kSliceMs) {
    if (interrupted_.load()) {
      flags_.cancelFlag = true;
      return false;
    }
    clock_.SleepMs(kSliceMs);
  }
  return true;
}

void CliLinkHost::ProcessEvents() {
  if (interrupted_.load()) flags_.cancelFlag = true;
}

void CliLinkHost::ShowStatus(const std::string& text) {
  if (text.empty()) return;
  EndLine();
  err_ << text << '\n';
}

// On a terminal one line counts up; elsewhere (a log, a pipe) a line per ten per cent. A
// bar that goes back (the reset after a walk, or a new walk) is not shown going back, and
// a bar at 0 is not shown at all: after a failure the reset would read as progress.
void CliLinkHost::ShowProgress(int percent) {
  streak_.reset();  // the radio moved on
  const int previous = barPercent_;
  barPercent_ = percent;
  if (percent < previous) {
    printedTens_ = percent / 10;
    return;
  }
  if (percent == previous || percent == 0) return;
  if (waitLineOpen_) EndLine();
  if (progress_.InPlace() || percent / 10 > printedTens_) {
    progress_.Show(std::to_string(percent) + "%");
    printedTens_ = percent / 10;
  }
}

// Like the progress of a transfer: what the link set-up does while the radio is silent.
void CliLinkHost::ShowLinkWait(int attempt, int attempts) {
  if (!waitLineOpen_) EndLine();
  progress_.Show("waiting for the radio (attempt " + std::to_string(attempt) + " of " +
                 std::to_string(attempts) + ")...");
  waitLineOpen_ = progress_.InPlace();
}

void CliLinkHost::BeginReadBack() { Announce("Verifying: reading the programmed memory back"); }

void CliLinkHost::Announce(std::string_view doing) {
  EndLine();
  err_ << doing << " on " << device_ << "...\n";
}

void CliLinkHost::EndLine() {
  progress_.End();
  waitLineOpen_ = false;
}

LinkRun::LinkRun(Session& session, const Invocation& invocation,
                 const std::optional<std::string>& portText)
    : interrupt_(std::make_unique<InterruptGuard>()),
      ownProgress_(std::make_unique<StreamProgressLine>(
          session.io.err, &session.io.err == &std::cerr && isatty(STDERR_FILENO) != 0)),
      services_{session.document, session.io.err, *ownProgress_, session.prompts,
                session.errorLog, session.clock, session.io.link} {
  const PortChoice stored = ReadPortChoice(session.store);
  context_.portNumber = static_cast<std::int16_t>(stored.number);
  context_.devicePath = stored.devicePath;
  if (const std::optional<std::string> port = portText ? portText : invocation.Value("port")) {
    const std::optional<PortChoice> choice = PortChoiceFromText(*port);
    if (!choice) {
      services_.err << "kolprog-cli: --port takes 1-4 or a device path, not '" << *port << "'\n";
      usable_ = false;
      refusalExit_ = kExitUsage;
      return;
    }
    context_.portNumber = static_cast<std::int16_t>(choice->number);
    context_.devicePath = choice->devicePath;
  }
  Connect(invocation.Value("trace"));
}

LinkRun::LinkRun(const RadioServices& services, const PortChoice& port) : services_(services) {
  context_.portNumber = static_cast<std::int16_t>(port.number);
  context_.devicePath = port.devicePath;
  Connect(std::nullopt);
}

void LinkRun::Connect(const std::optional<std::string>& trace) {
  SerialPort* port = &qtPort_;
  clock_ = &services_.clock;
  if (services_.platform != nullptr) {
    const LinkConnection connection = services_.platform->connect(DeviceName());
    port = &connection.port;
    clock_ = &connection.clock;
  }
  if (trace) {
    errno = 0;
    traceFile_.open(*trace, std::ios::out | std::ios::trunc);
    if (!traceFile_) {
      const int error = errno;
      services_.err << "kolprog-cli: cannot write the trace file '" << *trace << "'"
                    << (error != 0 ? std::string(": ") + std::strerror(error) : std::string())
                    << '\n';
      usable_ = false;
      refusalExit_ = kExitFailure;
      return;
    }
    tracing_ = std::make_unique<TracingSerialPort>(*port, *clock_, traceFile_);
    port = tracing_.get();
  }
  host_ = std::make_unique<CliLinkHost>(services_.err, services_.progress, services_.prompts,
                                        services_.document.flags, *clock_, InterruptGuard::Flag(),
                                        DeviceName());
  operations_ = std::make_unique<TransferOperations>(
      LinkServices{*port, *clock_, *host_, services_.errorLog}, context_, services_.document);
}

bool LinkRun::Run(Operation operation, std::string_view doing) {
  host_->Announce(doing);
  context_.operation = operation;
  context_.completed = false;
  operations_->Start();
  host_->EndLine();
  ExplainFailure();
  return context_.completed && !Interrupted();
}

ProgramResult LinkRun::Program(bool verify, const IdentityRule& identity, std::string_view doing) {
  context_.verify = verify;
  context_.identity = identity;
  Run(Operation::kProgram, doing);
  return operations_->LastProgram();
}

bool LinkRun::ReadRadio(std::vector<std::uint8_t>& buffer, std::string_view doing) {
  host_->Announce(doing);
  context_.operation = Operation::kRead;
  const bool read = operations_->ReadRadio(buffer);
  host_->EndLine();
  ExplainFailure();
  return read && !Interrupted();
}

std::string LinkRun::DeviceName() const {
  return DeviceOfPort(context_.portNumber, context_.devicePath);
}

int LinkRun::FailureExit() const {
  if (!Interrupted()) return kExitFailure;
  services_.err << "kolprog-cli: cancelled\n";
  return kExitCancelled;
}

// The link says "port inicialize error!!", "Communication Error!!" or, when the set-up
// fails, nothing at all; the command line adds the system's reason, the ports that are
// there, or what to check on the radio.
void LinkRun::ExplainFailure() {
  std::ostream& err = services_.err;
  const std::optional<PortFailure>& failure = operations_->GetLink().LastPortFailure();
  if (failure && !failure->opening) {
    err << "kolprog-cli: the serial port " << DeviceName()
        << " failed: " << failure->error.description << '\n';
  } else if (failure) {
    err << "kolprog-cli: cannot open " << DeviceName() << ": " << failure->error.description
        << '\n';
    const std::vector<PortInfo> ports = ListSerialPorts();
    err << (ports.empty() ? "No serial ports found.\n" : "Serial ports present:\n");
    for (const PortInfo& port : ports) {
      err << "  " << port.name << (port.description.empty() ? "" : "  " + port.description)
          << '\n';
    }
  } else if (!operations_->LinkUp() && !Interrupted()) {
    err << "kolprog-cli: no link with the radio on " << DeviceName()
        << ". Is it connected, switched on and in PC control mode?\n";
  }
}

void LinkRun::TellWhatWasWritten(Operation operation, int writesSent) const {
  services_.err << "kolprog-cli: " << UnfinishedWritesText(operation, writesSent) << '\n';
}

std::string KeepBackup(const std::string& userDataFolder, const std::vector<std::uint8_t>& bytes,
                       std::ostream& err) {
  const KeptBackup kept = KeepReadBackup(userDataFolder, bytes);
  if (kept.Ok()) {
    err << "Backup of the radio's memory: " << kept.path << '\n';
    return kept.path;
  }
  err << "kolprog-cli: cannot write '" << kept.path << "': " << kept.error << '\n';
  return {};
}

bool WritableOutput(const std::string& path, Io& io) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path target = fs::absolute(path, ec);
  const fs::path folder = target.parent_path();
  std::string problem;
  if (!fs::is_directory(folder, ec)) {
    problem = "there is no folder '" + folder.string() + "'";
  } else if (fs::is_directory(target, ec)) {
    problem = "it is a folder";
  } else if (const int error = ProbeFolder(folder)) {
    problem = std::strerror(error);
  }
  if (problem.empty()) return true;
  io.err << "kolprog-cli: cannot write '" << path << "': " << problem << '\n';
  return false;
}

bool TraceWritable(const Invocation& invocation, Io& io) {
  const std::optional<std::string> trace = invocation.Value("trace");
  return !trace || WritableOutput(*trace, io);
}

bool WriteImageBytes(const std::string& path, const std::vector<std::uint8_t>& bytes, Io& io) {
  std::string error;
  const std::string_view data(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  if (WriteFileAtomically(path, data, &error)) return true;
  io.err << "kolprog-cli: cannot write '" << path << "': " << error << '\n';
  return false;
}

}  // namespace kol::cli
