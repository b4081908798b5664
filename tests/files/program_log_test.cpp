#include "files/program_log.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <thread>

#include "files/table_text.h"
#include "files/file_read.h"
#include "support/temp_dir.h"

namespace kol {
namespace {

ProgramLogRow Row(int radio) {
  ProgramLogRow row;
  row.time = "2026-06-12T10:00:00+02:00";
  row.port = "/dev/ttyUSB" + std::to_string(radio);
  row.productCode = "QT512N";
  row.userMmsiBefore = "366123456";
  row.userMmsiAfter = "366123456";
  row.file = "fleet, summer.dat";
  row.imageSha256 = std::string(64, 'a');
  row.result = "programmed";
  row.verified = "yes";
  row.seconds = 74.25;
  return row;
}

// Radios that finish together write their rows at once, through one opening of the log
// (one command) or each through its own (commands side by side): every row arrives whole,
// the column names once at the top.
TEST(ProgramLog, RowsWrittenAtOnceAllArriveWhole) {
  constexpr int kRadios = 16;
  test::TempDir dir;
  const std::string path = dir.File("log.csv");
  ProgramLog shared;
  std::string error;
  ASSERT_TRUE(shared.Open(path, error)) << error;
  std::vector<std::thread> radios;
  std::vector<std::string> errors(kRadios);
  for (int r = 0; r < kRadios; ++r) {
    radios.emplace_back([&, r] {
      ProgramLog own;
      if (!own.Open(path, errors[r])) return;
      ProgramLog& log = r % 2 == 0 ? shared : own;
      for (int i = 0; i < 20; ++i) log.Append(Row(r), errors[r]);
    });
  }
  for (std::thread& radio : radios) radio.join();
  for (const std::string& error : errors) EXPECT_EQ(error, "");

  const TableText csv = ReadTableText(ReadWholeFile(path).value_or(""), ',');
  ASSERT_EQ(csv.rows.size(), 1u + kRadios * 20);
  EXPECT_EQ(csv.rows[0].cells, ProgramLogColumns());
  std::multiset<std::string> ports;
  for (std::size_t i = 1; i < csv.rows.size(); ++i) {
    const std::vector<std::string>& fields = csv.rows[i].cells;
    ASSERT_EQ(fields.size(), ProgramLogColumns().size()) << i;
    EXPECT_EQ(fields[5], "fleet, summer.dat");
    EXPECT_EQ(fields[9], "74.2");
    ports.insert(fields[1]);
  }
  for (int r = 0; r < kRadios; ++r) EXPECT_EQ(ports.count(Row(r).port), 20u);
}

TEST(ProgramLog, AnExistingLogIsAppendedTo) {
  test::TempDir dir;
  const std::string path = dir.File("log.csv");
  std::string error;
  for (int run = 0; run < 2; ++run) {
    ProgramLog log;
    ASSERT_TRUE(log.Open(path, error)) << error;
    ASSERT_TRUE(log.Append(Row(run), error)) << error;
  }
  const TableText csv = ReadTableText(ReadWholeFile(path).value_or(""), ',');
  ASSERT_EQ(csv.rows.size(), 3u);
  EXPECT_EQ(csv.rows[2].cells[1], "/dev/ttyUSB1");

  ProgramLog refused;
  EXPECT_FALSE(refused.Open(dir.File("no-folder/log.csv"), error));
  EXPECT_EQ(error, "No such file or directory");
}

TEST(ProgramLog, TimesAreIso8601WithTheOffset) {
  EXPECT_TRUE(std::regex_match(IsoLocalTime(),
                               std::regex(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d[+-]\d\d:\d\d)")))
      << IsoLocalTime();
}

}  // namespace
}  // namespace kol
