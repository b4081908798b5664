// `kolprog-cli convert` with settings files (.dat) on either side, the start-up it runs
// first (model list, destination) and the error log of --debug.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/cli_run.h"
#include "support/temp_dir.h"
#include "support/test_paths.h"

namespace kol {
namespace {

namespace fs = std::filesystem;

class SettingsCli : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return dir_.File(name); }
  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(Path(name), std::ios::binary) << bytes;
  }
  std::string Read(const std::string& name) const { return test::ReadFileBytes(Path(name)); }
  // A program folder of its own with the model list and the USA destination.
  std::string ProgramFolder() const {
    const std::string folder = Path("program");
    fs::create_directories(folder);
    for (const char* name : {"global.ini", "USA_0CE4.ini"}) {
      fs::copy_file(test::BinDir() + "/" + name, folder + "/" + name);
    }
    return folder;
  }

  test::TempDir dir_;
};

TEST_F(SettingsCli, ConvertsBetweenImagesAndSettingsFilesInEveryDirection) {
  fs::copy_file(test::BinDir() + "/CAN_0CE4.ini", Path("in.hex"));
  for (const auto& [in, out] : {std::pair{"in.hex", "a.dat"}, {"a.dat", "b.hex"}, {"in.hex", "c.hex"},
                                {"a.dat", "d.dat"}}) {
    const test::CliRun run = test::RunKolprogCli({"convert", Path(in), Path(out)});
    ASSERT_EQ(run.exitCode, 0) << in << " -> " << out << ": " << run.err;
    // A settings file is read over a destination's defaults; the command says whose.
    const bool settings = std::string(in).ends_with(".dat");
    EXPECT_EQ(run.err, settings ? Path(in) + ": read over the defaults of destination USA "
                                             "(--destination NAME chooses another)\n"
                                : "");
  }
  EXPECT_EQ(Read("a.dat").rfind("[MAIN]\r\nMODEL=#LZ3300T\r\nTYPE=#KOL\r\nVERSION=#1.00\r\n", 0), 0u);
  EXPECT_EQ(Read("b.hex"), Read("c.hex"));
  EXPECT_EQ(Read("d.dat"), Read("a.dat"));
}

TEST_F(SettingsCli, ASettingsFileStartsFromTheChosenDestination) {
  Write("min.dat", "[MAIN]\nMODELTYPE=1\n");
  for (const auto& [destination, group] : {std::pair{"", 0}, {"intl", 1}, {"CAN", 2}}) {
    std::vector<std::string> args = {"convert", Path("min.dat"), Path("out.hex")};
    if (*destination != '\0') args.insert(args.begin() + 1, {"--destination", destination});
    const test::CliRun run = test::RunKolprogCli(args);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    // Named on the command line, the destination goes without saying.
    EXPECT_EQ(run.err.find("read over the defaults"),
              *destination == '\0' ? 0u + Path("min.dat").size() + 2 : std::string::npos)
        << run.err;
    const std::string image = Read("out.hex");
    EXPECT_EQ(image.at(0x0006), group) << destination;  // the operating group
    // Programming sends the product code's block: it must be the radio's own.
    EXPECT_EQ(image.substr(0x0020, 7), "QT512N\xFF") << destination;
  }
}

TEST_F(SettingsCli, ADestinationThatCannotBeLoadedIsReportedOnce) {
  const std::string folder = ProgramFolder();
  std::ofstream(folder + "/USA_0CE4.ini", std::ios::binary) << std::string(8191, '\xFF');
  Write("min.dat", "[MAIN]\r\nMODELTYPE=1\r\n[Common Setup]\r\nChannel No=12\r\n");
  const test::CliRun run = test::RunKolprogCli({"convert", Path("min.dat"), Path("out.dat")}, folder);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err, "IniFileRead Error!! '" + folder + "/USA_0CE4.ini'\n" + Path("min.dat") +
                         ": read over the defaults of the built-in image (--destination NAME "
                         "chooses another)\n");
  EXPECT_NE(Read("out.dat").find("\r\nChannel No=12\r\n"), std::string::npos);
}

// The help names the destinations there are and the one a command would start from.
TEST_F(SettingsCli, HelpNamesTheDestinations) {
  const test::CliRun help = test::RunKolprogCli({"convert", "--help"});
  EXPECT_NE(help.out.find("\nDestinations: CAN, INTL, USA\nA new document starts from USA (the "
                          "one used last; --destination NAME chooses another).\n"),
            std::string::npos)
      << help.out;
  const test::CliRun chosen = test::RunKolprogCli({"read", "--help", "--destination", "intl"});
  EXPECT_NE(chosen.out.find("A new document starts from INTL (--destination).\n"),
            std::string::npos)
      << chosen.out;
  const test::CliRun none = test::RunKolprogCli({"check", "--help"}, Path(""));
  EXPECT_NE(none.out.find("No model list: " + Path("global.ini") + " offers no model"),
            std::string::npos)
      << none.out;
}

