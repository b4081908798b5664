// Many short kolprog-cli commands, as a script for a fleet runs them: 200 `check` runs and
// 200 `convert` runs, one after the other and then split over two processes at a time, all
// with the same per-user settings. Reports the wall time of each way and the speed-up,
// which stays near 1 when the commands wait for each other (on the settings file's lock).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr int kFiles = 200;
const std::string kCli = std::string(KOL_BIN_DIR) + "/kolprog-cli";

// Runs kolprog-cli with `args`, its output thrown away; returns its exit status.
int RunCli(const std::vector<std::string>& args, const std::vector<std::string>& environment) {
  std::vector<std::string> argv = {kCli};
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
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, kCli.c_str(), &actions, nullptr, argvPointers.data(),
                                  envPointers.data());
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return -1;
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// 200 settings files and one per-user folder that every run shares.
struct Fleet {
  fs::path folder;
  std::vector<std::string> environment;

  Fleet() {
    folder = fs::temp_directory_path() / ("kolprog-cli-bench-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    environment = {"XDG_CONFIG_HOME=" + (folder / "config").string(),
                   "XDG_DATA_HOME=" + (folder / "data").string()};
    fs::copy_file(std::string(KOL_BIN_DIR) + "/USA_0CE4.ini", folder / "usa.hex",
                  fs::copy_options::overwrite_existing);
    RunCli({"convert", (folder / "usa.hex").string(), Dat(0)}, environment);
    for (int i = 1; i < kFiles; ++i) fs::copy_file(Dat(0), Dat(i), fs::copy_options::overwrite_existing);
  }
  ~Fleet() {
    std::error_code ec;
    fs::remove_all(folder, ec);
  }
  std::string Dat(int i) const { return (folder / ("radio" + std::to_string(i) + ".dat")).string(); }
  std::string Hex(int i) const { return (folder / ("radio" + std::to_string(i) + ".hex")).string(); }
};

using Command = std::vector<std::string> (*)(const Fleet&, int);

std::vector<std::string> Check(const Fleet& fleet, int i) { return {"check", fleet.Dat(i)}; }
std::vector<std::string> Convert(const Fleet& fleet, int i) {
  return {"convert", fleet.Dat(i), fleet.Hex(i)};
}

// Runs the command for every file over `streams` processes at a time; the wall seconds.
double RunAll(const Fleet& fleet, Command command, int streams, std::atomic<bool>& failed) {
  const auto start = std::chrono::steady_clock::now();
  std::vector<std::thread> threads;
  for (int s = 0; s < streams; ++s) {
    threads.emplace_back([&, s] {
      for (int i = s; i < kFiles; i += streams) {
        if (RunCli(command(fleet, i), fleet.environment) != 0) failed = true;
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void Measure(benchmark::State& state, Command command) {
  const Fleet fleet;
  double oneAfterTheOther = 0;
  double twoAtATime = 0;
  std::atomic<bool> failed{false};
  for (auto _ : state) {
    oneAfterTheOther += RunAll(fleet, command, 1, failed);
    twoAtATime += RunAll(fleet, command, 2, failed);
    state.SetIterationTime(twoAtATime);
  }
  if (failed) state.SkipWithError("a command failed");
  state.counters["one_after_the_other_s"] = oneAfterTheOther;
  state.counters["two_processes_s"] = twoAtATime;
  state.counters["speedup"] = oneAfterTheOther / twoAtATime;
}

void BM_Check200Files(benchmark::State& state) { Measure(state, Check); }
void BM_Convert200Files(benchmark::State& state) { Measure(state, Convert); }

BENCHMARK(BM_Check200Files)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_Convert200Files)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
