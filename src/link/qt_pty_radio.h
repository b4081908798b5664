// The simulated radio behind a pseudo-terminal (a platform adapter, POSIX): programs open
// the terminal's device as a serial port and talk to the radio as over a cable.
#pragma once

#include <atomic>
#include <functional>
#include <string>

#include "link/radio_simulator.h"

namespace kol {

class PtyRadio {
 public:
  explicit PtyRadio(RadioSimulator& radio) : radio_(radio) {}
  ~PtyRadio();
  PtyRadio(const PtyRadio&) = delete;
  PtyRadio& operator=(const PtyRadio&) = delete;

  // Opens the pseudo-terminal; on failure `error` says why.
  bool Open(std::string& error);
  // The device a program opens as its serial port ("/dev/pts/3").
  const std::string& DevicePath() const { return devicePath_; }

  // Answers the PC until `stop` is set; `afterWrite` runs whenever the radio's memory was
  // written.
  void Serve(const std::atomic<bool>& stop, const std::function<void()>& afterWrite);

 private:
  RadioSimulator& radio_;
  int master_ = -1;
  int slave_ = -1;  // kept open, so the terminal lives on while no program has it open
  std::string devicePath_;
};

}  // namespace kol
