// A full read and a full programming run against the simulated radio over a real
// pseudo-terminal at 4800 baud, through the Qt serial port, in real time. Reports the wall
// time, the lower bound (wire time of every byte plus the pauses the protocol prescribes),
// their ratio and the CPU time as a share of the wall time.
//
// The sum of wire time and pauses is not quite a bound: a line the PC sends without
// waiting for an answer (the "#CMDOK" accepting each data frame) is still on the wire
// while the link makes its next pause. The strict bound takes that overlap off.
#include <benchmark/benchmark.h>
#include <time.h>

#include <QCoreApplication>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

#include "link/qt_pty_radio.h"
#include "link/qt_serial_port.h"
#include "link/transfer_operations.h"
#include "model/value_tables.h"
#include "run_benchmarks.h"

namespace kol {
namespace {

using SteadyClock = std::chrono::steady_clock;
constexpr double kByteSeconds = 10.0 / kBaudRate;  // start bit, 8 data bits, stop bit

// Counts the bytes that cross the wire in each direction, and knows until when the bytes
// the PC wrote are still being sent.
class CountingPort final : public SerialPort {
 public:
  explicit CountingPort(SerialPort& port) : port_(port) {}
  // How much of the PC's output is still on the wire.
  double SendingSeconds() const {
    return std::max(0.0, std::chrono::duration<double>(sendingUntil_ - SteadyClock::now()).count());
  }
  bool OpenNumber(int n) override { return port_.OpenNumber(n); }
  bool OpenPath(const std::string& path) override { return port_.OpenPath(path); }
  void Close() override { port_.Close(); }
  bool IsOpen() const override { return port_.IsOpen(); }
  int BytesWaiting() override { return port_.BytesWaiting(); }
  std::uint8_t ReadByte() override {
    ++bytes;
    return port_.ReadByte();
  }
  void DiscardInput() override { port_.DiscardInput(); }
  bool Write(std::span<const std::uint8_t> data) override {
    bytes += static_cast<std::int64_t>(data.size());
    const auto wire = std::chrono::duration_cast<SteadyClock::duration>(
        std::chrono::duration<double>(static_cast<double>(data.size()) * kByteSeconds));
    sendingUntil_ = std::max(sendingUntil_, SteadyClock::now()) + wire;
    return port_.Write(data);
  }
  bool WaitForInput(int maxMs) override { return port_.WaitForInput(maxMs); }
  PortError LastError() const override { return port_.LastError(); }
  std::string SettingsText() const override { return port_.SettingsText(); }
  std::int64_t bytes = 0;

 private:
  SerialPort& port_;
  SteadyClock::time_point sendingUntil_{};
};

// The system clock, adding up the pauses the link makes and how much of them the PC's
// output overlapped.
class PauseCountingClock final : public Clock {
 public:
  explicit PauseCountingClock(const CountingPort& port) : port_(port) {}
  std::int64_t NowMs() override { return clock_.NowMs(); }
  void SleepMs(int ms) override {
    pausedSeconds += ms / 1000.0;
    overlapSeconds += std::min(ms / 1000.0, port_.SendingSeconds());
    clock_.SleepMs(ms);
  }
  double pausedSeconds = 0;
  double overlapSeconds = 0;

 private:
  const CountingPort& port_;
  SystemClock clock_;
};

class QuietHost final : public LinkHost {
 public:
  MessageButton Show(const Message& message) override { return message.defaultButton; }
  void ProcessEvents() override {}
  void ShowStatus(const std::string&) override {}
  void ShowProgress(int) override {}
  void SetBusy(bool) override {}
};

class NoLinkLog final : public LinkLog {
 public:
  void PortFailed(std::string_view, const PortError&) override {}
};

double CpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

void RunOperation(benchmark::State& state, Operation operation) {
  SimulatorOptions options;
  options.baudRate = kBaudRate;
  double wall = 0, cpu = 0, sum = 0, bound = 0;
  for (auto _ : state) {
    RadioSimulator radio(options);
    PtyRadio pty(radio);
    std::string error;
    if (!pty.Open(error)) {
      state.SkipWithError(error.c_str());
      return;
    }
    std::atomic<bool> stop{false};
    std::thread server([&] { pty.Serve(stop, [] {}); });

    QtSerialPort qtPort;
    CountingPort port(qtPort);
    PauseCountingClock clock(port);
    QuietHost host;
    NoLinkLog log;
    Document document;
    for (int group = 0; group < 3; ++group) BuildChannelPlan(group, document.model.group[group]);
    BuildWeatherPlan(document.model.weather);
    TransferContext context;
    context.operation = operation;
    context.devicePath = pty.DevicePath();
    TransferOperations operations({port, clock, host, log}, context, document);

    const auto start = SteadyClock::now();
    const double cpuStart = CpuSeconds();
    operations.Start();
    cpu += CpuSeconds() - cpuStart;
    wall += std::chrono::duration<double>(SteadyClock::now() - start).count();
    stop = true;
    server.join();
    if (!context.completed) {
      state.SkipWithError("the operation did not complete");
      return;
    }
    sum += static_cast<double>(port.bytes) * kByteSeconds + clock.pausedSeconds;
    bound += static_cast<double>(port.bytes) * kByteSeconds + clock.pausedSeconds -
             clock.overlapSeconds;
    state.SetIterationTime(wall);
  }
  state.counters["wall_s"] = wall;
  state.counters["wire_plus_pauses_s"] = sum;
  state.counters["lower_bound_s"] = bound;
  state.counters["ratio"] = wall / bound;
  state.counters["cpu_share_pct"] = 100.0 * cpu / wall;
}

void BM_FullRead(benchmark::State& state) { RunOperation(state, Operation::kRead); }
void BM_FullProgram(benchmark::State& state) { RunOperation(state, Operation::kProgram); }

BENCHMARK(BM_FullRead)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_FullProgram)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace
}  // namespace kol

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  return kol::bench::RunBenchmarks(argc, argv);
}
