// Several radios at once: every radio on a thread of its own, with its own link and its own
// copy of the document, all shown on one board; Ctrl+C reaches each of them as it would
// one. A command gives the work one radio does; the fleet runs it for all and gathers the
// outcomes for the summary table.
#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "app/cli/link_command.h"
#include "model/radio_identity.h"

namespace kol::cli {

// A radio as the command line names it: "--port /dev/ttyUSB0", a fleet file's "2".
struct RadioPort {
  std::string name;
  PortChoice choice;
};

// What one radio's work gets: its port, its own document (the session's, copied), where
// its lines go, and its link.
struct RadioWork {
  std::size_t index;  // in the command's list of radios
  const RadioPort& port;
  Document& document;
  std::ostream& err;
  LinkRun& link;
};

// What one radio's work came to.
struct RadioOutcome {
  int exitCode = kExitFailure;  // as the command with this radio alone would have ended
  std::string result;           // in a word: "programmed", "read", "failed", "cancelled", ...
  RadioIdentity radio;          // as it was at the start, as far as it was read
  RadioIdentity after;          // what programming gave it
  std::string verified;         // after programming: "yes", "no", "not checked"
  std::string imageSha256;      // of the image programming sent
  std::string note;             // the rest worth knowing, in words
  std::string started;          // when its work began (ISO 8601)
  double seconds = 0;
  std::optional<Document> document;  // a document read, for the command to save
};

using RadioWorkFunction = std::function<RadioOutcome(RadioWork&)>;

// The outcome of a radio whose run stopped early (failed, or cancelled by Ctrl+C), with what
// there is to know about it; "kolprog-cli: cancelled" is said when it was cancelled.
RadioOutcome Stopped(const LinkRun& link, std::string note);

// The radios a command names with --port, each once, in the order given (none: the
// stored port); nothing after a usage message.
std::optional<std::vector<RadioPort>> NamedRadios(const Invocation& invocation, Io& io);

// The radios of a fleet file or of --port, checked as one: no device twice, no --trace for
// several. Nothing after a usage message.
bool DistinctRadios(const std::vector<RadioPort>& radios, const Invocation& invocation, Io& io);

// The files of one run's radios: FILE with the radio's user MMSI (else its port's name)
// before the extension, "out_366123456.dat"; a name another radio of the run took gets the
// port's name as well. Radios claim names from their own threads.
class RadioFileNames {
 public:
  std::string Claim(const std::string& path, const std::string& userMmsi, const RadioPort& port);

 private:
  std::mutex mutex_;
  std::set<std::string> taken_;
};

// The SHA-256 of an image, 64 lower-case hex digits.
std::string ImageSha256(std::span<const std::uint8_t> image);

// Runs `work` for every radio at once and returns the outcomes in the order of `radios`.
// Each radio's lines go to its row of a board on stderr; its last state stays in its row.
std::vector<RadioOutcome> RunFleet(Session& session, const Invocation& invocation,
                                   const std::vector<RadioPort>& radios,
                                   const RadioWorkFunction& work);

// The command's exit status after every radio: 0 when each succeeded, 3 after Ctrl+C, else 1.
int FleetExit(const std::vector<RadioOutcome>& outcomes);

// Columns of text under their headings, each as wide as its widest cell.
void PrintTable(std::ostream& out, const std::vector<std::string>& headings,
                const std::vector<std::vector<std::string>>& rows);

// "74.2 s"
std::string SecondsText(double seconds);

}  // namespace kol::cli
