// The command-line tool's frame: a table of commands, each with its options, one parser
// for all of them, and the exit codes every command keeps.
#pragma once

#include <iosfwd>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kol::cli {

enum ExitCode : int {
  kExitOk = 0,
  kExitFailure = 1,    // the radio, the link or a file failed
  kExitUsage = 2,      // the command line was wrong
  kExitCancelled = 3,  // the user cancelled
};

struct OptionSpec {
  std::string_view name;  // without the leading "--"
  std::string_view valueName;  // empty for a switch
  std::string_view help;
};

// A parsed command line: the positional arguments and the options given.
class Invocation {
 public:
  std::vector<std::string> args;
  std::map<std::string, std::string, std::less<>> options;  // the last value of each; switches map to ""
  std::vector<std::pair<std::string, std::string>> given;  // every option, in the order given
  std::string executableDir;

  bool Has(std::string_view name) const { return options.find(name) != options.end(); }
  std::optional<std::string> Value(std::string_view name) const;
  // Every value of an option that may be given again ("--port A --port B").
  std::vector<std::string> Values(std::string_view name) const;
  std::string ValueOr(std::string_view name, std::string_view fallback) const;
  // The folder of the program's data files: --program-dir, else the executable's folder.
  std::string ProgramDir() const;
};

struct LinkPlatform;

struct Io {
  std::ostream& out;
  std::ostream& err;
  // What the radio commands talk through when not the system's serial ports and clock:
  // tests put a simulated radio on a virtual clock here.
  const LinkPlatform* link = nullptr;
  bool outputLost = false;  // standard output could not be written, and stderr said so
};

// Puts what a command printed on standard output; false when it could not be written (a
// full disk, a closed pipe), after saying so on stderr once. Every run ends with it, so
// that output lost is a failure; a command that keeps running checks its output earlier.
bool FlushOutput(Io& io);

struct CommandSpec {
  std::string_view name;
  std::string_view synopsis;  // the arguments, e.g. "IN OUT"
  std::string_view summary;   // one line for the command list
  std::string_view details;   // further help text, may be empty
  int minArgs = 0;
  int maxArgs = 0;
  std::span<const OptionSpec> options;  // beyond the common ones
  int (*run)(const Invocation&, Io&) = nullptr;
};

// Every command of the tool, in the order the help lists them.
std::span<const CommandSpec* const> Commands();

// Options every command accepts.
std::span<const OptionSpec> CommonOptions();

// Parses argv (without the program name) and runs the command. Returns the exit code.
int RunCli(const std::vector<std::string>& argv, std::string_view executableDir, Io& io);

}  // namespace kol::cli
