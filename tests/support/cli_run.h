// Runs the built kolprog-cli as a user runs it, with its own per-user folders, and keeps
// what it printed.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
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
// own, removed afterwards.
inline CliRun RunKolprogCli(const std::vector<std::string>& args,
                            const std::string& programDir = BinDir()) {
  TempDir home;
  std::string command = "XDG_CONFIG_HOME='" + home.File("config") + "' XDG_DATA_HOME='" +
                        home.File("data") + "' '" + BinDir() + "/kolprog-cli'";
  for (const std::string& arg : args) command += " '" + arg + "'";
  command += " --program-dir '" + programDir + "' >'" + home.File("stdout") + "' 2>'" +
             home.File("stderr") + "'";
  const int status = std::system(command.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFileBytes(home.File("stdout")),
          ReadFileBytes(home.File("stderr"))};
}

}  // namespace kol::test
