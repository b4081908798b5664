// `kolprog-cli export` and `import`: a list of a document to a CSV file and back, saved as
// the same edits made on the model would be saved, or refused as a whole.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "files/dat_file.h"
#include "files/startup.h"
#include "support/cli_run.h"
#include "support/fakes.h"
#include "support/map_settings_store.h"
#include "support/temp_dir.h"
#include "support/test_paths.h"

namespace kol {
namespace {

namespace fs = std::filesystem;

class ListCli : public ::testing::Test {
 protected:
  void SetUp() override {
    Document document = Load("");
    SettingsModel& m = document.model;
    m.individualDirectory[0] = {true, "HARBOUR", "2112345670", {}};
    m.individualDirectory[1] = {true, "Sea Hawk", "3661234560", {}};
    m.groupDirectory[0] = {true, "FLEET", "0112233440", {}};
    m.exp[0] = {
        .enable = true, .chDisplayL = "7", .chDisplayR = "n", .rxFreq = 156.025, .txFreq = 156.025};
    m.exp[1] = {.enable = true, .chDisplayL = "72", .rxFreq = 156.0125};  // a radio's 12.5 kHz step
    Save(document, "base.dat");
  }

  std::string Path(const std::string& name) const { return dir_.File(name); }
  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(Path(name), std::ios::binary) << bytes;
  }
  std::string Read(const std::string& name) const { return test::ReadFileBytes(Path(name)); }

  // The document the program starts with, and with `file` read as the tool reads it.
  Document Load(const std::string& file) {
    Document document;
    document.profile.programFolder = test::BinDir();
    StartUp(document, host_);
    if (!file.empty()) {
      EXPECT_TRUE(ReadSettingsFile(Path(file), document, host_));
    }
    return document;
  }
  void Save(Document& document, const std::string& name) {
    ASSERT_TRUE(WriteSettingsFile(Path(name), document, host_));
  }

  test::CliRun Run(std::vector<std::string> args) { return test::RunKolprogCli(args); }

