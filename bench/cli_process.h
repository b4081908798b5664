// A program started from a benchmark as a user starts it (kolprog-cli, or a yardstick): its
// output thrown away, its wall time and the processor time it used measured.
#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

extern char** environ;

namespace kol::bench {

struct ProcessRun {
  int exitCode = -1;
  double wallSeconds = 0;
  double cpuSeconds = 0;  // user and system
};

// Runs `program` with `args` and `environment` (NAME=VALUE) added to this program's
// environment.
inline ProcessRun RunProcess(const std::string& program, const std::vector<std::string>& args,
                             const std::vector<std::string>& environment) {
  std::vector<std::string> argv = {program};
  argv.insert(argv.end(), args.begin(), args.end());
  std::vector<char*> argvPointers;
  for (std::string& arg : argv) argvPointers.push_back(arg.data());
  argvPointers.push_back(nullptr);
  std::vector<std::string> env = environment;
  for (char** e = environ; *e != nullptr; ++e) env.emplace_back(*e);
  std::vector<char*> envPointers;
  for (std::string& e : env) envPointers.push_back(e.data());
  envPointers.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  ProcessRun run;
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argvPointers.data(),
                                  envPointers.data());
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return run;
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  run.wallSeconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec * 1e-6; };
  run.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

// Runs the built kolprog-cli.
inline ProcessRun RunKolprogCli(const std::vector<std::string>& args,
                                const std::vector<std::string>& environment) {
  return RunProcess(std::string(KOL_BIN_DIR) + "/kolprog-cli", args, environment);
}

}  // namespace kol::bench
