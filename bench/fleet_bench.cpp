// Eight radios programmed at once against one: each a simulated radio on a pseudo-terminal
// of its own, paced at 4800 baud as the cable is, and kolprog-cli started as a user starts
// it. Reports the wall time of both runs, their ratio, and the program's processor time per
// radio as a share of the wall time: nearly all of a run is waiting on the wire.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QCoreApplication>

#include <atomic>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "cli_process.h"
#include "link/qt_pty_radio.h"
#include "link/serial_port.h"
#include "run_benchmarks.h"

namespace {

namespace fs = std::filesystem;

constexpr int kRadios = 8;

// Radios on pseudo-terminals, answering while the object lives.
class PtyFleet {
 public:
  explicit PtyFleet(int count) {
    kol::SimulatorOptions options;
    options.baudRate = kol::kBaudRate;
    for (int i = 0; i < count; ++i) {
      auto radio = std::make_unique<Radio>(options);
      std::string error;
      if (!radio->pty.Open(error)) {
        error_ = error;
        return;
      }
      radio->server = std::thread([r = radio.get(), this] { r->pty.Serve(stop_, [] {}); });
      radios_.push_back(std::move(radio));
    }
  }
  ~PtyFleet() {
    stop_ = true;
    for (auto& radio : radios_) radio->server.join();
  }
  const std::string& Error() const { return error_; }
  std::vector<std::string> PortArguments() const {
    std::vector<std::string> args;
    for (const auto& radio : radios_) args.insert(args.end(), {"--port", radio->pty.DevicePath()});
    return args;
  }

 private:
  struct Radio {
    explicit Radio(const kol::SimulatorOptions& options) : simulator(options) {}
    kol::RadioSimulator simulator;
    kol::PtyRadio pty{simulator};
    std::thread server;
  };
  std::atomic<bool> stop_{false};
  std::vector<std::unique_ptr<Radio>> radios_;
  std::string error_;
};

void BM_ProgramEightRadiosAtOnce(benchmark::State& state) {
  const fs::path folder =
      fs::temp_directory_path() / ("kolprog-fleet-bench-" + std::to_string(::getpid()));
  fs::create_directories(folder);
  const std::vector<std::string> environment = {"XDG_CONFIG_HOME=" + (folder / "config").string(),
                                                "XDG_DATA_HOME=" + (folder / "data").string()};
  const std::string in = (folder / "template.hex").string();
  fs::copy_file(std::string(KOL_BIN_DIR) + "/INTL_0CE4.ini", in, fs::copy_options::overwrite_existing);
  const auto program = [&](int radios, kol::bench::ProcessRun& run) {
    PtyFleet fleet(radios);
    if (!fleet.Error().empty()) {
      state.SkipWithError(fleet.Error().c_str());
      return false;
    }
    std::vector<std::string> args = {"program", "--keep-identity", in};
    if (state.range(0) == 0) args.push_back("--no-verify");
    const std::vector<std::string> ports = fleet.PortArguments();
    args.insert(args.end(), ports.begin(), ports.end());
    run = kol::bench::RunKolprogCli(args, environment);
    if (run.exitCode == 0) return true;
    state.SkipWithError("kolprog-cli program failed");
    return false;
  };
  kol::bench::ProcessRun one;
  kol::bench::ProcessRun eight;
  for (auto _ : state) {
    if (!program(1, one) || !program(kRadios, eight)) break;
    state.SetIterationTime(eight.wallSeconds);
  }
  std::error_code ec;
  fs::remove_all(folder, ec);
  state.counters["one_radio_s"] = one.wallSeconds;
  state.counters["eight_radios_s"] = eight.wallSeconds;
  state.counters["ratio"] = eight.wallSeconds / one.wallSeconds;
  state.counters["cpu_per_radio_pct"] = 100.0 * eight.cpuSeconds / eight.wallSeconds / kRadios;
  state.counters["cpu_per_added_radio_pct"] =
      100.0 * (eight.cpuSeconds - one.cpuSeconds) / (kRadios - 1) / eight.wallSeconds;
  state.counters["one_radio_cpu_pct"] = 100.0 * one.cpuSeconds / one.wallSeconds;
}

BENCHMARK(BM_ProgramEightRadiosAtOnce)
    ->ArgName("verify")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  return kol::bench::RunBenchmarks(argc, argv);
}
