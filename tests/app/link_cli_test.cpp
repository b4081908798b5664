// The link end to end: `kolprog-cli simulate` plays the radio on a pseudo-terminal, and
// `read`, `program` (with its read-back) and `clear` talk to it through the Qt serial port.
// The other cases run the commands in this process against the simulated radio on a
// virtual clock: backups, Ctrl+C, a radio that does not keep or refuses what it gets.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <span>
#include <sstream>
#include <thread>

#include "app/cli/cli.h"
#include "app/cli/link_command.h"
#include "files/qt_settings_store.h"
#include "link/memory_plan.h"
#include "link/memory_serial_port.h"
#include "link/radio_simulator.h"
#include "link/simulated_wire.h"
#include "in_process_cli.h"
#include "support/cli_run.h"
#include "support/fakes.h"
#include "support/temp_dir.h"
#include "support/test_paths.h"

namespace kol {
namespace {

namespace fs = std::filesystem;

// `kolprog-cli simulate` in the background, as long as the object lives; `extra` are
// further options (faults, --image).
class Simulator {
 public:
  Simulator(const test::TempDir& dir, const std::string& link, const std::string& save,
            const std::vector<std::string>& extra = {})
      : process_(Arguments(link, save, extra), dir, "sim") {
    // Starting a process takes real time; this waits for it, not for a time-out of the code.
    // The memory is saved once the link is there; a simulator that refuses ends instead.
    std::error_code ec;
    for (int i = 0; i < 500 && !(fs::is_symlink(link) && fs::file_size(save, ec) == 8192); ++i) {
      if (process_.ExitWithin(10)) break;
    }
  }
  ~Simulator() { Stop(); }

  // The exit status once the simulator ended by itself within `ms`; nothing while it runs.
  std::optional<int> ExitWithin(int ms) { return process_.ExitWithin(ms); }

  // Interrupts the simulator as Ctrl+C does, unless it has ended; returns its exit status.
  int Stop() {
    process_.Interrupt();
    return process_.Wait().exitCode;
  }

 private:
  static std::vector<std::string> Arguments(const std::string& link, const std::string& save,
                                            const std::vector<std::string>& extra) {
    std::vector<std::string> args = {"simulate", "--link", link, "--save", save, "--baud", "0"};
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
  }