struct FailureCase {
  const char* name;
  std::vector<std::string> options;
  const char* input;  // the .dat file's text; null: none
  const char* out;
  bool emptyProgramFolder;
  std::string message;  // each failure names its file
};

TEST_F(SettingsCli, FailuresPrintTheProgramsMessageAndLeaveNoFile) {
  const std::string in = "'" + Path("in.dat") + "'";
  const FailureCase cases[] = {
      {"another model type", {}, "[MAIN]\r\nMODELTYPE=2\r\n", "out.dat", false,
       "ModelType Error !! " + in},
      {"no model section", {}, "[Common Setup]\r\nSCAN=1\r\n", "out.hex", false,
       "ModelType Error !! " + in},
      {"a missing file", {}, nullptr, "out.hex", false,
       "FileRead Error!! " + in + " (No such file or directory)"},
      {"an unwritable output", {}, "[MAIN]\r\nMODELTYPE=1\r\n", "none/out.dat", false,
       "FileSave Error!! '" + Path("none/out.dat") + "' (No such file or directory)"},
      {"an unknown destination", {"--destination", "mars"}, "[MAIN]\r\nMODELTYPE=1\r\n", "out.dat",
       false, "IniFileRead Error!! '" + test::BinDir() + "/MARS_0CE4.ini'"},
      // A copy of the program without its data files says where it looked.
      {"no model list", {}, "[MAIN]\r\nMODELTYPE=1\r\n", "out.dat", true,
       "Unknown model!! '" + Path("empty/global.ini") + "'\nkolprog-cli: no global.ini in " +
           Path("empty") + " or " + Path("share/kolprog") +
           "; --program-dir DIR names the folder of the program's data files"},
  };
  for (const FailureCase& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(dir_.path());
    fs::create_directories(dir_.path() / "empty");
    if (c.input != nullptr) Write("in.dat", c.input);
    std::vector<std::string> args = {"convert", Path("in.dat"), Path(c.out)};
    args.insert(args.begin() + 1, c.options.begin(), c.options.end());
    const test::CliRun run =
        test::RunKolprogCli(args, c.emptyProgramFolder ? Path("empty") : test::BinDir());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, c.message + "\n");
    EXPECT_FALSE(fs::exists(Path(c.out)));
  }
}

// Every command that reads a settings file refuses one above 1 MiB before reading it.
TEST_F(SettingsCli, EveryCommandRefusesASettingsFileAboveOneMebibyte) {
  Write("big.dat", "[MAIN]\r\nMODELTYPE=1\r\n");
  fs::resize_file(Path("big.dat"), 2 << 20);
  const std::string message = "FileRead Error!! '" + Path("big.dat") +
                              "' (2097152 bytes: a settings file has at most 1048576)\n";
  const std::vector<std::vector<std::string>> commands = {
      {"convert", Path("big.dat"), Path("out.hex")},
      {"report", Path("big.dat")},
      {"check", Path("big.dat")},
  };
  for (const std::vector<std::string>& args : commands) {
    SCOPED_TRACE(args[0]);
    const test::CliRun run = test::RunKolprogCli(args);
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    // `check` lists the file among its findings; the others print nothing.
    EXPECT_EQ(run.out, args[0] == "check" ? Path("big.dat") + ": error: could not be read\n" : "");
  }
  EXPECT_FALSE(fs::exists(Path("out.hex")));
}

TEST_F(SettingsCli, DebugModeLogsFailuresInTheProgramFolder) {
  const std::string folder = ProgramFolder();
  const std::vector<std::string> args = {"convert", Path("missing.dat"), Path("out.dat")};
  EXPECT_EQ(test::RunKolprogCli(args, folder).exitCode, 1);
  EXPECT_FALSE(fs::exists(folder + "/err.log"));

  std::vector<std::string> debug = args;
  debug.push_back("--debug");
  EXPECT_EQ(test::RunKolprogCli(debug, folder).exitCode, 1);
  const std::string log = test::ReadFileBytes(folder + "/err.log");
  EXPECT_TRUE(log.ends_with(":frmMain.FileRead2 -> 2No such file or directory\r\n")) << log;
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 1);
}

}  // namespace
}  // namespace kol
