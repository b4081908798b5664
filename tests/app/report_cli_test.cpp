// The report outputs of the command-line tool, run as a user runs it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <filesystem>
#include <map>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "support/cli_run.h"
#include "support/temp_dir.h"
#include "support/test_paths.h"

namespace kol {
namespace {

class ReportCli : public ::testing::Test {
 protected:
  void SetUp() override { std::filesystem::copy_file(test::BinDir() + "/USA_0CE4.ini", In()); }
  std::string In() const { return dir_.File("radio.hex"); }

  test::TempDir dir_;
};

TEST_F(ReportCli, ReportPrintsWhatConvertWritesToText) {
  const std::string txt = dir_.File("report.txt");
  const test::CliRun convert = test::RunKolprogCli({"convert", In(), txt});
  ASSERT_EQ(convert.exitCode, 0) << convert.err;
  const std::string file = test::ReadFileBytes(txt);
  EXPECT_EQ(file.rfind("##### Usable CH Group Setup #####\r\n", 0), 0u);
  ASSERT_GE(file.size(), 4u);
  EXPECT_EQ(file.substr(file.size() - 3), " \r\n");  // the last row, padded, then one CR LF

  const test::CliRun report = test::RunKolprogCli({"report", In()});
  ASSERT_EQ(report.exitCode, 0) << report.err;
  EXPECT_EQ(report.out, file);
  EXPECT_EQ(report.err, "");
}

// Output that cannot be written (a full disk, a closed pipe) is a failure that says why,
// for every command that prints: nothing a command finds is lost silently.
TEST_F(ReportCli, OutputIntoAFullDiskFailsAndSaysWhy) {
  // A document whose check finds a warning only, which alone would not fail the command.
  const std::string warned = dir_.File("warned.dat");
  ASSERT_EQ(test::RunKolprogCli({"convert", In(), warned}).exitCode, 0);
  std::string dat = test::ReadFileBytes(warned);
  test::SetDatKey(dat, "Enable", "1", "[CHEXP2]");
  std::ofstream(warned, std::ios::binary) << dat;
  ASSERT_EQ(test::RunKolprogCli({"check", warned}).exitCode, 0);

  const std::vector<std::vector<std::string>> commands = {
      {"report", In()}, {"check", warned}, {"check", In()}, {"--version"}, {"--help"},
      {"convert", "--help"}};
  for (const std::vector<std::string>& args : commands) {
    SCOPED_TRACE(args.front() + " " + args.back());
    const test::CliRun run = test::RunKolprogCli(args, test::BinDir(), "/dev/full");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.ends_with("kolprog-cli: cannot write to standard output: No space left "
                                  "on device\n"))
        << run.err;
  }
}

// The lines of each page with their blanks around them removed, empty lines left out;
// pdftotext ends pages with a form feed.
std::vector<std::vector<std::string>> PdfPageLines(const std::string& pdf,
                                                   const std::string& text) {
  const std::string command = "pdftotext -layout '" + pdf + "' '" + text + "'";
  if (std::system(command.c_str()) != 0) return {};
  std::vector<std::vector<std::string>> pages;
  std::istringstream all(test::ReadFileBytes(text));
  for (std::string page; std::getline(all, page, '\f');) {
    std::vector<std::string>& kept = pages.emplace_back();
    std::istringstream lines(page);
    for (std::string line; std::getline(lines, line);) {
      const std::size_t start = line.find_first_not_of(' ');
      if (start == std::string::npos) continue;
      kept.push_back(line.substr(start, line.find_last_not_of(' ') + 1 - start));
    }
  }
  return pages;
}

// The heading, the section titles and the page number of each page, in order.
std::vector<std::vector<std::string>> PdfPageTitles(const std::string& pdf,
                                                    const std::string& text) {
  std::vector<std::vector<std::string>> pages = PdfPageLines(pdf, text);
  for (std::vector<std::string>& lines : pages) {
    std::erase_if(lines, [](const std::string& line) {
      return line.rfind("#####", 0) != 0 && line != "LZ3300T Kolvane" &&
             line.rfind("Page ", 0) != 0;
    });
  }
  return pages;
}

// Sets an environment variable of this test (and of the programs it starts), or removes
// it; restores it afterwards.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, std::optional<std::string> value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) {
      setenv(name, value->c_str(), 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// Drawing needs a runtime folder; from a plain shell, where none is set, the PDF is written
// without a word on stderr and without leaving a folder behind.
TEST_F(ReportCli, PdfHoldsTheSectionsOnTheirPages) {
  const ScopedEnv noRuntimeDir("XDG_RUNTIME_DIR", std::nullopt);
  const ScopedEnv tmp("TMPDIR", dir_.File(""));
  const std::string pdf = dir_.File("report.pdf");
  const test::CliRun convert = test::RunKolprogCli({"convert", In(), pdf});
  ASSERT_EQ(convert.exitCode, 0) << convert.err;
  EXPECT_EQ(convert.err, "");
  std::vector<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(dir_.path())) {
    left.push_back(entry.path().filename().string());
  }
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{"radio.hex", "report.pdf"}));
  // The model list beside the program gives the model ATIS and weather channels.
  const std::vector<std::vector<std::string>> expected = {
      {"LZ3300T Kolvane", "##### Usable CH Group Setup #####", "##### Common Setup #####",
       "##### DSC Setup (Basic Setup) #####", "##### DSC Setup (Advanced Setup) #####",
       "##### DSC Setup (Display Setup) #####", "##### DSC Setup (Auto POS Setup) #####",
       "Page 1 of 9"},
      {"##### ATIS Setup #####", "Page 2 of 9"},
      {"LZ3300T Kolvane", "##### Programmable USA Channel #####", "Page 3 of 9"},
      {"LZ3300T Kolvane", "##### Programmable International Channel #####", "Page 4 of 9"},
      {"LZ3300T Kolvane", "##### Programmable Canada Channel #####", "Page 5 of 9"},
      {"LZ3300T Kolvane", "##### Programmable WX Channel #####", "Page 6 of 9"},
      {"LZ3300T Kolvane", "##### Memory ID #####", "Page 7 of 9"},
      {"LZ3300T Kolvane", "##### Group ID #####", "Page 8 of 9"},
      {"LZ3300T Kolvane", "##### Programmable EXP Channel #####", "Page 9 of 9"},
  };
  EXPECT_EQ(PdfPageTitles(pdf, dir_.File("pdf.txt")), expected);
}

