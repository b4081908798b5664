// Several radios printing at once: rows rewritten in place on a terminal, plain lines with
// the port in front elsewhere.
#include "app/cli/progress_board.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace kol::cli {
namespace {

// The lines a terminal shows after `output`: enough of a terminal for the board's moves
// (line feed, cursor to the start of a line n lines up, clear the line).
std::vector<std::string> Screen(const std::string& output) {
  std::vector<std::string> lines(1);
  std::size_t row = 0;
  for (std::size_t i = 0; i < output.size(); ++i) {
    const char c = output[i];
    if (c == '\n') {
      if (++row == lines.size()) lines.emplace_back();
    } else if (c == '\x1b') {
      const std::size_t end = output.find_first_of("FK", i);
      const std::string argument = output.substr(i + 2, end - i - 2);
      if (output[end] == 'F') row -= static_cast<std::size_t>(std::stoi(argument));
      if (output[end] == 'K') lines[row].clear();
      i = end;
    } else {
      lines[row] += c;
    }
  }
  if (lines.back().empty()) lines.pop_back();
  return lines;
}

TEST(ProgressBoard, OnATerminalEachRadioKeepsOneLineAndMessagesScrollAbove) {
  std::ostringstream out;
  ProgressBoard board(out, true, {"/dev/ttyUSB0", "3"}, 30);
  board.Show(0, "10%");
  board.Show(1, "waiting for the radio (attempt 2 of 6)...");
  board.Show(0, "20%");
  {
    BoardLineBuffer buffer(board, 1);
    std::ostream lines(&buffer);
    lines << "Radio not ready!!\n" << "no link";
  }
  board.Show(1, "100%");
  EXPECT_EQ(Screen(out.str()), (std::vector<std::string>{
                                   "3: Radio not ready!!",
                                   "3: no link",
                                   "/dev/ttyUSB0  20%",
                                   "3             100%",
                               }));
  // A long state is cut to the terminal's width, so that no row wraps and moves the others.
  board.Show(1, "waiting for the radio (attempt 2 of 6)...");
  EXPECT_EQ(Screen(out.str()).back(), "3             waiting for the");
}

TEST(ProgressBoard, ElsewhereEveryLineCarriesItsPort) {
  std::ostringstream out;
  ProgressBoard board(out, false, {"/dev/ttyUSB0", "/dev/ttyUSB1"});
  board.Show(1, "10%");
  {
    BoardLineBuffer buffer(board, 0);
    std::ostream lines(&buffer);
    lines << "Radio not " << "ready!!\n";
  }
  board.Say(1, "verified");
  EXPECT_EQ(out.str(),
            "/dev/ttyUSB1: 10%\n"
            "/dev/ttyUSB0: Radio not ready!!\n"
            "/dev/ttyUSB1: verified\n");
}

}  // namespace
}  // namespace kol::cli
