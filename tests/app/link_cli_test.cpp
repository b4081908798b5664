// The link end to end: `kolprog-cli simulate` plays the radio on a pseudo-terminal, and
// `read` and `program` (with its read-back) talk to it through the Qt serial port.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <optional>
#include <sstream>
#include <thread>

#include "app/cli/link_command.h"
#include "link/memory_plan.h"
#include "support/cli_run.h"
#include "support/fakes.h"
#include "support/temp_dir.h"
#include "support/test_paths.h"

namespace kol {
namespace {

namespace fs = std::filesystem;

// `kolprog-cli simulate` in the background, as long as the object lives.
class Simulator {
 public:
  Simulator(const test::TempDir& dir, const std::string& link, const std::string& save) {
    pid_ = fork();
    if (pid_ == 0) {
      setenv("XDG_CONFIG_HOME", dir.File("sim-config").c_str(), 1);
      setenv("XDG_DATA_HOME", dir.File("sim-data").c_str(), 1);
      freopen(dir.File("sim-out").c_str(), "w", stdout);
      freopen(dir.File("sim-err").c_str(), "w", stderr);
      const std::string program = test::BinDir() + "/kolprog-cli";
      execl(program.c_str(), program.c_str(), "simulate", "--link", link.c_str(), "--save",
            save.c_str(), "--baud", "0", "--program-dir", test::BinDir().c_str(), nullptr);
      _exit(127);
    }
    // Starting a process takes real time; this waits for it, not for a time-out of the code.
    for (int i = 0; i < 500 && !fs::is_symlink(link); ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }
  ~Simulator() { Stop(); }

  // The exit status once the simulator ended by itself within `ms`; nothing while it runs.
  std::optional<int> ExitWithin(int ms) {
    for (int waited = 0; waited <= ms && pid_ > 0; waited += 10) {
      int status = 0;
      if (waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = -1;
        status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return status_;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return std::nullopt;
  }

  // Interrupts the simulator as Ctrl+C does; returns its exit status.
  int Stop() {
    if (pid_ <= 0) return status_;
    kill(pid_, SIGINT);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
    status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return status_;
  }

 private:
  pid_t pid_ = -1;
  int status_ = -1;
};

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
  EXPECT_EQ(image.substr(0x20, 7), std::string("QT512N\xFF", 7));

  // A destination image differs from the simulator's blank memory almost everywhere.
  const std::string in = dir.File("in.hex");
  fs::copy_file(test::BinDir() + "/INTL_0CE4.ini", in);
  const test::CliRun program = test::RunKolprogCli({"program", "--port", link, in});
  ASSERT_EQ(program.exitCode, 0) << program.err;
  EXPECT_NE(program.err.find("Complete!!\nVerifying: reading the programmed memory back on "),
            std::string::npos)
      << program.err;
  EXPECT_EQ(program.err.substr(program.err.size() - 9), "verified\n");

  ASSERT_EQ(simulator.Stop(), 0);
  EXPECT_FALSE(fs::exists(link));
  // The radio holds what programming sends: the image encoded and prepared, as convert
  // writes it.
  const test::CliRun convert = test::RunKolprogCli({"convert", in, dir.File("sent.hex")});
  ASSERT_EQ(convert.exitCode, 0) << convert.err;
  const std::string sent = test::ReadFileBytes(dir.File("sent.hex"));
  const std::string radio = test::ReadFileBytes(saved);
  ASSERT_EQ(radio.size(), 8192u);
  const auto bytes = [](const std::string& s) {
    return std::span(reinterpret_cast<const std::uint8_t*>(s.data()), s.size());
  };
  EXPECT_EQ(memory_plan::FirstProgrammedDifference(bytes(sent), bytes(radio)), std::nullopt);
  EXPECT_NE(memory_plan::FirstProgrammedDifference(bytes(sent), bytes(image)), std::nullopt);
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

// Twenty radios' backups can be told apart by their user MMSI.
TEST(LinkCli, BackupNamesCarryTheUserMmsi) {
  std::vector<std::uint8_t> bytes(8192, 0xFF);
  EXPECT_EQ(cli::BackupFileName("2024-06-12_10-00-00-000", bytes), "2024-06-12_10-00-00-000.hex");
  const std::uint8_t mmsi[] = {0x36, 0x61, 0x23, 0x45, 0x60};  // 366123456 and the pad 0
  std::copy(std::begin(mmsi), std::end(mmsi), bytes.begin() + 0x54);
  EXPECT_EQ(cli::BackupFileName("2024-06-12_10-00-00-000", bytes),
            "2024-06-12_10-00-00-000_366123456.hex");
}

// The command line's host on a virtual clock, printing into strings.
struct HostRig {
  explicit HostRig(bool answerYes = false)
      : prompts(promptLines, answerYes), host(err, prompts, flags, clock, interrupted) {}

  std::ostringstream err;          // the host's own lines
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
