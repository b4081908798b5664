// What several radios' runs print at once. On a terminal each radio has a line of its own
// at the bottom of the screen, rewritten in place as its run moves on, and what a run says
// for good scrolls up above those lines; elsewhere (a log file, a pipe) every line is
// printed as it comes, the radio's port in front. Runs on several threads share one board.
#pragma once

#include <iosfwd>
#include <memory>
#include <mutex>
#include <streambuf>
#include <string>
#include <vector>

namespace kol::cli {

class ProgressBoard {
 public:
  // One row per name (a radio's port); `terminal`: rows are rewritten in place, cut to
  // `width` characters so that none wraps.
  ProgressBoard(std::ostream& out, bool terminal, std::vector<std::string> names, int width = 80);
  ProgressBoard(const ProgressBoard&) = delete;
  ProgressBoard& operator=(const ProgressBoard&) = delete;

  bool Terminal() const { return terminal_; }
  // A line of row `row` that stays: a message, the end of a step.
  void Say(std::size_t row, const std::string& text);
  // Where row `row` is now ("45%"): its line on a terminal, else a line as Say prints it.
  void Show(std::size_t row, const std::string& state);

 private:
  std::string Row(std::size_t row) const;
  void Redraw();

  std::mutex mutex_;
  std::ostream& out_;
  const bool terminal_;
  const std::vector<std::string> names_;
  std::vector<std::string> states_;
  std::size_t nameWidth_ = 0;
  int width_;
  bool drawn_ = false;
};

// The lines a row of the board is given as a stream: each complete line is said for good.
class BoardLineBuffer final : public std::streambuf {
 public:
  BoardLineBuffer(ProgressBoard& board, std::size_t row) : board_(board), row_(row) {}
  ~BoardLineBuffer() override;

 protected:
  int_type overflow(int_type c) override;

 private:
  ProgressBoard& board_;
  std::size_t row_;
  std::string line_;
};

// The width of the terminal on stderr, or 80 when it cannot be told.
int TerminalWidth();

}  // namespace kol::cli
