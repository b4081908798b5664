// `kolprog-cli diff`: two documents setting by setting, named as the window and the
// settings file name them; the exit status says whether they differ.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/cli_run.h"
#include "support/temp_dir.h"
#include "support/test_paths.h"

namespace kol {
namespace {

namespace fs = std::filesystem;

// The value of the first `key=` line after `after` in a settings file's text.
std::string DatValue(const std::string& dat, const std::string& key, const std::string& after) {
  const std::size_t start = dat.find("\r\n" + key + "=", dat.find(after)) + 3 + key.size();
  return dat.substr(start, dat.find("\r\n", start) - start);
}

TEST(DiffCli, AFileEqualsItselfAndAnEditedCopyNamesTheEdits) {
  test::TempDir dir;
  fs::copy_file(test::BinDir() + "/USA_0CE4.ini", dir.File("usa.hex"));
  ASSERT_EQ(test::RunKolprogCli({"convert", dir.File("usa.hex"), dir.File("a.dat")}).exitCode, 0);
  std::string dat = test::ReadFileBytes(dir.File("a.dat"));
  const std::string channelNo = DatValue(dat, "Channel No", "[Common Setup]");
  ASSERT_NE(channelNo, "17");
  test::SetDatKey(dat, "User MMSI", "#366999999");
  test::SetDatKey(dat, "Channel No", "17", "[Common Setup]");
  std::ofstream(dir.File("b.dat"), std::ios::binary) << dat;

  for (const auto& [a, b] : {std::pair{"a.dat", "a.dat"}, {"a.dat", "usa.hex"}}) {
    const test::CliRun same = test::RunKolprogCli({"diff", dir.File(a), dir.File(b)});
    EXPECT_EQ(same.exitCode, 0) << a << " " << b << ": " << same.err;
    EXPECT_EQ(same.out, "") << a << " " << b;
  }
  const test::CliRun edited = test::RunKolprogCli({"diff", dir.File("a.dat"), dir.File("b.dat")});
  EXPECT_EQ(edited.exitCode, 1) << edited.err;
  EXPECT_EQ(edited.out,
            "Common Setup \xE2\x96\xB8 Channel No.#: " + channelNo +
                " \xE2\x86\x92 17  [Common Setup] Channel No\n"
                "DSC Setup \xE2\x96\xB8 Basic Setup \xE2\x96\xB8 UserMMSI: \"\" \xE2\x86\x92 "
                "366999999  [DSC Setup (Basic Setup)] User MMSI\n");
}

TEST(DiffCli, WhatCannotBeComparedIsExitTwo) {
  test::TempDir dir;
  fs::copy_file(test::BinDir() + "/USA_0CE4.ini", dir.File("usa.hex"));
  const std::string usa = dir.File("usa.hex");
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"diff", usa}, "missing arguments"},
      {{"diff", dir.File("a.txt"), usa}, "a.txt"},
      {{"diff", "radio:", usa}, "radio:: a radio is named radio:PORT"},
      {{"diff", usa, "radio:9"}, "radio:9: a radio is named radio:PORT"},
      {{"diff", dir.File("gone.dat"), usa}, "FileRead Error!!"},
  };
  for (const auto& [args, says] : cases) {
    const test::CliRun run = test::RunKolprogCli(args);
    EXPECT_EQ(run.exitCode, 2) << args.back();
    EXPECT_NE(run.err.find(says), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
  }
}

}  // namespace
}  // namespace kol
