// Several radios in one command: program, read and clear take --port again for each radio
// and talk to all of them at once. Here the radios are simulated in this process, each on a
// virtual clock of its own; each keeps its identity, the log holds a line per radio, and
// Ctrl+C tells of every radio what was written to it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <regex>

#include "files/table_text.h"
#include "in_process_cli.h"
#include "link/memory_plan.h"
#include "link/memory_serial_port.h"
#include "link/radio_simulator.h"
#include "link/simulated_wire.h"
#include "model/radio_identity.h"
#include "model/radio_image.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"
#include "support/test_paths.h"

namespace kol {
namespace {

namespace fs = std::filesystem;


// A radio of the International destination with its own identity (empty: none).
std::vector<std::uint8_t> RadioMemory(const std::string& mmsi, const std::string& atis) {
  const std::string bytes = test::ReadFileBytes(test::BinDir() + "/INTL_0CE4.ini");
  RadioImage image;
  std::copy(bytes.begin(), bytes.end(), image.Bytes().begin());
  image.WriteBcd10(image_map::kUserMmsi, mmsi, true);
  image[image_map::kUserMmsiPresent] = mmsi.empty() ? 0 : 1;
  image.WriteBcd10(image_map::kAtisCode, atis, false);
  return {image.Bytes().begin(), image.Bytes().end()};
}

// Radios by the device they are on; a device without one cannot be opened.
class SimulatedFleet {
 public:
  struct Radio {
    Radio(SimulatorOptions options, std::vector<std::uint8_t> memory)
        : simulator(std::move(options), std::move(memory)) {}
    int Requests(const std::string& head) const {
      int n = 0;
      for (const RadioRequest& r : simulator.Requests()) n += r.head == head;
      return n;
    }
    RadioSimulator simulator;
    SimulatedWire wire{simulator};
    test::InterruptingClock clock;
    MemorySerialPort port{wire, clock};
  };

  Radio& Add(const std::string& device, std::vector<std::uint8_t> memory,
             SimulatorOptions options = {}) {
    auto& radio = radios_[device];
    radio = std::make_unique<Radio>(std::move(options), std::move(memory));
    return *radio;
  }
  Radio& operator[](const std::string& device) { return *radios_.at(device); }

  test::CliRun Run(std::vector<std::string> args, const test::TempDir& home) {
    return test::RunCliInProcess(std::move(args), home, platform_);
  }

 private:
  std::map<std::string, std::unique_ptr<Radio>> radios_;
  Radio absent_{{}, std::vector<std::uint8_t>(8192, 0xFF)};
  cli::LinkPlatform platform_{[this](const std::string& device) {
    const auto found = radios_.find(device);
    if (found != radios_.end()) return cli::LinkConnection{found->second->port, found->second->clock};
    absent_.port.opensBeforeFailure = 0;
    return cli::LinkConnection{absent_.port, absent_.clock};
  }};
};

const std::string kPorts[] = {"/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyUSB2"};

std::vector<std::vector<std::string>> CsvRows(const std::string& path) {
  std::vector<std::vector<std::string>> rows;
  for (const TableRow& row : ReadTableText(test::ReadFileBytes(path), ',').rows) rows.push_back(row.cells);
  return rows;
}

// What programming sends: the template encoded and prepared, as convert writes it.
std::vector<std::uint8_t> Sent(const std::string& in, const test::TempDir& dir,
                               SimulatedFleet& fleet) {
  EXPECT_EQ(fleet.Run({"convert", in, dir.File("sent.hex")}, dir).exitCode, 0);
  const std::string bytes = test::ReadFileBytes(dir.File("sent.hex"));
  return {bytes.begin(), bytes.end()};
}

// The radio holds the template everywhere programming writes, except its identity bytes.
void ExpectTemplateWithIdentity(const std::vector<std::uint8_t>& radio,
                                const std::vector<std::uint8_t>& sent,
                                const std::vector<std::uint8_t>& identityFrom,
                                const std::string& name) {
  const auto identity = [](int i) {
    return (i >= 0x54 && i <= 0x59) || (i >= 0x74 && i <= 0x78) || (i >= 0x20 && i <= 0x26);
  };
  for (int i = 0; i < 8192; ++i) {
    if (!memory_plan::IsProgrammed(i)) continue;
    ASSERT_EQ(radio[i], identity(i) ? identityFrom[i] : sent[i]) << name << " at " << i;
  }
}

class FleetCli : public ::testing::Test {
 protected:
  void SetUp() override {
    fleet.Add(kPorts[0], RadioMemory("366000001", "9210000001"));
    fleet.Add(kPorts[1], RadioMemory("366000002", "9210000002"));
    fleet.Add(kPorts[2], RadioMemory("", ""));
    in = dir.File("template.hex");
    const std::vector<std::uint8_t> template_ = RadioMemory("211999999", "9219999999");
    std::ofstream(in, std::ios::binary).write(reinterpret_cast<const char*>(template_.data()),
                                              static_cast<std::streamsize>(template_.size()));
    for (const std::string& port : kPorts) before[port] = fleet[port].simulator.Memory();
  }

