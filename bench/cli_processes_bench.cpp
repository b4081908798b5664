// Many short kolprog-cli commands, as a script for a fleet runs them: `check` and `convert`
// of 200 files, all with the same per-user settings, one after the other and two processes
// at a time. The machine is shared, so the two ways take turns in rounds of 20 files, and
// each round times a yardstick the same two ways: processes that only burn the processor
// time a command used, sharing nothing and waiting for nothing; its speed-up is what the
// machine gives two processes at that moment. Reported are the medians of the rounds: the
// commands' speed-up, the yardstick's, and the commands' against the yardstick's, which
// stays near 1 unless the commands wait for each other (as on a settings file's lock).
#include <benchmark/benchmark.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "cli_process.h"
#include "run_benchmarks.h"

namespace {

namespace fs = std::filesystem;

constexpr int kFiles = 200;
constexpr int kRoundFiles = 20;
constexpr const char* kBurnOption = "--burn-us";

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
    kol::bench::RunKolprogCli({"convert", (folder / "usa.hex").string(), Dat(0)}, environment);
    for (int i = 1; i < kFiles; ++i) fs::copy_file(Dat(0), Dat(i), fs::copy_options::overwrite_existing);
  }
  ~Fleet() {
    std::error_code ec;
    fs::remove_all(folder, ec);
  }
  std::string Dat(int i) const { return (folder / ("radio" + std::to_string(i) + ".dat")).string(); }
  std::string Hex(int i) const { return (folder / ("radio" + std::to_string(i) + ".hex")).string(); }
};

// One process's work for file i.
using Job = std::function<kol::bench::ProcessRun(int i)>;

struct Stretch {
  double wallSeconds = 0;
  double cpuSeconds = 0;  // of all its processes
};

// Runs `job` for the files [first, first + count) over `streams` processes at a time.
Stretch RunStretch(const Job& job, int first, int count, int streams, std::atomic<bool>& failed) {
  std::vector<double> cpu(static_cast<std::size_t>(streams));
  const auto start = std::chrono::steady_clock::now();
  std::vector<std::thread> threads;
  for (int s = 0; s < streams; ++s) {
    threads.emplace_back([&, s] {
      for (int i = first + s; i < first + count; i += streams) {
        const kol::bench::ProcessRun run = job(i);
        if (run.exitCode != 0) failed = true;
        cpu[static_cast<std::size_t>(s)] += run.cpuSeconds;
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  Stretch stretch;
  stretch.wallSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  for (double seconds : cpu) stretch.cpuSeconds += seconds;
  return stretch;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The speed-up of two processes at a time over one after the other; the order of the two
// alternates between rounds, so that neither always meets the files first.
double SpeedUp(const Job& job, int first, int round, Stretch& alone, Stretch& paired,
               std::atomic<bool>& failed) {
  if (round % 2 == 0) alone = RunStretch(job, first, kRoundFiles, 1, failed);
  paired = RunStretch(job, first, kRoundFiles, 2, failed);
  if (round % 2 == 1) alone = RunStretch(job, first, kRoundFiles, 1, failed);
  return alone.wallSeconds / paired.wallSeconds;
}

using Command = std::vector<std::string> (*)(const Fleet&, int);

std::vector<std::string> Check(const Fleet& fleet, int i) { return {"check", fleet.Dat(i)}; }
std::vector<std::string> Convert(const Fleet& fleet, int i) {
  return {"convert", fleet.Dat(i), fleet.Hex(i)};
}

void Measure(benchmark::State& state, Command command) {
  const Fleet fleet;
  const std::string self = fs::read_symlink("/proc/self/exe").string();
  const Job run = [&](int i) { return kol::bench::RunKolprogCli(command(fleet, i), fleet.environment); };
  std::vector<double> speedUps;
  std::vector<double> yardstickSpeedUps;
  std::vector<double> againstYardstick;
  double oneAfterTheOther = 0;
  double twoAtATime = 0;
  std::atomic<bool> failed{false};
  for (auto _ : state) {
    for (int round = 0; round * kRoundFiles < kFiles; ++round) {
      const int first = round * kRoundFiles;
      Stretch alone;
      Stretch paired;
      const double speedUp = SpeedUp(run, first, round, alone, paired, failed);
      oneAfterTheOther += alone.wallSeconds;
      twoAtATime += paired.wallSeconds;
      const std::string burnUs = std::to_string(static_cast<long>(alone.cpuSeconds / kRoundFiles * 1e6));
      const Job burn = [&](int) { return kol::bench::RunProcess(self, {kBurnOption, burnUs}, {}); };
      Stretch burnAlone;
      Stretch burnPaired;
      const double yardstick = SpeedUp(burn, first, round, burnAlone, burnPaired, failed);
      speedUps.push_back(speedUp);
      yardstickSpeedUps.push_back(yardstick);
      againstYardstick.push_back(speedUp / yardstick);
    }
    state.SetIterationTime(twoAtATime);
  }
  if (failed) state.SkipWithError("a command failed");
  state.counters["one_after_the_other_s"] = oneAfterTheOther;
  state.counters["two_processes_s"] = twoAtATime;
  state.counters["speedup"] = Median(speedUps);
  state.counters["yardstick_speedup"] = Median(yardstickSpeedUps);
  state.counters["speedup_vs_yardstick"] = Median(againstYardstick);
}

void BM_Check200Files(benchmark::State& state) { Measure(state, Check); }
void BM_Convert200Files(benchmark::State& state) { Measure(state, Convert); }

BENCHMARK(BM_Check200Files)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_Convert200Files)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

// The yardstick's process: burns `us` microseconds of processor time, then ends.
int Burn(long us) {
  timespec now{};
  do {
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  } while (now.tv_sec * 1'000'000L + now.tv_nsec / 1000 < us);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == kBurnOption) return Burn(std::stol(argv[2]));
  return kol::bench::RunBenchmarks(argc, argv);
}