  test::BackgroundCli process_;
};

// A destination image shipped with the program: what a user programs into a new radio.
std::string DestinationImage() { return test::ReadFileBytes(test::BinDir() + "/INTL_0CE4.ini"); }

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::span<const std::uint8_t> AsBytes(const std::string& s) {
  return std::span(reinterpret_cast<const std::uint8_t*>(s.data()), s.size());
}

const std::string kProductCode("QT512N\xFF", 7);

TEST(LinkCli, ReadAndProgramWithVerifyOverAPseudoTerminal) {
  test::TempDir dir;
  const std::string link = dir.File("radio");
  const std::string saved = dir.File("radio.hex");
  Simulator simulator(dir, link, saved);
  ASSERT_TRUE(fs::is_symlink(link)) << test::ReadFileBytes(dir.File("sim-err"));

  const test::CliRun read = test::RunKolprogCli({"read", "--port", link, dir.File("read.hex")});
  ASSERT_EQ(read.exitCode, 0) << read.err;
  EXPECT_EQ(read.err.find("Reading the radio on " + link + "...\n"), 0u) << read.err;
  EXPECT_NE(read.err.find("100%\nComplete!!\n"), std::string::npos) << read.err;
  EXPECT_NE(read.err.find("backups/"), std::string::npos) << read.err;
  const std::string image = test::ReadFileBytes(dir.File("read.hex"));
  ASSERT_EQ(image.size(), 8192u);
  EXPECT_EQ(image.substr(0x20, 7), kProductCode);

  // A destination image differs from the simulator's blank memory almost everywhere. Its
  // product code is made another one: the radio must keep its own, or the read-back (a
  // session like any other) would refuse it.
  const std::string in = dir.File("in.hex");
  std::string inBytes = DestinationImage();
  std::mt19937 random(20240613);
  for (int i = 0; i < 7; ++i) inBytes[0x20 + i] = static_cast<char>(random());
  WriteBytes(in, inBytes);
  const test::CliRun program = test::RunKolprogCli({"program", "--port", link, in});
  ASSERT_EQ(program.exitCode, 0) << program.err;
  EXPECT_NE(program.err.find("100%\nVerifying: reading the programmed memory back on " + link),
            std::string::npos)
      << program.err;
  EXPECT_TRUE(program.err.ends_with(
      "100%\nComplete!!\n" + in +
      " holds another product code; the radio kept its own, \"QT512N\"\nverified\n"))
      << program.err;

  ASSERT_EQ(simulator.Stop(), 0);
  EXPECT_FALSE(fs::exists(link));
  // The radio holds what programming sends: the image encoded and prepared, as convert
  // writes it, with its own product code.
  const test::CliRun convert = test::RunKolprogCli({"convert", in, dir.File("sent.hex")});
  ASSERT_EQ(convert.exitCode, 0) << convert.err;
  const std::string sent = test::ReadFileBytes(dir.File("sent.hex"));
  const std::string radio = test::ReadFileBytes(saved);
  ASSERT_EQ(radio.size(), 8192u);
  EXPECT_EQ(radio.substr(0x20, 7), kProductCode);
  EXPECT_EQ(memory_plan::FirstProgrammedDifference(AsBytes(sent), AsBytes(radio)), std::nullopt);
  EXPECT_NE(memory_plan::FirstProgrammedDifference(AsBytes(sent), AsBytes(image)), std::nullopt);
}

// Two radios at once, each on its own pseudo-terminal and its own thread of the program:
// both get the template and keep their own user MMSI.
TEST(LinkCli, TwoRadiosAtOnceKeepTheirIdentityOverPseudoTerminals) {
  test::TempDir dir;
  const std::string in = dir.File("in.hex");
  WriteBytes(in, DestinationImage());
  std::vector<std::unique_ptr<Simulator>> simulators;
  std::vector<std::string> args = {"program", "--keep-identity", in};
  const char* const mmsi[] = {"\x36\x60\x00\x00\x10\x01", "\x36\x60\x00\x00\x20\x01"};
  for (int r = 0; r < 2; ++r) {
    const std::string name = "radio" + std::to_string(r);
    std::string memory = DestinationImage();
    memory.replace(0x54, 6, std::string(mmsi[r], 6));
    WriteBytes(dir.File(name + "-memory.hex"), memory);
    simulators.push_back(std::make_unique<Simulator>(
        dir, dir.File(name), dir.File(name + ".hex"),
        std::vector<std::string>{"--image", dir.File(name + "-memory.hex")}));
    args.insert(args.end(), {"--port", dir.File(name)});
  }
  const test::CliRun program = test::RunKolprogCli(args);
  ASSERT_EQ(program.exitCode, 0) << program.err;
  EXPECT_EQ(program.err.find("QSocketNotifier"), std::string::npos) << program.err;
  const test::CliRun convert = test::RunKolprogCli({"convert", in, dir.File("sent.hex")});
  ASSERT_EQ(convert.exitCode, 0) << convert.err;
  std::string sent = test::ReadFileBytes(dir.File("sent.hex"));
  for (int r = 0; r < 2; ++r) {
    ASSERT_EQ(simulators[static_cast<std::size_t>(r)]->Stop(), 0);
    const std::string radio = test::ReadFileBytes(dir.File("radio" + std::to_string(r) + ".hex"));
    EXPECT_EQ(radio.substr(0x54, 6), std::string(mmsi[r], 6)) << r;
    sent.replace(0x54, 6, std::string(mmsi[r], 6));
    EXPECT_EQ(memory_plan::FirstProgrammedDifference(AsBytes(sent), AsBytes(radio)), std::nullopt) << r;
  }
}

// Clearing the user MMSI end to end, with every byte of the conversation in the trace.
TEST(LinkCli, ClearTheUserMmsiWithATrace) {
  test::TempDir dir;
  const std::string link = dir.File("radio");
  const std::string saved = dir.File("radio.hex");
  std::string memory = DestinationImage();
  memory.replace(0x54, 6, "\x36\x61\x23\x45\x60\x01");
  WriteBytes(dir.File("memory.hex"), memory);
  Simulator simulator(dir, link, saved, {"--image", dir.File("memory.hex")});
  const std::string trace = dir.File("trace.txt");
  const test::CliRun clear =
      test::RunKolprogCli({"clear", "mmsi", "--port", link, "--trace", trace});
  EXPECT_EQ(clear.exitCode, 0) << clear.err;
  EXPECT_TRUE(clear.err.ends_with("Complete!!\n")) << clear.err;
  ASSERT_EQ(simulator.Stop(), 0);
  EXPECT_EQ(test::ReadFileBytes(saved).substr(0x54, 6), std::string("\xFF\xFF\xFF\xFF\xFF\x00", 6));
  const std::string text = test::ReadFileBytes(trace);
  EXPECT_NE(text.find(" -- open " + link), std::string::npos) << text;
  EXPECT_NE(text.find(" ms -> 23 43 45 50 57 52 09 30 30 35 39 09 30 31 09 30 30 09"),
            std::string::npos)
      << text;  // "#CEPWR\t0059\t01\t00\t"
  EXPECT_NE(text.find(" ms <- 23 43 4D 44 4F 4B 0D 0A  #CMDOK..\n"), std::string::npos);
}

// Before a command spends a minute with the radio, it refuses what cannot work: a port
// that cannot be one, an output or trace file that cannot be written.
TEST(LinkCli, RefusesWhatCannotWorkBeforeTalkingToTheRadio) {
  test::TempDir dir;
  const std::string out = dir.File("out.hex");
  const std::string port = dir.File("no-such-device");
  fs::create_directories(dir.File("folder.hex"));
  struct Case {
    std::vector<std::string> args;
    const char* message;
  };
  const Case cases[] = {
      {{"read", "--port", "", out}, "--port takes 1-4 or a device path, not ''"},
      {{"read", "--port", "9", out}, "--port takes 1-4 or a device path, not '9'"},
      {{"read", "--port", dir.File("no-such-device"), dir.File("no-folder/out.hex")},
       "there is no folder"},
      {{"program", "--port", dir.File("no-such-device"), "--backup",
        dir.File("no-folder/before.hex"), dir.File("in.hex")},
       "there is no folder"},
      {{"read", "--port", port, dir.File("folder.hex")}, "folder.hex': it is a folder"},
      {{"read", "--port", port, "/sys/kolprog-out.hex"}, "Permission denied"},  // even for root
      {{"read", "--port", port, "--trace", dir.File("no-folder/trace.txt"), out},
       "trace.txt': there is no folder"},
      {{"clear", "mmsi", "--port", port, "--trace", dir.File("folder.hex")}, "it is a folder"},
  };
  for (const Case& c : cases) {
    const test::CliRun run = test::RunKolprogCli(c.args);
    EXPECT_EQ(run.exitCode, 2) << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("port inicialize error!!"), std::string::npos) << run.err;
  }
  EXPECT_EQ(fs::directory_iterator(dir.path()) == fs::directory_iterator(), false);
  for (const auto& entry : fs::directory_iterator(dir.path())) {
    EXPECT_EQ(entry.path().filename(), "folder.hex");  // no probe left behind
  }
}

TEST(LinkCli, PortThatCannotBeOpenedFailsWithTheSystemsReason) {
  test::TempDir dir;
  const test::CliRun run =
      test::RunKolprogCli({"read", "--port", dir.File("no-such-device"), dir.File("out.hex")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("port inicialize error!!\n"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("No such file or directory"), std::string::npos) << run.err;
  EXPECT_FALSE(fs::exists(dir.File("out.hex")));

  // The error log has the system's number before the text, as for a file.
  const std::string program = dir.File("program");
  fs::create_directory(program);
  for (const char* name : {"global.ini", "USA_0CE4.ini"}) {
    fs::copy_file(test::BinDir() + "/" + name, program + "/" + name);
  }
  const test::CliRun logged = test::RunKolprogCli(
      {"read", "--debug", "--port", dir.File("no-such-device"), dir.File("out.hex")}, program);
  EXPECT_EQ(logged.exitCode, 1);
  const std::string log = test::ReadFileBytes(program + "/err.log");
  EXPECT_TRUE(log.ends_with(":frmRadio.PortInit -> 2No such file or directory\r\n")) << log;
}

// A link that leads to a running simulator's terminal is not taken over; one that leads
// nowhere, left by a simulator that was killed, is.
TEST(LinkCli, SimulatorLinksAreNotTakenOver) {
  test::TempDir dir;
  const std::string link = dir.File("radio");
  fs::create_symlink(dir.File("gone"), link);
  Simulator first(dir, link, dir.File("first.hex"));
  for (int i = 0; i < 500 && !fs::exists(link); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ASSERT_TRUE(fs::exists(link)) << test::ReadFileBytes(dir.File("sim-err"));
  const fs::path device = fs::read_symlink(link);

  test::TempDir other;
  Simulator second(other, link, other.File("second.hex"));
  EXPECT_EQ(second.ExitWithin(10000), std::optional<int>(1));
  EXPECT_NE(test::ReadFileBytes(other.File("sim-err")).find("which is in use"), std::string::npos);
  EXPECT_EQ(fs::read_symlink(link), device);
  EXPECT_EQ(first.Stop(), 0);
  EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
}

// The radio behind a command run in this process: the simulator on an in-memory port and
// a virtual clock, so that a transfer costs no real time.
class SimulatedRadio {
 public:
  explicit SimulatedRadio(SimulatorOptions options = {},
                          std::vector<std::uint8_t> memory = DestinationBytes())
      : radio_(std::move(options), std::move(memory)) {}

  RadioSimulator& radio() { return radio_; }
  int Requests(const std::string& head) const {
    int n = 0;
    for (const RadioRequest& r : radio_.Requests()) n += r.head == head;
    return n;
  }
  // Ctrl+C, through the program's own handler, once `condition` holds: it is looked at
  // whenever the link reads the clock, in every turn of its receive loop.
  void InterruptWhen(std::function<bool()> condition) { clock_.interruptWhen = std::move(condition); }

  // Runs `args` as kolprog-cli does, with per-user folders of its own in `home`.
  test::CliRun Run(std::vector<std::string> args, const test::TempDir& home) {
    return test::RunCliInProcess(std::move(args), home, platform_);
  }

 private:
  static std::vector<std::uint8_t> DestinationBytes() {
    const std::string bytes = DestinationImage();
    return {bytes.begin(), bytes.end()};
  }
  RadioSimulator radio_;
  SimulatedWire wire_{radio_};
  test::InterruptingClock clock_;
  MemorySerialPort port_{wire_, clock_};
  cli::LinkPlatform platform_{
      [this](const std::string&) { return cli::LinkConnection{port_, clock_}; }};
};

constexpr char kPort[] = "/dev/ttyUSB3";

// Ctrl+C in the middle of a transfer: exit 3, what the radio may now hold, no file written.
TEST(LinkCli, CtrlCCancelsEveryTransfer) {
  test::TempDir dir;
  const std::string in = dir.File("in.hex");
  WriteBytes(in, DestinationImage());
  fs::create_directory(dir.File("out"));
  struct Case {
    const char* name;
    std::vector<std::string> args;
    std::function<bool(const SimulatedRadio&)> when;  // Ctrl+C once this holds
    std::string says;
    int cancelSignals;  // a read tells the radio; a write is never followed by the signal
  };
  // Block requests: three identity reads before every walk.
  const Case cases[] = {
      {"read", {"read", "--port", kPort, dir.File("out/read.dat")},
       [](const SimulatedRadio& r) { return r.Requests("#CEPRD") >= 3 + 20; }, "", 1},
      {"program", {"program", "--port", kPort, in},
       [](const SimulatedRadio& r) { return r.Requests("#CEPWR") >= 30; },
       "kolprog-cli: the radio may be partly programmed (30 writes sent)\n", 0},
      {"verify", {"program", "--port", kPort, in},
       [](const SimulatedRadio& r) { return r.Requests("#CEPRD") >= 3 + 3 + 20; },
       "kolprog-cli: the radio was programmed; reading it back was cancelled\n", 1},
      {"clear", {"clear", "dsc-log", "--port", kPort},
       [](const SimulatedRadio& r) { return r.Requests("#CEPWR") >= 10; },
       "kolprog-cli: the DSC log may be partly cleared (10 writes sent)\n", 0},
  };
  for (const Case& c : cases) {
    SimulatedRadio radio;
    radio.InterruptWhen([&] { return c.when(radio); });
    const test::CliRun result = radio.Run(c.args, dir);
    EXPECT_EQ(result.exitCode, 3) << c.name << ": " << result.err;
    EXPECT_NE(result.err.find(c.says), std::string::npos) << c.name << ": " << result.err;
    EXPECT_TRUE(result.err.ends_with("kolprog-cli: cancelled\n")) << c.name << ": " << result.err;
    EXPECT_EQ(radio.Requests("CAN"), c.cancelSignals) << c.name;
  }
  // No output, no temporary file, no backup of a read that did not complete.
  EXPECT_TRUE(fs::is_empty(dir.File("out")));
  EXPECT_FALSE(fs::exists(dir.File("data/KOL Programmer/backups")));
}

// The read-back finds the write the radio acknowledged but did not keep: block request 18
// is the block at 0x0010, after the three identity reads and the fourteen single bytes.
TEST(LinkCli, VerifyNamesTheFirstAddressTheRadioDidNotKeep) {
  test::TempDir dir;
  const std::string in = dir.File("in.hex");
  WriteBytes(in, DestinationImage());
  SimulatedRadio radio({.faults = {{RequestKind::kBlock, 18, RadioFault::kLostWrite}}},
                       std::vector<std::uint8_t>(8192, 0xFF));
  const test::CliRun program = radio.Run({"program", "--port", kPort, in}, dir);
  EXPECT_EQ(program.exitCode, 1) << program.err;
  char expected[80];
  std::snprintf(expected, sizeof expected,
                "verify failed at 0x0010: the radio holds 0xFF, the image 0x%02X\n",
                static_cast<unsigned char>(DestinationImage()[0x10]));
  EXPECT_TRUE(program.err.ends_with(expected)) << program.err;
}

// --backup reads the radio first and keeps what it held; without that copy nothing is
// programmed. --no-verify skips the read-back.
TEST(LinkCli, ProgramBacksUpFirst) {
  test::TempDir dir;
  const std::string in = dir.File("in.hex");
  const std::string backup = dir.File("before.hex");
  WriteBytes(in, DestinationImage());
  const std::vector<std::uint8_t> memory(8192, 0xFF);
  {
    SimulatedRadio wrongRadio({.wrongProduct = true}, memory);
    const std::vector<std::uint8_t> before = wrongRadio.radio().Memory();
    const test::CliRun refused =
        wrongRadio.Run({"program", "--port", kPort, "--backup", backup, in}, dir);
    EXPECT_EQ(refused.exitCode, 1) << refused.err;
    EXPECT_NE(refused.err.find("ModelType Error !!\n"), std::string::npos) << refused.err;
    EXPECT_NE(refused.err.find("without its backup the radio was not programmed"),
              std::string::npos)
        << refused.err;
    EXPECT_FALSE(fs::exists(backup));
    EXPECT_EQ(wrongRadio.radio().Memory(), before);
  }
  SimulatedRadio radio({}, memory);
  const std::vector<std::uint8_t> before = radio.radio().Memory();
  const test::CliRun program =
      radio.Run({"program", "--port", kPort, "--backup", backup, "--no-verify", in}, dir);
  EXPECT_EQ(program.exitCode, 0) << program.err;
  EXPECT_EQ(program.err.find("Backing up: reading the radio on /dev/ttyUSB3...\n"), 0u)
      << program.err;
  EXPECT_NE(program.err.find("Backup of the radio's memory: " + dir.File("data/KOL Programmer/backups/")),
            std::string::npos)
      << program.err;
  EXPECT_EQ(program.err.find("Verifying"), std::string::npos) << program.err;
  EXPECT_TRUE(program.err.ends_with("Complete!!\n")) << program.err;
  const std::string kept = test::ReadFileBytes(backup);
  EXPECT_EQ(std::vector<std::uint8_t>(kept.begin(), kept.end()), before);
  EXPECT_NE(radio.radio().Memory(), before);
}

// A radio that refuses before the first write holds what it held, and the command says so;
// one that answers every write "ERROR" is asked about once: Cancel stops the run, and with
// --yes the questions end with Cancel once they have gone on for half a minute.
TEST(LinkCli, ProgramStopsWhereTheRadioRefuses) {
  test::TempDir dir;
  const std::string in = dir.File("in.hex");
  WriteBytes(in, DestinationImage());
  SimulatorOptions refusesWrites;
  for (int n = 4; n < 400; ++n) refusesWrites.faults.push_back({RequestKind::kBlock, n, RadioFault::kError});
  struct Case {
    const char* name;
    SimulatorOptions radio;
    bool yes;
    std::vector<std::string> says;
  };
  const std::string question = "confirm the synchronization of the communication -> ";
  const Case cases[] = {
      {"another model", {.wrongModel = true}, false,
       {"ModelType Error !!\n", "kolprog-cli: nothing was written to the radio\n"}},
      {"writes refused", refusesWrites, false,
       {question + "Cancel (give --yes to answer OK)\n"
                   "kolprog-cli: the radio may be partly programmed (1 write sent)\n"}},
      {"writes refused, --yes", refusesWrites, true,
       {question + "OK (--yes)\n" + question + "OK (--yes)\n",
        question + "Cancel (still so after 30 s)\n"
                   "kolprog-cli: the radio may be partly programmed (1 write sent)\n"}},
  };
  for (const Case& c : cases) {
    SimulatedRadio radio(c.radio);
    std::vector<std::string> args = {"program", "--port", kPort, in};
    if (c.yes) args.push_back("--yes");
    const test::CliRun run = radio.Run(args, dir);
    EXPECT_EQ(run.exitCode, 1) << c.name << ": " << run.err;
    for (const std::string& text : c.says) {
      EXPECT_NE(run.err.find(text), std::string::npos) << c.name << ": " << run.err;
    }
    // Cancel is the last answer: no question after it.
    const std::size_t cancelled = run.err.find(question + "Cancel");
    if (cancelled != std::string::npos) {
      EXPECT_EQ(run.err.find(question, cancelled + 1), std::string::npos) << c.name << ": " << run.err;
    }
    EXPECT_EQ(run.err.find("Communication Error!!"), std::string::npos) << c.name << ": " << run.err;
  }
}

// The command line's host on a virtual clock, printing into strings.
struct HostRig {
  explicit HostRig(bool answerYes = false)
      : prompts(promptLines, answerYes),
        host(err, progress, prompts, flags, clock, interrupted, "/dev/ttyS0") {}

  std::ostringstream err;          // the host's own lines
  cli::StreamProgressLine progress{err, false};
  std::ostringstream promptLines;  // the messages
  cli::CliPrompts prompts;
  AppFlags flags;
  test::FakeClock clock;
  std::atomic<bool> interrupted{false};
  cli::CliLinkHost host;
};

// Progress in a log or a pipe: a line per ten per cent, never a bar going back, and
// nothing for a bar at 0, which after a failed check would read as progress.
TEST(CliLinkHost, ProgressLinesInALog) {
  struct Case {
    std::vector<int> percents;
    const char* lines;
  };
  const Case cases[] = {
      {{0}, ""},
      {{0, 0, 4, 9, 10, 15, 23, 100, 0}, "10%\n23%\n100%\n"},
      {{0, 100, 0, 0, 50, 100}, "100%\n50%\n100%\n"},
  };
  for (const Case& c : cases) {
    HostRig rig;
    for (int percent : c.percents) rig.host.ShowProgress(percent);
    rig.host.EndLine();
    EXPECT_EQ(rig.err.str(), c.lines);
  }
}

// Messages become lines; a title that is not the operation's caption goes in front.
TEST(CliLinkHost, MessageLines) {
  HostRig rig;
  rig.host.Show({"Read from Radio", "Complete!!", MessageIcon::kInformation});
  rig.host.Show({"Model Check", "Communication Error!!", MessageIcon::kCritical});
  rig.host.Show({"Product Code Error!", "address: 0x26 -> 0x0", MessageIcon::kCritical});
  EXPECT_EQ(rig.promptLines.str(),
            "Complete!!\nModel Check: Communication Error!!\n"
            "Product Code Error!: address: 0x26 -> 0x0\n");
}

// A radio that stays busy gets a pause before each Retry, and Cancel once it has been busy
// for half a minute; progress between two questions starts the half minute again.
TEST(CliLinkHost, BusyRadioIsRetriedForHalfAMinute) {
  HostRig rig(true);
  const Message busy{"", "Radio is busy!!", MessageIcon::kExclamation,
                     MessageButtons::kRetryCancel, MessageButton::kCancel};
  int retries = 0;
  while (rig.host.Show(busy) == MessageButton::kRetry) ++retries;
  EXPECT_EQ(retries, cli::CliLinkHost::kAnswerWindowMs / cli::CliLinkHost::kRetryPauseMs);
  EXPECT_EQ(rig.clock.slept(), cli::CliLinkHost::kAnswerWindowMs);
  EXPECT_EQ(rig.err.str(), "Radio is busy!! -> Cancel (still so after 30 s)\n");

  rig.host.ShowProgress(5);
  EXPECT_EQ(rig.host.Show(busy), MessageButton::kRetry);
  rig.interrupted = true;  // Ctrl+C during the pause
  EXPECT_EQ(rig.host.Show(busy), MessageButton::kCancel);
  EXPECT_TRUE(rig.flags.cancelFlag);
}

TEST(CliLinkHost, WaitingForTheRadioInALog) {
  HostRig rig;
  rig.host.ShowLinkWait(2, 6);
  rig.host.ShowLinkWait(3, 6);
  rig.host.ShowProgress(12);
  EXPECT_EQ(rig.err.str(),
            "waiting for the radio (attempt 2 of 6)...\n"
            "waiting for the radio (attempt 3 of 6)...\n12%\n");
}

}  // namespace
}  // namespace kol
