// Comma-separated values as spreadsheets write and read them: a field in double quotes may
// hold commas, line breaks and quotes (doubled); lines end in CR LF, LF or CR.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kol {

struct CsvRecord {
  int line = 0;  // 1-based line on which the record starts
  std::vector<std::string> fields;
};

struct CsvText {
  std::vector<CsvRecord> records;
  // The line of a quoted field that the text ends in, if one does: the rest is not read.
  std::optional<int> unclosedQuoteLine;
};

// The records of `text`, blank lines left out. A byte-order mark at the start (spreadsheets
// write one) is dropped; fields are not trimmed.
CsvText ReadCsv(std::string_view text);

// One record as a line ending in CR LF; a field holding a comma, a quote or a line break is
// quoted.
std::string CsvLine(std::span<const std::string> fields);

}  // namespace kol
