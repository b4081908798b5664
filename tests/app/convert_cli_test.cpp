// `kolprog-cli convert` between raw images: the image is decoded, encoded and prepared as
// for programming, and a refused or failed conversion leaves no file behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string>

#include "support/cli_run.h"
#include "support/temp_dir.h"
#include "support/test_paths.h"

namespace kol {
namespace {

namespace fs = std::filesystem;

class ConvertCli : public ::testing::Test {
 protected:
  ConvertCli() : image_(test::ReadFileBytes(test::BinDir() + "/USA_0CE4.ini")) {}

  void WriteInput(const std::string& bytes) const {
    std::ofstream(In(), std::ios::binary) << bytes;
  }
  std::string In() const { return dir_.File("in.hex"); }
  std::set<std::string> Files() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_.path())) {
      names.insert(entry.path().filename());
    }
    return names;
  }

  std::string image_;  // a destination image shipped with the program
  test::TempDir dir_;
};

TEST_F(ConvertCli, WritesTheImageAsProgrammingWouldSendIt) {
  ASSERT_EQ(image_.size(), 8192u);
  std::string in = image_;
  in[0x1D] = static_cast<char>(in[0x1D] | 0x40);  // a spare bit the radio keeps 0
  in[0x59] = 7;                                   // "user MMSI present", without one
  in[0x1FC0] = 0x5A;                              // memory the program does not interpret
  in.replace(0x810, 6, "\x21\x10\x00\x00\x00" "A", 6);  // an entry after the directory's end
  WriteInput(in);

  const test::CliRun run = test::RunKolprogCli({"convert", In(), dir_.File("out.hex")});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, "");

  std::string expected = in;
  expected[0x1D] = static_cast<char>(expected[0x1D] & ~0x40);
  expected[0x59] = 0;
  expected.replace(0x810, 16, std::string(16, '\xFF'));
  EXPECT_EQ(test::ReadFileBytes(dir_.File("out.hex")), expected);
}

struct FailureCase {
  const char* name;
  std::function<std::string(const std::string& image)> input;  // null: no input file
  const char* out;
  const char* message;
  bool aboutOut;       // the message names OUT, else IN
  const char* reason;  // the system's or the program's, in brackets
};

const FailureCase kFailures[] = {
    {"an 8191-byte file", [](const std::string& image) { return image.substr(1); }, "out.hex",
     "bad file!!", false, " (8191 bytes: an image file has exactly 8192)"},
    {"a wrong identifier at the end",
     [](const std::string& image) { return image.substr(0, 8190) + "\x0C\xE5"; }, "out.hex",
     "ModelType Error !!", false, ""},
    {"a missing file", nullptr, "out.hex", "FileRead Error!!", false, " (No such file or directory)"},
    {"an unwritable output path", [](const std::string& image) { return image; }, "none/out.hex",
     "FileSave Error!!", true, " (No such file or directory)"},
    {"an output path that is a folder", [](const std::string& image) { return image; },
     "folder.hex", "FileSave Error!!", true, " (Is a directory)"},
};

TEST_F(ConvertCli, RefusesOrFailsWithOneLineAndNoOutputFile) {
  for (const FailureCase& c : kFailures) {
    SCOPED_TRACE(c.name);
    fs::remove_all(dir_.path());
    fs::create_directories(dir_.path() / "folder.hex");
    if (c.input) WriteInput(c.input(image_));
    const std::set<std::string> before = Files();
    const std::string out = dir_.File(c.out);

    const test::CliRun run = test::RunKolprogCli({"convert", In(), out});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, std::string(c.message) + " '" + (c.aboutOut ? out : In()) + "'" +
                           c.reason + "\n");
    EXPECT_EQ(Files(), before);
  }
}

TEST_F(ConvertCli, UnknownFormatIsAUsageError) {
  WriteInput(image_);
  const test::CliRun run = test::RunKolprogCli({"convert", In(), dir_.File("out.doc")});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.err.rfind("kolprog-cli: cannot write '" + dir_.File("out.doc") + "'", 0), 0u)
      << run.err;
  EXPECT_FALSE(fs::exists(dir_.File("out.doc")));
}

}  // namespace
}  // namespace kol
