// `simulate`: plays the radio behind a pseudo-terminal until interrupted, so that read,
// program and clear (or the window) can be tried without a radio.
#include <algorithm>
#include <charconv>
#include <filesystem>
#include <ostream>

#include "app/cli/commands.h"
#include "app/cli/interrupt.h"
#include "app/cli/link_command.h"
#include "link/qt_pty_radio.h"
#include "model/image_codec.h"

namespace kol::cli {
namespace {

namespace fs = std::filesystem;

constexpr OptionSpec kSimulateOptions[] = {
    {"image", "FILE", "the radio's memory: a raw image (.hex) as it is, or a settings file "
                      "(.dat) as programming would write it"},
    {"save", "FILE", "write the radio's memory (raw .hex) to FILE after every write and on exit"},
    {"link", "PATH", "also make PATH a symbolic link to the terminal's device (not when PATH "
                     "already leads to one in use)"},
    {"baud", "RATE", "pace the wire at RATE baud (default 4800; 0: as fast as possible)"},
    {"busy", "N", "report busy to the first N status requests"},
    {"error", "N", "answer the first N block requests with \"ERROR\""},
    {"drop", "N", "leave block request N unanswered"},
    {"bad-checksum", "N", "spoil the checksum of the data frame for block request N"},
    {"wrong-head", "N", "answer block request N with a frame of the wrong head"},
    {"lose-write", "N", "acknowledge block request N, a write, without keeping its bytes"},
    {"silent-from", "N", "fall silent from block request N on, as if the cable were pulled"},
    {"wrong-product", "", "report a product code that is not the radio's"},
    {"wrong-model", "", "report a model identifier that is not the radio's"},
    {"lower-case-hex", "", "send data frames in lower-case hex"},
};

// A numbered fault: for request N, or for each of the first N requests.
struct FaultOption {
  std::string_view name;
  RequestKind kind;
  RadioFault fault;
  bool firstN;
};

constexpr FaultOption kFaultOptions[] = {
    {"busy", RequestKind::kStatus, RadioFault::kBusy, true},
    {"error", RequestKind::kBlock, RadioFault::kError, true},
    {"drop", RequestKind::kBlock, RadioFault::kNoReply, false},
    {"bad-checksum", RequestKind::kBlock, RadioFault::kBadChecksum, false},
    {"wrong-head", RequestKind::kBlock, RadioFault::kWrongHead, false},
    {"lose-write", RequestKind::kBlock, RadioFault::kLostWrite, false},
};

struct SwitchOption {
  std::string_view name;
  bool SimulatorOptions::*flag;
};

constexpr SwitchOption kSwitchOptions[] = {
    {"wrong-product", &SimulatorOptions::wrongProduct},
    {"wrong-model", &SimulatorOptions::wrongModel},
    {"lower-case-hex", &SimulatorOptions::lowerCaseHex},
};

constexpr int kHighestNumber = 100000;

// The number of option `name`, or `fallback` when it is not given; nullopt after a message.
std::optional<int> Number(const Invocation& invocation, std::string_view name, int fallback,
                          int lowest, Io& io) {
  const std::optional<std::string> text = invocation.Value(name);
  if (!text) return fallback;
  int value = 0;
  auto [end, ec] = std::from_chars(text->data(), text->data() + text->size(), value);
  if (ec == std::errc() && end == text->data() + text->size() && value >= lowest &&
      value <= kHighestNumber) {
    return value;
  }
  io.err << "kolprog-cli: --" << name << " takes a number from " << lowest << " to "
         << kHighestNumber << ", not '" << *text << "'\n";
  return std::nullopt;
}

std::optional<SimulatorOptions> ParseOptions(const Invocation& invocation, Io& io) {
  SimulatorOptions options;
  const std::optional<int> baud = Number(invocation, "baud", kBaudRate, 0, io);
  const std::optional<int> silentFrom = Number(invocation, "silent-from", 0, 1, io);
  if (!baud || !silentFrom) return std::nullopt;
  options.baudRate = *baud;
  options.silentFromBlock = *silentFrom;
  for (const FaultOption& fault : kFaultOptions) {
    const std::optional<int> n = Number(invocation, fault.name, 0, 1, io);
    if (!n) return std::nullopt;
    if (*n == 0) continue;
    for (int number = fault.firstN ? 1 : *n; number <= *n; ++number) {
      options.faults.push_back({fault.kind, number, fault.fault});
    }
  }
  for (const SwitchOption& option : kSwitchOptions) {
    options.*option.flag = invocation.Has(option.name);
  }
  return options;
}

// The radio's memory from --image: a raw image as it is, a document as programmed.
std::optional<std::vector<std::uint8_t>> ImageMemory(const Invocation& invocation,
                                                     const std::string& path,
                                                     const DocumentFormat& format, Io& io) {
  Session session(invocation, io);
  if (!session.Ready() || !format.load(session, path)) return std::nullopt;
  Document& document = session.document;
  if (format.extension != ".hex") {
    EncodeImage(document.model, document.profile, document.image);
    PrepareForProgramming(document.model, document.image);
  }
  return std::vector<std::uint8_t>(document.image.Bytes().begin(), document.image.Bytes().end());
}

// Points `link` at the device. A link to a device that is there belongs to someone else,
// most likely another simulator that is still running, and is left alone, as is any file
// that is not a symbolic link; a link to nothing is what a simulator that was killed left
// behind, and is replaced.
bool MakeLink(const fs::path& link, const std::string& device, Io& io) {
  std::error_code ec;
  if (fs::is_symlink(fs::symlink_status(link, ec))) {
    if (fs::exists(link, ec)) {
      io.err << "kolprog-cli: '" << link.string() << "' already leads to "
             << fs::read_symlink(link, ec).string()
             << ", which is in use (another simulator?); choose another --link PATH\n";
      return false;
    }
    fs::remove(link, ec);
  }
  fs::create_symlink(device, link, ec);
  if (!ec) return true;
  io.err << "kolprog-cli: cannot make the link '" << link.string() << "': " << ec.message() << '\n';
  return false;
}

int RunSimulate(const Invocation& invocation, Io& io) {
  const std::optional<SimulatorOptions> options = ParseOptions(invocation, io);
  if (!options) return kExitUsage;
  const std::optional<std::string> image = invocation.Value("image");
  const DocumentFormat* format = image ? ReadableFormat(*image, io) : nullptr;
  if (image && format == nullptr) return kExitUsage;
  const std::optional<std::vector<std::uint8_t>> memory =
      image ? ImageMemory(invocation, *image, *format, io)
            : std::vector<std::uint8_t>(RadioSimulator::kMemorySize, 0xFF);
  if (!memory) return kExitFailure;
  RadioSimulator radio(*options, *memory);
  PtyRadio pty(radio);
  std::string error;
  if (!pty.Open(error)) {
    io.err << "kolprog-cli: cannot open a pseudo-terminal: " << error << '\n';
    return kExitFailure;
  }
  const std::optional<std::string> link = invocation.Value("link");
  if (link && !MakeLink(*link, pty.DevicePath(), io)) return kExitFailure;

  const std::optional<std::string> save = invocation.Value("save");
  const auto saveMemory = [&] { return !save || WriteImageBytes(*save, radio.Memory(), io); };
  // Saved once at the start too, so that a file that cannot be written is known at once,
  // not after a session with the radio.
  if (!saveMemory()) return kExitFailure;
  const auto removeLink = [&] {
    std::error_code ec;
    if (link && fs::read_symlink(*link, ec) == pty.DevicePath()) fs::remove(*link, ec);
  };
  io.out << pty.DevicePath() << '\n';
  if (!FlushOutput(io)) {  // whoever waits for the device would wait for ever
    removeLink();
    return kExitFailure;
  }
  io.err << "Simulated radio on " << pty.DevicePath() << "; Ctrl+C ends it.\n";
  {
    InterruptGuard interrupt;
    pty.Serve(InterruptGuard::Flag(), saveMemory);
  }
  const bool saved = saveMemory();
  removeLink();
  return saved ? kExitOk : kExitFailure;
}

}  // namespace

const CommandSpec kSimulateCommand{
    "simulate",
    "",
    "play the radio on a pseudo-terminal, for trying read, program and clear",
    "Prints the terminal's device on standard output; give it to --port of the other\n"
    "commands. Serves until Ctrl+C. The radio's identity (model identifier 3300, product\n"
    "code) is set in its memory at the start. Block requests are counted from 1, reads and\n"
    "writes together, from the start of the simulation.",
    0,
    0,
    kSimulateOptions,
    RunSimulate,
};

}  // namespace kol::cli
