#include "files/text_lines.h"

#include <algorithm>

namespace kol {
char UpperAsciiChar(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

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
  return a.size() == b.size() && CompareIgnoringCase(a, b) == 0;
}

int CompareIgnoringCase(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const auto x = static_cast<unsigned char>(UpperAsciiChar(a[i]));
    const auto y = static_cast<unsigned char>(UpperAsciiChar(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

}  // namespace kol
