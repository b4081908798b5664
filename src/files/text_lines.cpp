#include "files/text_lines.h"

#include <algorithm>

namespace kol {
namespace {

char UpperAsciiChar(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

std::string_view LineReader::Next() {
  const std::size_t start = next_;
  const std::size_t end = std::min(text_.find_first_of("\r\n", start), text_.size());
  next_ = end;
  if (next_ < text_.size() && text_[next_] == '\r') ++next_;
  if (next_ < text_.size() && text_[next_] == '\n') ++next_;
  return text_.substr(start, end - start);
}

std::string UpperAscii(std::string_view text) {
  std::string upper(text);
  std::transform(upper.begin(), upper.end(), upper.begin(), UpperAsciiChar);
  return upper;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return UpperAsciiChar(x) == UpperAsciiChar(y);
         });
}

}  // namespace kol
