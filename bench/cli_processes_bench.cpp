// Many short kolprog-cli commands, as a script for a fleet runs them: 200 `check` runs and
// 200 `convert` runs, one after the other and then split over two processes at a time, all
// with the same per-user settings. Reports the wall time of each way and the speed-up,
// which stays near 1 when the commands wait for each other (on the settings file's lock).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "cli_process.h"

namespace {

namespace fs = std::filesystem;

constexpr int kFiles = 200;

int RunCli(const std::vector<std::string>& args, const std::vector<std::string>& environment) {
  return kol::bench::RunKolprogCli(args, environment).exitCode;
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