  test::TempDir dir;
  SimulatedFleet fleet;
  std::string in;
  std::map<std::string, std::vector<std::uint8_t>> before;
};

TEST_F(FleetCli, EveryRadioGetsTheTemplateAndKeepsItsIdentity) {
  const std::string log = dir.File("log.csv");
  const test::CliRun run = fleet.Run({"program", "--port", kPorts[0], "--port", kPorts[1], "--port",
                                      kPorts[2], "--keep-identity", "--log", log, in},
                                     dir);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::vector<std::uint8_t> sent = Sent(in, dir, fleet);
  for (const std::string& port : kPorts) {
    ExpectTemplateWithIdentity(fleet[port].simulator.Memory(), sent, before[port], port);
    // Each radio's lines carry its port.
    EXPECT_NE(run.err.find(port + ": Programming the radio on " + port + "...\n"), std::string::npos);
    EXPECT_NE(run.err.find(port + ": verified\n"), std::string::npos) << run.err;
  }
  // The summary: one line per radio, with the identity each kept.
  EXPECT_TRUE(std::regex_search(run.out, std::regex("/dev/ttyUSB0 +QT512N +366000001 \\(kept\\) +"
                                                    "9210000001 \\(kept\\) +programmed +yes +[0-9.]+ s")))
      << run.out;
  EXPECT_TRUE(std::regex_search(run.out, std::regex("/dev/ttyUSB2 +QT512N +- \\(kept\\) +- \\(kept\\) +"
                                                    "programmed +yes")))
      << run.out;

  const std::vector<std::vector<std::string>> rows = CsvRows(log);
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0][0], "Time");
  const std::string sha = rows[1][6];
  EXPECT_TRUE(std::regex_match(sha, std::regex("[0-9a-f]{64}"))) << sha;
  const std::map<std::string, std::string> mmsi = {
      {kPorts[0], "366000001"}, {kPorts[1], "366000002"}, {kPorts[2], ""}};
  for (std::size_t r = 1; r < rows.size(); ++r) {
    const std::vector<std::string>& row = rows[r];
    ASSERT_EQ(row.size(), 11u);
    EXPECT_EQ(row[1], kPorts[r - 1]);  // in the order of the ports
    EXPECT_EQ(row[2], "QT512N");
    EXPECT_EQ(row[3], mmsi.at(row[1]));
    EXPECT_EQ(row[4], mmsi.at(row[1]));
    EXPECT_EQ(row[5], in);
    EXPECT_EQ(row[7] + "/" + row[8], "programmed/yes");
  }
  // The same template with other identities: each radio's image has its own digest.
  EXPECT_NE(rows[1][6], rows[2][6]);
}

TEST_F(FleetCli, AFleetFileGivesEachRadioItsOwnValues) {
  const std::string csv = dir.File("fleet.csv");
  std::ofstream(csv) << "Port,User MMSI,Atis Code\r\n"
                     << kPorts[0] << ",366111111,\r\n"
                     << kPorts[1] << ",,9212222222\r\n";
  const test::CliRun run = fleet.Run({"program", "--fleet", csv, in}, dir);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(IdentityOf(fleet[kPorts[0]].simulator.Memory()),
            (RadioIdentity{"QT512N", "366111111", "9210000001"}));
  EXPECT_EQ(IdentityOf(fleet[kPorts[1]].simulator.Memory()),
            (RadioIdentity{"QT512N", "366000002", "9212222222"}));
  EXPECT_TRUE(fleet[kPorts[2]].simulator.Requests().empty());
  EXPECT_TRUE(std::regex_search(run.out, std::regex("/dev/ttyUSB0 +QT512N +366111111 +9210000001 \\(kept\\)")))
      << run.out;
  EXPECT_TRUE(std::regex_search(run.out, std::regex("/dev/ttyUSB1 +QT512N +366000002 \\(kept\\) +9212222222 ")))
      << run.out;
}

