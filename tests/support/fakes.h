// Test doubles of the core's seams: a virtual clock and scripted message boxes.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "files/error_log.h"
#include "model/clock.h"
#include "model/prompts.h"

namespace kol::test {

// Time moves only when the code under test sleeps or a test advances it.
class FakeClock : public Clock {
 public:
  std::int64_t NowMs() override { return now_; }
  void SleepMs(int ms) override {
    if (ms > 0) now_ += ms;
    slept_ += ms > 0 ? ms : 0;
  }
  void Advance(std::int64_t ms) { now_ += ms; }
  std::int64_t slept() const { return slept_; }

 private:
  std::int64_t now_ = 1'000'000;
  std::int64_t slept_ = 0;
};

// Records every message shown and answers from a script (default: the default button).
class ScriptedPrompts : public Prompts {
 public:
  MessageButton Show(const Message& message) override {
    shown.push_back(message);
    if (answers.empty()) return message.defaultButton;
    MessageButton answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const Message& m : shown) texts.push_back(m.text);
    return texts;
  }

  std::vector<Message> shown;
  std::deque<MessageButton> answers;
};

// Keeps every error-log line written.
class RecordingErrorLog : public ErrorLog {
 public:
  struct Line {
    std::string procedure;
    std::string message;
  };
  void Write(std::string_view procedure, std::string_view message) override {
    lines.push_back({std::string(procedure), std::string(message)});
  }
  std::vector<Line> lines;
};

}  // namespace kol::test
