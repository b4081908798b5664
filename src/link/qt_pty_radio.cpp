#include "link/qt_pty_radio.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <vector>

#include "link/simulated_wire.h"

namespace kol {
namespace {

constexpr std::int64_t kIdleWaitNs = 100'000'000;  // how often `stop` is looked at

std::int64_t NowNs() {
  using namespace std::chrono;
  return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

PtyRadio::~PtyRadio() {
  if (master_ >= 0) close(master_);
  if (slave_ >= 0) close(slave_);
}

bool PtyRadio::Open(std::string& error) {
  // Raw from the start: a terminal in its cooked mode would echo the PC's bytes back.
  termios raw{};
  cfmakeraw(&raw);
  char name[256] = {};
  if (openpty(&master_, &slave_, name, &raw, nullptr) != 0) {
    error = std::strerror(errno);
    return false;
  }
  fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
  devicePath_ = name;
  return true;
}

void PtyRadio::Serve(const std::atomic<bool>& stop, const std::function<void()>& afterWrite) {
  SimulatedWire wire(radio_);
  int writes = radio_.WriteCount();
  std::vector<std::uint8_t> buffer(256);
  while (!stop.load()) {
    const std::int64_t now = NowNs();
    std::vector<std::uint8_t> due;
    for (int n = wire.ReadyCount(now); n > 0; --n) due.push_back(wire.Take());
    // What the terminal does not take is lost, as on a cable nobody listens to.
    if (!due.empty()) {
      const ssize_t sent = write(master_, due.data(), due.size());
      static_cast<void>(sent);
    }

    const std::optional<std::int64_t> next = wire.NextArrivalNs();
    const std::int64_t waitNs = std::clamp<std::int64_t>(next ? *next - now : kIdleWaitNs, 0,
                                                         kIdleWaitNs);
    pollfd fd{master_, POLLIN, 0};
    const timespec timeout{static_cast<time_t>(waitNs / 1'000'000'000),
                           static_cast<long>(waitNs % 1'000'000'000)};
    if (ppoll(&fd, 1, &timeout, nullptr) <= 0 || (fd.revents & POLLIN) == 0) continue;
    const ssize_t count = read(master_, buffer.data(), buffer.size());
    if (count <= 0) continue;
    wire.FromPc(std::span(buffer.data(), static_cast<std::size_t>(count)), NowNs());
    if (radio_.WriteCount() != writes) {
      writes = radio_.WriteCount();
      afterWrite();
    }
  }
}

}  // namespace kol
