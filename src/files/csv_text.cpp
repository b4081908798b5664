#include "files/csv_text.h"

namespace kol {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// Skips one line end at `at` (CR LF counts as one) and counts the line.
std::size_t SkipLineEnd(std::string_view text, std::size_t at, int& line) {
  ++line;
  if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') return at + 2;
  return at + 1;
}

}  // namespace

CsvText ReadCsv(std::string_view text) {
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  CsvText csv;
  CsvRecord record{1, {}};
  std::string field;
  bool quoted = false;      // inside a quoted field
  bool recordOpen = false;  // something of the record has been read
  int line = 1;
  int quoteLine = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        field += '"';
        i += 2;
      } else if (c == '"') {
        quoted = false;
        ++i;
      } else if (IsLineEnd(c)) {
        const std::size_t next = SkipLineEnd(text, i, line);
        field.append(text.substr(i, next - i));
        i = next;
      } else {
        field += c;
        ++i;
      }
      continue;
    }
    if (IsLineEnd(c)) {
      if (recordOpen) {
        record.fields.push_back(std::move(field));
        csv.records.push_back(std::move(record));
      }
      i = SkipLineEnd(text, i, line);
      record = {line, {}};
      field.clear();
      recordOpen = false;
      continue;
    }
    recordOpen = true;
    if (c == ',') {
      record.fields.push_back(std::move(field));
      field.clear();
    } else if (c == '"') {
      quoted = true;
      quoteLine = line;
    } else {
      field += c;
    }
    ++i;
  }
  if (quoted) {
    csv.unclosedQuoteLine = quoteLine;
  } else if (recordOpen) {
    record.fields.push_back(std::move(field));
    csv.records.push_back(std::move(record));
  }
  return csv;
}

std::string CsvLine(std::span<const std::string> fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += ',';
    const std::string& field = fields[i];
    if (field.find_first_of(",\"\r\n") == std::string::npos) {
      line += field;
      continue;
    }
    line += '"';
    for (const char c : field) {
      if (c == '"') line += '"';
      line += c;
    }
    line += '"';
  }
  return line + "\r\n";
}

}  // namespace kol