// A radio that fails does not stop the others; the command fails, and the log has its line.
TEST_F(FleetCli, OneRadioFailingLeavesTheOthersProgrammed) {
  fleet.Add(kPorts[1], RadioMemory("366000002", ""), {.wrongModel = true});
  const std::string log = dir.File("log.csv");
  // --force: every radio gets the template's identity as it stands.
  const test::CliRun run = fleet.Run({"program", "--port", kPorts[0], "--port", kPorts[1], "--port",
                                      "/dev/ttyUSB7", "--force", "--log", log, in},
                                     dir);
  EXPECT_EQ(run.exitCode, 1) << run.err;
  EXPECT_EQ(IdentityOf(fleet[kPorts[0]].simulator.Memory()).userMmsi, "211999999");
  EXPECT_NE(run.err.find(kPorts[1] + ": ModelType Error !!\n"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find(kPorts[1] + ": kolprog-cli: nothing was written to the radio\n"),
            std::string::npos);
  EXPECT_NE(run.err.find("/dev/ttyUSB7: kolprog-cli: cannot open /dev/ttyUSB7"), std::string::npos);
  const std::vector<std::vector<std::string>> rows = CsvRows(log);
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[1][7], "programmed");
  EXPECT_EQ(rows[2][7] + "/" + rows[2][10], "failed/nothing was written to the radio");
  EXPECT_EQ(rows[2][6], "");  // no image went out
  EXPECT_EQ(rows[3][7], "failed");
}

// Ctrl+C stops every radio, and each says what it got; the log records each.
TEST_F(FleetCli, CtrlCStopsEveryRadioAndEachSaysWhatWasWritten) {
  SimulatedFleet::Radio& first = fleet[kPorts[0]];
  first.clock.interruptWhen = [&] { return first.Requests("#CEPWR") >= 30; };
  const std::string log = dir.File("log.csv");
  const test::CliRun run =
      fleet.Run({"program", "--port", kPorts[0], "--port", kPorts[1], "--keep-identity", "--log",
                 log, in},
                dir);
  EXPECT_EQ(run.exitCode, 3) << run.err;
  for (const std::string& port : {kPorts[0], kPorts[1]}) {
    const int writes = fleet[port].Requests("#CEPWR");
    const std::string says =
        writes == 0 ? "nothing was written to the radio"
                    : "the radio may be partly programmed (" + std::to_string(writes) +
                          (writes == 1 ? " write" : " writes") + " sent)";
    EXPECT_NE(run.err.find(port + ": kolprog-cli: " + says + "\n"), std::string::npos)
        << port << ": " << run.err;
  }
  const std::vector<std::vector<std::string>> rows = CsvRows(log);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[1][7], "cancelled");
  EXPECT_EQ(rows[2][7], "cancelled");
}

TEST_F(FleetCli, ReadingSeveralRadiosGivesEachItsOwnFiles) {
  fs::create_directory(dir.File("out"));
  const test::CliRun run = fleet.Run(
      {"read", "--port", kPorts[0], "--port", kPorts[1], "--port", kPorts[2], dir.File("out/radio.dat")},
      dir);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  for (const char* name : {"radio_366000001.dat", "radio_366000002.dat", "radio_ttyUSB2.dat"}) {
    EXPECT_TRUE(fs::exists(dir.File(std::string("out/") + name))) << name << "\n" << run.out;
  }
  EXPECT_NE(test::ReadFileBytes(dir.File("out/radio_366000002.dat")).find("User MMSI=#366000002"),
            std::string::npos);
  int backups = 0;
  for (const auto& entry : fs::directory_iterator(dir.File("data/KOL Programmer/backups"))) {
    static_cast<void>(entry);
    ++backups;
  }
  EXPECT_EQ(backups, 3);
  EXPECT_TRUE(std::regex_search(run.out, std::regex("/dev/ttyUSB1 +QT512N +366000002 +read +[0-9.]+ s +" +
                                                    dir.File("out/radio_366000002.dat"))))
      << run.out;
}

