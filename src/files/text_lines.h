// Reading text files the way every reader of the program does: a line ends at CR LF, a lone
// CR or a lone LF, and names compare after upper-casing the ASCII letters a-z only.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kol {

// Walks the lines of a text held in memory, without copying them.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : text_(text) {}
  bool AtEnd() const { return next_ >= text_.size(); }
  // The next line without its line end. Call only when not AtEnd().
  std::string_view Next();

 private:
  std::string_view text_;
  std::size_t next_ = 0;
};

char UpperAsciiChar(char c);
std::string UpperAscii(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
// Negative, zero or positive as `a` sorts before, with or after `b` once both are
// upper-cased as above.
int CompareIgnoringCase(std::string_view a, std::string_view b);

}  // namespace kol
