// The manual page and the bash completion written from the command table, checked the way
// a user meets them: the page as groff renders it, the completion as bash runs it.
#include "app/cli/cli_docs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/cli/cli.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"
#include "support/test_paths.h"

namespace kol::cli {
namespace {

using test::ReadFileBytes;
using test::TempDir;

// A word for the shell, quoted whatever it holds.
std::string Quoted(const std::string& word) {
  std::string quoted = "'";
  for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Runs the completion for the words typed so far (the last one is being completed), with
// kolprog-cli on PATH and `folder` as the working folder; the offered words, one a line.
std::vector<std::string> Complete(const std::vector<std::string>& words, const TempDir& folder) {
  const std::string script = folder.File("completion.bash");
  std::ofstream(script) << BashCompletion();
  std::string array;
  for (const std::string& word : words) array += " " + Quoted(word);
  const std::string inner = "source " + Quoted(script) + "; COMP_WORDS=(" + array +
                            "); COMP_CWORD=" + std::to_string(words.size() - 1) +
                            "; _kolprog_cli; printf '%s\\n' \"${COMPREPLY[@]}\"";
  const std::string command = "cd " + Quoted(folder.path().string()) + " && PATH=" +
                              Quoted(test::BinDir()) + ":\"$PATH\" bash --norc -c " +
                              Quoted(inner) + " >" + Quoted(folder.File("offered"));
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  std::vector<std::string> offered = Lines(ReadFileBytes(folder.File("offered")));
  std::erase(offered, "");
  return offered;
}

struct CompletionCase {
  const char* name;
  std::vector<std::string> words;
  std::vector<std::string> offered;  // in any order
};

class CompletionTest : public ::testing::TestWithParam<CompletionCase> {};

TEST_P(CompletionTest, OffersWhatFitsThePlace) {
  TempDir folder;
  std::filesystem::create_directory(folder.path() / "boats");
  std::ofstream(folder.File("boat.dat")) << "[MAIN]\r\n";
  std::vector<std::string> offered = Complete(GetParam().words, folder);
  std::vector<std::string> expected = GetParam().offered;
  std::sort(offered.begin(), offered.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(offered, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CompletionTest,
    ::testing::Values(
        CompletionCase{"Commands", {"kolprog-cli", "c"}, {"convert", "check", "clear"}},
        CompletionCase{"FixedChoices", {"kolprog-cli", "clear", "d"}, {"dsc-log", "distress-log"}},
        CompletionCase{"OptionOfTheCommand", {"kolprog-cli", "program", "--n"}, {"--no-verify"}},
        CompletionCase{"OptionOfAnotherCommandIsNotOffered", {"kolprog-cli", "read", "--no"}, {}},
        CompletionCase{"PortNumbers", {"kolprog-cli", "read", "--port", ""}, {"1", "2", "3", "4"}},
        CompletionCase{"DestinationsOfTheDataFolder",
                       {"kolprog-cli", "convert", "--destination", ""}, {"CAN", "INTL", "USA"}},
        CompletionCase{"FoldersOnly", {"kolprog-cli", "report", "--program-dir", "b"}, {"boats"}},
        CompletionCase{"FilesAsArguments", {"kolprog-cli", "report", "boat."}, {"boat.dat"}},
        CompletionCase{"FileOfAnOption", {"kolprog-cli", "program", "--backup", "boat"},
                       {"boat.dat", "boats"}},
        CompletionCase{"NumberIsTyped", {"kolprog-cli", "simulate", "--baud", ""}, {}},
        CompletionCase{"NoArgumentsToComplete", {"kolprog-cli", "simulate", "b"}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

// Whatever the table holds, each command offers all its options and those of every command.
TEST(CompletionTest, OffersEveryOptionOfEveryCommand) {
  TempDir folder;
  for (const CommandSpec* command : Commands()) {
    std::set<std::string> expected;
    for (std::span<const OptionSpec> options : {command->options, CommonOptions()}) {
      for (const OptionSpec& option : options) expected.insert("--" + std::string(option.name));
    }
    const std::vector<std::string> offered = Complete({"kolprog-cli", std::string(command->name), "--"}, folder);
    EXPECT_EQ(std::set<std::string>(offered.begin(), offered.end()), expected) << command->name;
  }
}

// The page as `man` shows it: groff finds nothing to warn about, and every command and
// option is on it.
TEST(ManualPageTest, RendersWithoutWarningsAndNamesEveryCommandAndOption) {
  TempDir folder;
  std::ofstream(folder.File("kolprog-cli.1")) << ManualPage();
  const std::string command = "groff -man -Tutf8 -ww -P-c -P-b -P-u -P-o " +
                              Quoted(folder.File("kolprog-cli.1")) + " >" +
                              Quoted(folder.File("page")) + " 2>" + Quoted(folder.File("warnings"));
  ASSERT_EQ(std::system(command.c_str()), 0);
  EXPECT_EQ(ReadFileBytes(folder.File("warnings")), "");
  const std::string page = ReadFileBytes(folder.File("page"));
  for (const CommandSpec* command : Commands()) {
    EXPECT_NE(page.find(std::string(command->name) + " "), std::string::npos) << command->name;
    for (const OptionSpec& option : command->options) {
      EXPECT_NE(page.find("--" + std::string(option.name)), std::string::npos) << option.name;
    }
  }
  for (const OptionSpec& option : CommonOptions()) {
    EXPECT_NE(page.find("--" + std::string(option.name)), std::string::npos) << option.name;
  }
  // Texts that begin with a dot or hold a backslash stay text.
  EXPECT_NE(page.find("../share/kolprog"), std::string::npos);
}

}  // namespace
}  // namespace kol::cli