TEST_F(FleetCli, ClearingSeveralRadios) {
  const test::CliRun run =
      fleet.Run({"clear", "mmsi", "--port", kPorts[0], "--port", kPorts[1]}, dir);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(IdentityOf(fleet[kPorts[0]].simulator.Memory()).userMmsi, "");
  EXPECT_EQ(IdentityOf(fleet[kPorts[1]].simulator.Memory()).userMmsi, "");
  EXPECT_EQ(IdentityOf(fleet[kPorts[1]].simulator.Memory()).atisCode, "9210000002");
  EXPECT_TRUE(std::regex_search(run.out, std::regex("/dev/ttyUSB1 +cleared"))) << run.out;
}

// diff reads a radio named radio:PORT and names what programming the file would change;
// once programmed, nothing is left.
TEST_F(FleetCli, DiffOfARadioAndAFile) {
  const test::CliRun before = fleet.Run({"diff", "radio:" + kPorts[0], in}, dir);
  EXPECT_EQ(before.exitCode, 1) << before.err;
  EXPECT_EQ(before.out,
            "DSC Setup \xE2\x96\xB8 Basic Setup \xE2\x96\xB8 UserMMSI: 3660000010 \xE2\x86\x92 "
            "2119999990  [DSC Setup (Basic Setup)] User MMSI\n"
            "ATIS Setup \xE2\x96\xB8 ATIS Code: 9210000001 \xE2\x86\x92 9219999999  [ATIS Setup] Atis Code\n");
  ASSERT_EQ(fleet.Run({"program", "--port", kPorts[0], in}, dir).exitCode, 0);
  const test::CliRun after = fleet.Run({"diff", in, "radio:" + kPorts[0]}, dir);
  EXPECT_EQ(after.exitCode, 0) << after.out << after.err;
  EXPECT_EQ(after.out, "");
}

// What cannot work is refused before any radio is touched.
TEST_F(FleetCli, RefusedBeforeAnyRadioIsTouched) {
  const std::string csv = dir.File("fleet.csv");
  std::ofstream(csv) << "Port,User MMSI,Atis Code\n" << kPorts[0] << ",36611111,\n";
  struct Case {
    std::vector<std::string> args;
    int exitCode;
    std::string says;
  };
  const Case cases[] = {
      {{"program", "--port", kPorts[0], "--port", kPorts[0], in}, 2, "is named twice"},
      {{"program", "--port", "1", "--port", "/dev/ttyS0", in}, 2, "is named twice"},
      {{"program", "--fleet", csv, "--port", kPorts[1], in}, 2, "--fleet names the ports"},
      {{"program", "--fleet", csv, "--keep-identity", in}, 2, "--fleet names the ports"},
      {{"read", "--port", kPorts[0], "--port", kPorts[1], "--trace", dir.File("t.txt"),
        dir.File("out.dat")},
       2, "--trace follows one radio"},
      {{"program", "--port", kPorts[0], "--log", dir.File("no-folder/log.csv"), in}, 2,
       "cannot write the log"},
      // One identity for every radio: they would answer as one station.
      {{"program", "--port", kPorts[0], "--port", kPorts[1], in}, 1,
       "every radio would get " + in + "'s user MMSI 2119999990 and ATIS code 9219999999 and "
       "answer as one station"},
      {{"program", "--fleet", csv, in}, 1,
       csv + ":2: User MMSI '36611111': takes nine digits, or nothing to keep the radio's own\n"
             "kolprog-cli: no radio was programmed; " + csv + " must be put right first\n"},
  };
  for (const Case& c : cases) {
    const test::CliRun run = fleet.Run(c.args, dir);
    EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
    EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
  }
  for (const std::string& port : kPorts) EXPECT_TRUE(fleet[port].simulator.Requests().empty()) << port;
}

}  // namespace
}  // namespace kol
