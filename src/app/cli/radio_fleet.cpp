#include "app/cli/radio_fleet.h"

#include <unistd.h>

#include <QCryptographicHash>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>

#include "app/cli/cli_prompts.h"
#include "app/cli/progress_board.h"
#include "files/program_log.h"

namespace kol::cli {
namespace {

// A radio's progress as its row of the board.
class BoardProgressLine final : public ProgressLine {
 public:
  BoardProgressLine(ProgressBoard& board, std::size_t row) : board_(board), row_(row) {}
  bool InPlace() const override { return board_.Terminal(); }
  void Show(const std::string& text) override { board_.Show(row_, text); }
  void End() override {}

 private:
  ProgressBoard& board_;
  std::size_t row_;
};

std::string DeviceOf(const PortChoice& choice) { return DeviceOfPort(choice.number, choice.devicePath); }

// One radio's run on its own thread: its lines, its messages, its link, its work.
RadioOutcome RunRadio(Session& session, const Invocation& invocation, ProgressBoard& board,
                      std::size_t row, const RadioPort& port, Document& document,
                      const RadioWorkFunction& work) {
  BoardLineBuffer lines(board, row);
  std::ostream err(&lines);
  BoardProgressLine progress(board, row);
  CliPrompts prompts(err, invocation.Has("yes"));
  SystemClock clock;
  LinkRun link({document, err, progress, prompts, session.errorLog, clock, session.io.link},
               port.choice);
  const std::int64_t start = link.RunClock().NowMs();
  const std::string started = IsoLocalTime();
  RadioWork radio{row, port, document, err, link};
  RadioOutcome outcome = work(radio);
  outcome.started = started;
  outcome.seconds = static_cast<double>(link.RunClock().NowMs() - start) / 1000.0;
  board.Show(row, outcome.result + (outcome.verified.empty() ? "" : ", verified: " + outcome.verified) +
                      " (" + SecondsText(outcome.seconds) + ")");
  return outcome;
}

}  // namespace

RadioOutcome Stopped(const LinkRun& link, std::string note) {
  RadioOutcome outcome;
  outcome.exitCode = link.FailureExit();
  outcome.result = link.Interrupted() ? "cancelled" : "failed";
  outcome.note = std::move(note);
  return outcome;
}

std::optional<std::vector<RadioPort>> NamedRadios(const Invocation& invocation, Io& io) {
  std::vector<RadioPort> radios;
  for (const std::string& name : invocation.Values("port")) {
    const std::optional<PortChoice> choice = PortChoiceFromText(name);
    if (!choice) {
      io.err << "kolprog-cli: --port takes 1-4 or a device path, not '" << name << "'\n";
      return std::nullopt;
    }
    radios.push_back({name, *choice});
  }
  if (!DistinctRadios(radios, invocation, io)) return std::nullopt;
  return radios;
}

bool DistinctRadios(const std::vector<RadioPort>& radios, const Invocation& invocation, Io& io) {
  std::set<std::string> devices;
  for (const RadioPort& radio : radios) {
    if (devices.insert(DeviceOf(radio.choice)).second) continue;
    io.err << "kolprog-cli: the radio on " << DeviceOf(radio.choice)
           << " is named twice; each port takes one radio\n";
    return false;
  }
  if (radios.size() > 1 && invocation.Has("trace")) {
    io.err << "kolprog-cli: --trace follows one radio; give it with one --port\n";
    return false;
  }
  return true;
}

std::string RadioFileNames::Claim(const std::string& path, const std::string& userMmsi,
                                  const RadioPort& port) {
  namespace fs = std::filesystem;
  const fs::path file(path);
  const std::string portName = fs::path(DeviceOf(port.choice)).filename().string();
  const auto named = [&](const std::string& tag) {
    return (file.parent_path() / (file.stem().string() + "_" + tag + file.extension().string())).string();
  };
  const std::lock_guard<std::mutex> lock(mutex_);
  std::string name = named(userMmsi.empty() ? portName : userMmsi);
  if (!taken_.insert(name).second) {
    name = named(userMmsi + "_" + portName);
    taken_.insert(name);
  }
  return name;
}

std::string ImageSha256(std::span<const std::uint8_t> image) {
  const QByteArray bytes(reinterpret_cast<const char*>(image.data()),
                         static_cast<qsizetype>(image.size()));
  return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().toStdString();
}

std::vector<RadioOutcome> RunFleet(Session& session, const Invocation& invocation,
                                   const std::vector<RadioPort>& radios,
                                   const RadioWorkFunction& work) {
  const InterruptGuard interrupt;
  std::vector<std::string> names;
  for (const RadioPort& radio : radios) names.push_back(radio.name);
  const bool terminal = &session.io.err == &std::cerr && isatty(STDERR_FILENO) != 0;
  ProgressBoard board(session.io.err, terminal, names, TerminalWidth());
  // Copied before any radio starts, so that no thread reads the session's while another
  // copies it.
  std::vector<Document> documents(radios.size(), session.document);
  std::vector<RadioOutcome> outcomes(radios.size());
  // Qt's threads: the serial port watches its device through the thread's event dispatcher.
  std::vector<std::unique_ptr<QThread>> threads;
  for (std::size_t i = 0; i < radios.size(); ++i) {
    threads.emplace_back(QThread::create([&, i] {
      outcomes[i] = RunRadio(session, invocation, board, i, radios[i], documents[i], work);
    }));
    threads.back()->start();
  }
  for (const std::unique_ptr<QThread>& thread : threads) thread->wait();
  return outcomes;
}

int FleetExit(const std::vector<RadioOutcome>& outcomes) {
  if (InterruptGuard::Flag().load()) return kExitCancelled;
  const bool allDone = std::all_of(outcomes.begin(), outcomes.end(),
                                   [](const RadioOutcome& o) { return o.exitCode == kExitOk; });
  return allDone ? kExitOk : kExitFailure;
}

void PrintTable(std::ostream& out, const std::vector<std::string>& headings,
                const std::vector<std::vector<std::string>>& rows) {
  std::vector<std::size_t> widths(headings.size());
  for (std::size_t c = 0; c < headings.size(); ++c) widths[c] = headings[c].size();
  for (const std::vector<std::string>& row : rows) {
    for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c) {
      widths[c] = std::max(widths[c], row[c].size());
    }
  }
  const auto line = [&](const std::vector<std::string>& cells) {
    std::string text;
    for (std::size_t c = 0; c < cells.size() && c < widths.size(); ++c) {
      text += cells[c];
      if (c + 1 < cells.size()) text += std::string(widths[c] - cells[c].size() + 2, ' ');
    }
    text.erase(text.find_last_not_of(' ') + 1);
    out << text << '\n';
  };
  line(headings);
  for (const std::vector<std::string>& row : rows) line(row);
}

std::string SecondsText(double seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f s", seconds);
  return text;
}

}  // namespace kol::cli
