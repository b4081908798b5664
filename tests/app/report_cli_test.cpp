// The report outputs of the command-line tool, run as a user runs it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
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

// The heading and section titles of each page, in order; pdftotext ends pages with a
// form feed.
std::vector<std::vector<std::string>> PdfPageTitles(const std::string& pdf,
                                                    const std::string& text) {
  const std::string command = "pdftotext -layout '" + pdf + "' '" + text + "'";
  if (std::system(command.c_str()) != 0) return {};
  std::vector<std::vector<std::string>> pages;
  std::istringstream all(test::ReadFileBytes(text));
  for (std::string page; std::getline(all, page, '\f');) {
    std::vector<std::string>& titles = pages.emplace_back();
    std::istringstream lines(page);
    for (std::string line; std::getline(lines, line);) {
      const std::size_t start = line.find_first_not_of(' ');
      if (start == std::string::npos) continue;
      line = line.substr(start, line.find_last_not_of(' ') + 1 - start);
      if (line.rfind("#####", 0) == 0 || line == "LZ3300T Kolvane") titles.push_back(line);
    }
  }
  return pages;
}

TEST_F(ReportCli, PdfHoldsTheSectionsOnTheirPages) {
  const std::string pdf = dir_.File("report.pdf");
  const test::CliRun convert = test::RunKolprogCli({"convert", In(), pdf});
  ASSERT_EQ(convert.exitCode, 0) << convert.err;
  // The model list beside the program gives the model ATIS and weather channels.
  const std::vector<std::vector<std::string>> expected = {
      {"LZ3300T Kolvane", "##### Usable CH Group Setup #####", "##### Common Setup #####",
       "##### DSC Setup (Basic Setup) #####", "##### DSC Setup (Advanced Setup) #####",
       "##### DSC Setup (Display Setup) #####", "##### DSC Setup (Auto POS Setup) #####"},
      {"##### ATIS Setup #####"},
      {"LZ3300T Kolvane", "##### Programmable USA Channel #####"},
      {"LZ3300T Kolvane", "##### Programmable International Channel #####"},
      {"LZ3300T Kolvane", "##### Programmable Canada Channel #####"},
      {"LZ3300T Kolvane", "##### Programmable WX Channel #####"},
      {"LZ3300T Kolvane", "##### Memory ID #####"},
      {"LZ3300T Kolvane", "##### Group ID #####"},
      {"LZ3300T Kolvane", "##### Programmable EXP Channel #####"},
  };
  EXPECT_EQ(PdfPageTitles(pdf, dir_.File("pdf.txt")), expected);
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