  test::TempDir dir_;
  test::FakeClock clock_;
  test::ScriptedPrompts prompts_;
  test::MapSettingsStore store_;
  test::RecordingErrorLog log_;
  FileHost host_{prompts_, store_, log_, clock_, 0};
};

TEST_F(ListCli, ExportedListsComeBackWithoutChangingAByte) {
  const std::pair<const char*, const char*> lists[] = {
      {"individual", "Name,MMSI\r\nHARBOUR,211234567\r\nSea Hawk,366123456\r\n"},
      {"group", "Name,MMSI\r\nFLEET,011223344\r\n"},
      {"exp",
       "Channel,CH Display,CH Display Suffix,Rx MHz,Tx MHz,Enable,Low Power,Power Up,"
       "Scan Memory\r\n1,7,n,156.0250,156.0250,Yes,No,No,No\r\n2,72,,156.0125,,Yes,No,No,No\r\n"},
      {"usa", "Channel,Rx MHz,Tx MHz,Enable,Tx Enable,Low Power,Power Up,Duplex,Scan Memory\r\n"},
  };
  for (const auto& [list, start] : lists) {
    SCOPED_TRACE(list);
    const test::CliRun exported =
        Run({"export", Path("base.dat"), "--list", list, Path("list.csv")});
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    EXPECT_EQ(exported.err, "");
    EXPECT_EQ(Read("list.csv").substr(0, std::string(start).size()), start);
    const test::CliRun imported =
        Run({"import", Path("base.dat"), "--list", list, Path("list.csv"), Path("out.dat")});
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_EQ(imported.err, "");
    EXPECT_EQ(Read("out.dat"), Read("base.dat"));
  }
  // An image serves as well: the destination's own has empty directories.
  fs::copy_file(test::BinDir() + "/USA_0CE4.ini", Path("usa.hex"));
  ASSERT_EQ(Run({"export", Path("usa.hex"), "--list=group", Path("g.csv")}).exitCode, 0);
  EXPECT_EQ(Read("g.csv"), "Name,MMSI\r\n");
}

TEST_F(ListCli, ImportedRowsSaveAsTheSameEditsMadeOnTheModel) {
  Write("exp.csv",
        "Channel,Rx MHz,Tx MHz,Enable,CH Display,CH Display Suffix,Low Power,Power Up,Scan Memory\n"
        "3,157.1,157.1,Yes,9,C,No,TRUE,1\n"
        "1,156.0250,,Yes,7,n,Yes,No,No\n");
  ASSERT_EQ(
      Run({"import", Path("base.dat"), "--list", "EXP", Path("exp.csv"), Path("exp.dat")}).exitCode,
      0);
  Write("ind.csv",
        "Name,MMSI\r\nsea hawk,366123456\r\n\"TUG, 2\",244000001\r\nHARBOUR,211234567\r\n");
  ASSERT_EQ(
      Run({"import", Path("base.dat"), "--list", "individual", Path("ind.csv"), Path("ind.dat")})
          .exitCode,
      0);

  Document exp = Load("base.dat");
  exp.model.exp[2] = {.enable = true,
                      .scanMemory = true,
                      .powerUp = true,
                      .chDisplayL = " 9",
                      .chDisplayR = "C",
                      .rxFreq = 157.1,
                      .txFreq = 157.1};
  exp.model.exp[0].txFreq = 0;
  exp.model.exp[0].lowPower = true;
  Save(exp, "exp-model.dat");
  EXPECT_EQ(Read("exp.dat"), Read("exp-model.dat"));

  Document ind = Load("base.dat");
  auto& entries = ind.model.individualDirectory;
  entries[0] = {true, "SEA HAWK", "3661234560", {}};
  entries[1] = {true, "TUG, 2", "2440000010", {}};
  entries[2] = {true, "HARBOUR", "2112345670", {}};
  Save(ind, "ind-model.dat");
  EXPECT_EQ(Read("ind.dat"), Read("ind-model.dat"));
}

TEST_F(ListCli, ARefusedRowImportsNothingAndEveryBadLineIsNamed) {
  Write("in.csv", "Name,MMSI\r\nS\xC3\x98REN,211234567\r\nOK,211234567\r\nTUG,21123\r\n");
  const test::CliRun run =
      Run({"import", Path("base.dat"), "--list", "individual", Path("in.csv"), Path("out.dat")});
  EXPECT_EQ(run.exitCode, 1);
  const std::string in = Path("in.csv");
  EXPECT_EQ(
      run.err,
      in + ": line 2, Name: \"S\xC3\x98REN\" holds \"\xC3\x98\", which the radio cannot show\n" +
          in + ": line 4, MMSI: \"21123\" is not 9 digits\n" + in +
          ": nothing imported (2 lines refused)\n");
  EXPECT_FALSE(fs::exists(Path("out.dat")));
}

TEST_F(ListCli, WrongCommandLinesAndFilesThatCannotBeUsedLeaveNothingBehind) {
  struct Case {
    std::vector<std::string> args;
    int exitCode;
    std::string err;  // its start
  };
  const std::string base = Path("base.dat");
  const Case cases[] = {
      {{"export", base, Path("x.csv")},
       2,
       "kolprog-cli: --list is missing (individual, group, exp, usa, intl, can)\n"},
      {{"export", base, "--list", "weather", Path("x.csv")},
       2,
       "kolprog-cli: unknown list 'weather'"},
      {{"export", base, "--list", "exp", Path("x.dat")},
       2,
       "kolprog-cli: the list is written to a .csv file, not '"},
      {{"export", base, "--list", "exp", Path("none/x.csv")},
       1,
       "FileSave Error!! '" + Path("none/x.csv") + "' (No such file or directory)\n"},
      {{"import", base, "--list", "exp", Path("x.csv"), Path("x.dat")},
       1,
       "FileRead Error!! '" + Path("x.csv") + "' (No such file or directory)\n"},
      {{"import", base, "--list", "exp", "/dev/zero", Path("x.dat")},  // endless: read no further
       1,
       "FileRead Error!! '/dev/zero' (more than 1048576 bytes: a list file has at most 1048576)\n"},
      {{"import", base, "--list", "exp", Path("x.csv"), Path("x.csv")},
       2,
       "kolprog-cli: cannot write '"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args[0] + " " + c.args.back());
    const test::CliRun run = Run(c.args);
    EXPECT_EQ(run.exitCode, c.exitCode);
    EXPECT_EQ(run.err.substr(0, c.err.size()), c.err) << run.err;
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(dir_.path()))
      files.push_back(entry.path().filename());
    EXPECT_EQ(files, std::vector<std::string>{"base.dat"});
  }
}

}  // namespace
}  // namespace kol
