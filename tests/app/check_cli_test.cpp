// The check before programming on the command line: `check`, `program` refusing a document
// the radio would not hold as it reads, and `convert` to an image saying so.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/cli_run.h"
#include "support/temp_dir.h"
#include "support/test_paths.h"

namespace kol {
namespace {

namespace fs = std::filesystem;

class CheckCli : public ::testing::Test {
 protected:
  CheckCli() {
    fs::copy_file(test::BinDir() + "/USA_0CE4.ini", Path("usa.hex"));
    const test::CliRun run = test::RunKolprogCli({"convert", Path("usa.hex"), Path("good.dat")});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    good_ = test::ReadFileBytes(Path("good.dat"));
  }
  std::string Path(const std::string& name) const { return dir_.File(name); }
  struct Edit {
    std::string key;
    std::string value;
    std::string section;  // the key's first line after this header; empty: the first line
  };
  // good.dat with the edits made, as the file `name`.
  std::string Edited(const std::string& name, const std::vector<Edit>& edits) const {
    std::string dat = good_;
    for (const Edit& edit : edits) test::SetDatKey(dat, edit.key, edit.value, edit.section);
    std::ofstream(Path(name), std::ios::binary) << dat;
    return Path(name);
  }

  test::TempDir dir_;
  std::string good_;
};

TEST_F(CheckCli, PrintsALineForEveryFileAndFailsOnErrors) {
  const std::string bad = Edited("bad.dat", {{"User MMSI", "#36612345X"}});
  std::ofstream(Path("notes.txt")) << "not a document";
  const test::CliRun run = test::RunKolprogCli(
      {"check", Path("good.dat"), bad, Path("missing.dat"), Path("notes.txt"), Path("usa.hex")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out,
            Path("good.dat") + ": ok\n" + bad +
                ": error: [DSC Setup (Basic Setup)] User MMSI=36612345X: is not all digits; "
                "the radio gets \"36612345\"\n" +
                Path("missing.dat") + ": error: could not be read\n" + Path("notes.txt") +
                ": error: is not a settings file (.dat) or an image file (.hex)\n" +
                Path("usa.hex") + ": ok\n");
  EXPECT_EQ(run.err, "FileRead Error!! '" + Path("missing.dat") + "' (No such file or directory)\n");
  const test::CliRun clean = test::RunKolprogCli({"check", Path("good.dat"), Path("usa.hex")});
  EXPECT_EQ(clean.exitCode, 0);

  // Only a station name the radio cannot show: bytes outside ASCII are written out.
  const std::string name = Edited("name.dat", {{"Enable", "1", "[CHMMSID1]"},
                                               {"TagName", "#S\xD8REN", "[CHMMSID1]"},
                                               {"Mmsid", "2111111110", "[CHMMSID1]"}});
  const test::CliRun names = test::RunKolprogCli({"check", name});
  EXPECT_EQ(names.exitCode, 1);
  EXPECT_EQ(names.out, name + ": error: [CHMMSID1] TagName=S\\xD8REN: holds characters the "
                              "radio cannot show; the radio gets \"S\"\n");
}

TEST_F(CheckCli, WarningsFailOnlyWhenStrict) {
  const std::string exp = Edited("exp.dat", {{"Enable", "1", "[CHEXP2]"}});
  const test::CliRun run = test::RunKolprogCli({"check", exp});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, exp + ": warning: [CHEXP2] Rxfreq=0: the channel is enabled without a "
                            "receive frequency\n");
  EXPECT_EQ(test::RunKolprogCli({"check", "--strict", exp}).exitCode, 1);
  EXPECT_EQ(test::RunKolprogCli({"check", "--strict", Path("good.dat")}).exitCode, 0);
}

// The port is never opened for a document the radio would not hold as it reads, unless
// the technician says so.
TEST_F(CheckCli, ProgramRefusesErrorsBeforeOpeningThePort) {
  const std::string bad = Edited("bad.dat", {{"Status name 0", "ABCD"}});
  const std::string port = Path("no-such-port");
  const test::CliRun refused = test::RunKolprogCli({"program", "--port", port, bad});
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_EQ(refused.err.find(bad + ": read over the defaults of destination USA"), 0u)
      << refused.err;
  EXPECT_NE(refused.err.find("\n" + bad + ": error: [Usable CH Group Setup] Status name 0=ABCD: "),
            std::string::npos)
      << refused.err;
  EXPECT_NE(refused.err.find("was not programmed (--force programs it all the same)"),
            std::string::npos);
  EXPECT_EQ(refused.err.find("port inicialize error!!"), std::string::npos) << refused.err;

  const test::CliRun forced = test::RunKolprogCli({"program", "--force", "--port", port, bad});
  EXPECT_EQ(forced.exitCode, 1);
  EXPECT_NE(forced.err.find("port inicialize error!!"), std::string::npos) << forced.err;
}

TEST_F(CheckCli, ConvertToAnImageSaysWhatTheRadioWouldGetAndWritesIt) {
  const std::string bad = Edited("bad.dat", {{"Status name 0", "ABCD"}});
  const test::CliRun run =
      test::RunKolprogCli({"convert", "--destination", "usa", bad, Path("out.hex")});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err, bad + ": error: [Usable CH Group Setup] Status name 0=ABCD: is longer than "
                           "the 3 characters the radio keeps; the radio gets \"ABC\"\n");
  EXPECT_EQ(fs::file_size(Path("out.hex")), 8192u);
  // A settings file keeps the text: only an image is what the radio would get.
  const test::CliRun dat =
      test::RunKolprogCli({"convert", "--destination", "usa", bad, Path("out.dat")});
  EXPECT_EQ(dat.err, "");
  EXPECT_NE(test::ReadFileBytes(Path("out.dat")).find("\r\nStatus name 0=ABCD\r\n"),
            std::string::npos);
}

}  // namespace
}  // namespace kol
