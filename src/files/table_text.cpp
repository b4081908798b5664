#include "files/table_text.h"

#include <algorithm>

namespace kol {
namespace {

constexpr char kQuote = '"';
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool NeedsQuotes(std::string_view value, char separator) {
  return value.find_first_of(std::string{separator, kQuote, '\r', '\n'}) != std::string_view::npos;
}

// Length of the well-formed UTF-8 character at `at`, 0 when there is none.
std::size_t Utf8Length(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80;   // range of the second byte, which rules out overlong forms,
  unsigned char high = 0xBF;  // surrogates and code points above U+10FFFF
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (at + length > text.size()) return 0;
  if (byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  }
  return length;
}

// Reads one value after another, keeping track of the line it is on.
class TableReader {
 public:
  TableReader(std::string_view text, char separator) : text_(text), separator_(separator) {
    if (text_.starts_with(kByteOrderMark)) text_.remove_prefix(kByteOrderMark.size());
  }

  TableText Read() {
    TableText table;
    while (at_ < text_.size()) {
      TableRow row{line_, {}};
      bool rowEnded = false;
      while (!rowEnded) {
        row.cells.push_back(Value(table));
        rowEnded = at_ >= text_.size() || text_[at_] != separator_;
        if (!rowEnded) ++at_;
      }
      SkipLineEnd();
      const bool blank = std::all_of(row.cells.begin(), row.cells.end(),
                                     [](const std::string& cell) { return cell.empty(); });
      if (!blank) table.rows.push_back(std::move(row));
    }
    return table;
  }

 private:
  bool AtLineEnd() const {
    return at_ < text_.size() && (text_[at_] == '\r' || text_[at_] == '\n');
  }

  void SkipLineEnd() {
    if (!AtLineEnd()) return;
    if (text_[at_] == '\r' && at_ + 1 < text_.size() && text_[at_ + 1] == '\n') ++at_;
    ++at_;
    ++line_;
  }

  std::string Value(TableText& table) {
    std::string value;
    const bool quoted = at_ < text_.size() && text_[at_] == kQuote;
    if (quoted) Quoted(value, table);
    // Unquoted text, or what follows a closing quote: up to the separator or line end.
    const std::size_t start = at_;
    while (at_ < text_.size() && text_[at_] != separator_ && !AtLineEnd()) ++at_;
    if (quoted && at_ > start) {
      table.problems.push_back({line_, "text follows the closing quote of a value"});
    }
    value.append(text_.substr(start, at_ - start));
    return value;
  }

  void Quoted(std::string& value, TableText& table) {
    const int opened = line_;
    ++at_;
    while (at_ < text_.size()) {
      const char c = text_[at_];
      if (c == kQuote) {
        if (at_ + 1 < text_.size() && text_[at_ + 1] == kQuote) {
          value.push_back(kQuote);
          at_ += 2;
          continue;
        }
        ++at_;
        return;
      }
      if (AtLineEnd()) {
        const std::size_t from = at_;
        SkipLineEnd();
        value.append(text_.substr(from, at_ - from));
        continue;
      }
      value.push_back(c);
      ++at_;
    }
    table.problems.push_back({opened, "a quoted value is not closed"});
  }

  std::string_view text_;
  char separator_;
  std::size_t at_ = 0;
  int line_ = 1;
};

}  // namespace

std::string WriteTableText(const std::vector<TableCells>& rows, char separator,
                           std::string_view lineEnd) {
  std::string text;
  for (const TableCells& row : rows) {
    for (std::size_t i = 0; i < row.size(); ++i) {
      if (i > 0) text.push_back(separator);
      const std::string& value = row[i];
      if (!NeedsQuotes(value, separator)) {
        text += value;
        continue;
      }
      text.push_back(kQuote);
      for (char c : value) {
        if (c == kQuote) text.push_back(kQuote);
        text.push_back(c);
      }
      text.push_back(kQuote);
    }
    text += lineEnd;
  }
  return text;
}

TableText ReadTableText(std::string_view text, char separator) {
  return TableReader(text, separator).Read();
}

std::size_t InvalidUtf8At(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = Utf8Length(text, at);
    if (length == 0) return at;
    at += length;
  }
  return std::string_view::npos;
}

std::string_view Utf8CharacterAt(std::string_view text, std::size_t at) {
  return text.substr(at, std::max<std::size_t>(Utf8Length(text, at), 1));
}

std::string Latin1ToUtf8(std::string_view text) {
  std::string utf8;
  utf8.reserve(text.size());
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      utf8.push_back(c);
    } else {
      utf8.push_back(static_cast<char>(0xC0 | (byte >> 6)));
      utf8.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
    }
  }
  return utf8;
}

}  // namespace kol
