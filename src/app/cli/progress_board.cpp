#include "app/cli/progress_board.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <ostream>

namespace kol::cli {
namespace {

constexpr char kClearLine[] = "\x1b[2K";

// Moves the cursor to the start of the line `lines` lines up.
std::string Up(std::size_t lines) { return "\x1b[" + std::to_string(lines) + "F"; }

}  // namespace

ProgressBoard::ProgressBoard(std::ostream& out, bool terminal, std::vector<std::string> names,
                             int width)
    : out_(out), terminal_(terminal), names_(std::move(names)), states_(names_.size()), width_(width) {
  for (const std::string& name : names_) nameWidth_ = std::max(nameWidth_, name.size());
}

std::string ProgressBoard::Row(std::size_t row) const {
  std::string line = names_[row] + std::string(nameWidth_ - names_[row].size() + 2, ' ') + states_[row];
  if (width_ > 1 && line.size() >= static_cast<std::size_t>(width_)) line.resize(static_cast<std::size_t>(width_) - 1);
  return line;
}

void ProgressBoard::Redraw() {
  if (drawn_) out_ << Up(names_.size());
  for (std::size_t row = 0; row < names_.size(); ++row) out_ << kClearLine << Row(row) << '\n';
  out_ << std::flush;
  drawn_ = true;
}

void ProgressBoard::Say(std::size_t row, const std::string& text) {
  const std::lock_guard<std::mutex> lock(mutex_);
  if (!terminal_) {
    out_ << names_[row] << ": " << text << '\n' << std::flush;
    return;
  }
  if (drawn_) out_ << Up(names_.size());
  out_ << kClearLine << names_[row] << ": " << text << '\n';
  drawn_ = false;
  Redraw();
}

void ProgressBoard::Show(std::size_t row, const std::string& state) {
  const std::lock_guard<std::mutex> lock(mutex_);
  states_[row] = state;
  if (!terminal_) {
    out_ << names_[row] << ": " << state << '\n' << std::flush;
    return;
  }
  Redraw();
}

BoardLineBuffer::~BoardLineBuffer() {
  if (!line_.empty()) board_.Say(row_, line_);
}

BoardLineBuffer::int_type BoardLineBuffer::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  const char ch = traits_type::to_char_type(c);
  if (ch == '\n') {
    board_.Say(row_, line_);
    line_.clear();
  } else {
    line_ += ch;
  }
  return c;
}

int TerminalWidth() {
  winsize size{};
  if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
  return 80;
}

}  // namespace kol::cli
