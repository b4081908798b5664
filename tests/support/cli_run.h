// Runs the built kolprog-cli as a user runs it, with its own per-user folders, and keeps
// what it printed.
#pragma once

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "support/temp_dir.h"
#include "support/test_paths.h"

namespace kol::test {

struct CliRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

inline std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Replaces the value of the first `key=` line after `after` in a settings file's text.
inline void SetDatKey(std::string& dat, const std::string& key, const std::string& value,
                      const std::string& after = "") {
  const std::size_t start = dat.find("\r\n" + key + "=", dat.find(after));
  ASSERT_NE(start, std::string::npos) << key;
  const std::size_t from = start + 3 + key.size();
  dat.replace(from, dat.find("\r\n", from) - from, value);
}

// `args` are passed as they are (each quoted); the program folder is the build's bin
// folder unless another is given. Settings and data of the run live in a folder of their
// own, removed afterwards. Standard output goes to `stdoutTo` when one is given (such as
// /dev/full), and is then not kept.
inline CliRun RunKolprogCli(const std::vector<std::string>& args,
                            const std::string& programDir = BinDir(),
                            const std::string& stdoutTo = {}) {
  TempDir home;
  std::string command = "XDG_CONFIG_HOME='" + home.File("config") + "' XDG_DATA_HOME='" +
                        home.File("data") + "' '" + BinDir() + "/kolprog-cli'";
  for (const std::string& arg : args) command += " '" + arg + "'";
  command += " --program-dir '" + programDir + "' >'" +
             (stdoutTo.empty() ? home.File("stdout") : stdoutTo) + "' 2>'" + home.File("stderr") + "'";
  const int status = std::system(command.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFileBytes(home.File("stdout")),
          ReadFileBytes(home.File("stderr"))};
}

// kolprog-cli running in the background as a user starts it from a shell, with per-user
// folders and output files of its own in `dir` (named after `name`); the test interrupts it
// as Ctrl+C does and waits for it. A run still going at the end is killed.
class BackgroundCli {
 public:
  BackgroundCli(const std::vector<std::string>& args, const TempDir& dir, const std::string& name)
      : outPath_(dir.File(name + "-out")), errPath_(dir.File(name + "-err")) {
    const std::string config = dir.File(name + "-config");
    const std::string data = dir.File(name + "-data");
    std::vector<std::string> argv = {BinDir() + "/kolprog-cli"};
    argv.insert(argv.end(), args.begin(), args.end());
    argv.insert(argv.end(), {"--program-dir", BinDir()});
    std::vector<char*> pointers;
    for (std::string& arg : argv) pointers.push_back(arg.data());
    pointers.push_back(nullptr);
    pid_ = fork();
    if (pid_ == 0) {
      setenv("XDG_CONFIG_HOME", config.c_str(), 1);
      setenv("XDG_DATA_HOME", data.c_str(), 1);
      if (std::freopen(outPath_.c_str(), "w", stdout) == nullptr ||
          std::freopen(errPath_.c_str(), "w", stderr) == nullptr) {
        _exit(126);
      }
      execv(pointers[0], pointers.data());
      _exit(127);
    }
  }
  ~BackgroundCli() {
    if (pid_ <= 0) return;
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  BackgroundCli(const BackgroundCli&) = delete;
  BackgroundCli& operator=(const BackgroundCli&) = delete;

  std::string Err() const { return ReadFileBytes(errPath_); }
  // Waits until the program has written `text` on stderr, after `after` when that is given;
  // false when it did not within two minutes of real time.
  bool WaitForErr(const std::string& text, const std::string& after = {}) const {
    const auto end = std::chrono::steady_clock::now() + std::chrono::minutes(2);
    for (;;) {
      const std::string err = Err();
      const std::size_t from = err.find(after);
      if (from != std::string::npos && err.find(text, from + after.size()) != std::string::npos) {
        return true;
      }
      if (std::chrono::steady_clock::now() > end) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }
  void Interrupt() const {
    if (pid_ > 0) kill(pid_, SIGINT);
  }
  // The exit status once the program ended by itself within `ms` of real time; nothing
  // while it runs.
  std::optional<int> ExitWithin(int ms) {
    for (int waited = 0; !result_; waited += 10) {
      int status = 0;
      if (waitpid(pid_, &status, WNOHANG) == pid_) {
        Ended(status);
        break;
      }
      if (waited >= ms) return std::nullopt;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return result_->exitCode;
  }
  CliRun Wait() {
    if (!result_) {
      int status = 0;
      waitpid(pid_, &status, 0);
      Ended(status);
    }
    return *result_;
  }

 private:
  void Ended(int status) {
    pid_ = -1;
    result_ = CliRun{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFileBytes(outPath_), Err()};
  }

  std::string outPath_;
  std::string errPath_;
  pid_t pid_ = -1;
  std::optional<CliRun> result_;
};

}  // namespace kol::test
