// Tables of text as spreadsheets exchange them: comma-separated files (RFC 4180) and the
// clipboard's tab-separated rows. A value is quoted where it must be; reading takes CR LF,
// LF or CR line ends, a UTF-8 byte-order mark and line breaks inside quoted values.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kol {

using TableCells = std::vector<std::string>;

struct TableRow {
  int line = 0;  // 1-based line of the text on which the row begins
  TableCells cells;
};

struct TableTextProblem {
  int line = 0;
  std::string reason;
};

struct TableText {
  std::vector<TableRow> rows;  // rows without any value (blank lines) are left out
  std::vector<TableTextProblem> problems;
};

// Each row's values joined by `separator`, every row ended by `lineEnd`. A value holding
// the separator, a double quote or a line break is quoted, its quotes doubled.
std::string WriteTableText(const std::vector<TableCells>& rows, char separator,
                           std::string_view lineEnd);

// The rows of a text written that way (or by a spreadsheet). A quoted value left open at
// the end, or text between a closing quote and the next separator, is a problem of the
// line it is on; such text is kept as it stands.
TableText ReadTableText(std::string_view text, char separator);

// The first byte of `text` that does not begin a well-formed UTF-8 character, or npos.
std::size_t InvalidUtf8At(std::string_view text);
// The UTF-8 character that begins at `at` (one byte when it is not well formed).
std::string_view Utf8CharacterAt(std::string_view text, std::size_t at);
// Single-byte (Latin-1) text, as settings files hold it, as UTF-8.
std::string Latin1ToUtf8(std::string_view text);

}  // namespace kol