struct PdfWord {
  double xMin = 0;
  double xMax = 0;
  std::string text;
};

// The words of each printed line (page and height), from left to right.
std::map<std::pair<int, std::string>, std::vector<PdfWord>> PdfLines(const std::string& pdf) {
  const std::string bbox = pdf + ".html";
  if (std::system(("pdftotext -bbox '" + pdf + "' '" + bbox + "'").c_str()) != 0) return {};
  const std::string html = test::ReadFileBytes(bbox);
  const std::regex item(R"re(<page |<word xMin="([0-9.]+)" yMin="([0-9.]+)")re"
                        R"re( xMax="([0-9.]+)"[^>]*>([^<]*)<)re");
  std::map<std::pair<int, std::string>, std::vector<PdfWord>> lines;
  int page = 0;
  for (std::sregex_iterator it(html.begin(), html.end(), item), end; it != end; ++it) {
    const std::smatch& m = *it;
    if (!m[1].matched) {
      ++page;
      continue;
    }
    lines[{page, m[2]}].push_back({std::stod(m[1]), std::stod(m[3]), m[4]});
  }
  for (auto& [where, words] : lines) {
    std::sort(words.begin(), words.end(),
              [](const PdfWord& a, const PdfWord& b) { return a.xMin < b.xMin; });
  }
  return lines;
}

// Texts of any length from a hand-edited settings file are cut before the next column.
TEST_F(ReportCli, PdfCutsLongTextsBeforeTheNextColumn) {
  const std::string dat = dir_.File("long.dat");
  ASSERT_EQ(test::RunKolprogCli({"convert", In(), dat}).exitCode, 0);
  std::string text = test::ReadFileBytes(dat);
  test::SetDatKey(text, "Status name 0", std::string(300, 'S'));
  test::SetDatKey(text, "Status name 1", "SHORT NAME AND A LONG ONE");
  std::ofstream(dat, std::ios::binary) << text;

  const std::string pdf = dir_.File("long.pdf");
  const test::CliRun convert = test::RunKolprogCli({"convert", dat, pdf});
  ASSERT_EQ(convert.exitCode, 0) << convert.err;
  const auto lines = PdfLines(pdf);
  ASSERT_FALSE(lines.empty());
  bool cut = false;
  for (const auto& [where, words] : lines) {
    for (std::size_t i = 1; i < words.size(); ++i) {
      EXPECT_LT(words[i - 1].xMax, words[i].xMin)
          << "page " << where.first << ": '" << words[i - 1].text << "' runs into '"
          << words[i].text << "'";
    }
    for (const PdfWord& word : words) {
      cut = cut || (word.text.rfind("SSSS", 0) == 0 && word.text.size() < 300);
    }
  }
  EXPECT_TRUE(cut);  // the long name is printed, in part
}

// A channel list longer than the paper goes on over further pages under its own column
// heading; the report text is not paged.
TEST_F(ReportCli, PdfContinuesALongTableUnderItsHeading) {
  const std::string dat = dir_.File("all.dat");
  ASSERT_EQ(test::RunKolprogCli({"convert", In(), dat}).exitCode, 0);
  std::string text = test::ReadFileBytes(dat);
  for (int k = 0; k < 240; ++k) {
    test::SetDatKey(text, "Enable", "1", "[CHUSA" + std::to_string(k) + "]");
  }
  std::ofstream(dat, std::ios::binary) << text;
  const std::string pdf = dir_.File("all.pdf");
  const test::CliRun convert = test::RunKolprogCli({"convert", dat, pdf});
  ASSERT_EQ(convert.exitCode, 0) << convert.err;

  const std::vector<std::vector<std::string>> pages = PdfPageLines(pdf, dir_.File("all.txt"));
  ASSERT_GT(pages.size(), 9u);
  const std::string count = std::to_string(pages.size());
  int continued = 0;
  for (std::size_t p = 0; p < pages.size(); ++p) {
    SCOPED_TRACE(p);
    ASSERT_GE(pages[p].size(), 2u);
    EXPECT_EQ(pages[p].back(), "Page " + std::to_string(p + 1) + " of " + count);
    const std::string& first = pages[p].front();
    if (first == "LZ3300T Kolvane" || first == "##### ATIS Setup #####") continue;
    ++continued;
    EXPECT_EQ(first.rfind("CH ", 0), 0u) << first;
    EXPECT_EQ(pages[p][1].rfind("--- ", 0), 0u) << pages[p][1];
  }
  EXPECT_EQ(continued, static_cast<int>(pages.size()) - 9);
}

TEST_F(ReportCli, FailedWriteLeavesNoFile) {
  for (const char* name : {"report.txt", "report.pdf"}) {
    SCOPED_TRACE(name);
    const std::string out = dir_.File("missing") + "/" + name;
    const test::CliRun convert = test::RunKolprogCli({"convert", In(), out});
    EXPECT_EQ(convert.exitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_NE(convert.err.find(out + ": No such file or directory"), std::string::npos)
        << convert.err;
  }
}

}  // namespace
}  // namespace kol
