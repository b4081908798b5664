#include "app/cli/cli.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ostream>

#include "app/cli/destination_help.h"

namespace kol::cli {
namespace {

constexpr OptionSpec kCommonOptions[] = {
    {"program-dir", "DIR", "folder of global.ini and the destination images "
                           "(default: the program's folder)"},
    {"destination", "NAME", "destination whose default image a new document starts from"},
    {"debug", "", "debug mode: progress texts on stderr and the error log"},
    {"help", "", "show this help"},
};

const CommandSpec* FindCommand(std::string_view name) {
  for (const CommandSpec* command : Commands()) {
    if (command->name == name) return command;
  }
  return nullptr;
}

const OptionSpec* FindOption(const CommandSpec& command, std::string_view name) {
  for (std::span<const OptionSpec> list : {command.options, CommonOptions()}) {
    auto it = std::find_if(list.begin(), list.end(),
                           [&](const OptionSpec& option) { return option.name == name; });
    if (it != list.end()) return &*it;
  }
  return nullptr;
}

// One line of a two-column list; a left column too wide for its place gets a line of its own.
void PrintColumns(std::ostream& out, const std::string& left, std::string_view right,
                  std::size_t column) {
  if (left.size() < column) {
    out << left << std::string(column - left.size(), ' ') << right << '\n';
  } else {
    out << left << '\n' << std::string(column, ' ') << right << '\n';
  }
}

void PrintOptions(std::ostream& out, std::span<const OptionSpec> options) {
  for (const OptionSpec& option : options) {
    std::string left = "  --" + std::string(option.name);
    if (!option.valueName.empty()) left += " " + std::string(option.valueName);
    PrintColumns(out, left, option.help, 26);
  }
}

void PrintUsage(std::ostream& out, std::string_view executableDir) {
  out << "Usage: kolprog-cli COMMAND [OPTIONS] ARGS...\n"
         "Reads, edits and programs the LZ3300T marine VHF radio and its files.\n\n"
         "Commands:\n";
  for (const CommandSpec* command : Commands()) {
    PrintColumns(out, "  " + std::string(command->name) + " " + std::string(command->synopsis),
                 command->summary, 24);
  }
  out << "\nOptions of every command:\n";
  PrintOptions(out, CommonOptions());
  out << "\n" << DestinationHelp(std::string(executableDir), std::nullopt);
  out << "\n  kolprog-cli COMMAND --help   shows a command's own options.\n"
         "  kolprog-cli --version        shows the version.\n"
         "\nExit status: 0 success, 1 failure, 2 usage error, 3 cancelled.\n";
}

void PrintCommandHelp(std::ostream& out, const CommandSpec& command,
                      const Invocation& invocation) {
  out << "Usage: kolprog-cli " << command.name << " [OPTIONS]"
      << (command.synopsis.empty() ? "" : " ") << command.synopsis << "\n"
      << command.summary << "\n";
  if (!command.details.empty()) out << "\n" << command.details << "\n";
  if (!command.options.empty()) {
    out << "\nOptions:\n";
    PrintOptions(out, command.options);
  }
  out << "\nOptions of every command:\n";
  PrintOptions(out, CommonOptions());
  out << "\n" << DestinationHelp(invocation.ProgramDir(), invocation.Value("destination"));
}

int UsageError(Io& io, std::string_view message, const CommandSpec* command) {
  io.err << "kolprog-cli: " << message << '\n';
  if (command != nullptr) {
    io.err << "Usage: kolprog-cli " << command->name << " [OPTIONS]"
           << (command->synopsis.empty() ? "" : " ") << command->synopsis
           << "\nTry 'kolprog-cli " << command->name << " --help'.\n";
  } else {
    io.err << "Try 'kolprog-cli --help'.\n";
  }
  return kExitUsage;
}

// Parses argv and runs the command, or prints the help or the version.
int RunCommandLine(const std::vector<std::string>& argv, std::string_view executableDir, Io& io) {
  if (argv.empty()) {
    PrintUsage(io.err, executableDir);
    return kExitUsage;
  }
  const std::string& first = argv.front();
  if (first == "--help" || first == "-h" || first == "help") {
    PrintUsage(io.out, executableDir);
    return kExitOk;
  }
  if (first == "--version") {
    io.out << "kolprog-cli " << KOL_VERSION << '\n';
    return kExitOk;
  }
  const CommandSpec* command = FindCommand(first);
  if (command == nullptr) return UsageError(io, "unknown command '" + first + "'", nullptr);

  Invocation invocation;
  invocation.executableDir = std::string(executableDir);
  bool optionsEnded = false;
  for (std::size_t i = 1; i < argv.size(); ++i) {
    const std::string& arg = argv[i];
    if (optionsEnded || arg.size() < 2 || arg.rfind("--", 0) != 0) {
      invocation.args.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    std::string name = arg.substr(2);
    std::optional<std::string> inlineValue;
    if (auto eq = name.find('='); eq != std::string::npos) {
      inlineValue = name.substr(eq + 1);
      name.resize(eq);
    }
    const OptionSpec* option = FindOption(*command, name);
    if (option == nullptr) return UsageError(io, "unknown option '--" + name + "'", command);
    std::string value;
    if (option->valueName.empty()) {
      if (inlineValue) return UsageError(io, "option '--" + name + "' takes no value", command);
    } else if (inlineValue) {
      value = *inlineValue;
    } else if (i + 1 < argv.size()) {
      value = argv[++i];
    } else {
      return UsageError(io, "option '--" + name + "' needs a value", command);
    }
    invocation.options[name] = value;
    invocation.given.emplace_back(name, std::move(value));
  }
  if (invocation.Has("help")) {
    PrintCommandHelp(io.out, *command, invocation);
    return kExitOk;
  }
  const int count = static_cast<int>(invocation.args.size());
  if (count < command->minArgs) return UsageError(io, "missing arguments", command);
  if (count > command->maxArgs) return UsageError(io, "too many arguments", command);
  return command->run(invocation, io);
}

}  // namespace

std::optional<std::string> Invocation::Value(std::string_view name) const {
  auto it = options.find(name);
  if (it == options.end()) return std::nullopt;
  return it->second;
}

std::vector<std::string> Invocation::Values(std::string_view name) const {
  std::vector<std::string> values;
  for (const auto& [option, value] : given) {
    if (option == name) values.push_back(value);
  }
  return values;
}

std::string Invocation::ValueOr(std::string_view name, std::string_view fallback) const {
  auto it = options.find(name);
  return it == options.end() ? std::string(fallback) : it->second;
}

std::string Invocation::ProgramDir() const { return ValueOr("program-dir", executableDir); }

std::span<const OptionSpec> CommonOptions() { return kCommonOptions; }

bool FlushOutput(Io& io) {
  if (io.outputLost) return false;
  if (io.out.good()) {
    errno = 0;
    io.out.flush();
    if (io.out.good()) return true;
  }
  // The stream turns bad on the write that failed, just before: its reason is errno's.
  const int error = errno;
  io.err << "kolprog-cli: cannot write to standard output"
         << (error != 0 ? std::string(": ") + std::strerror(error) : std::string()) << '\n';
  io.outputLost = true;
  return false;
}

int RunCli(const std::vector<std::string>& argv, std::string_view executableDir, Io& io) {
  const int code = RunCommandLine(argv, executableDir, io);
  return FlushOutput(io) || code != kExitOk ? code : kExitFailure;
}

}  // namespace kol::cli
