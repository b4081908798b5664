// A transfer wired to the simulated radio on the virtual clock, with a host that records
// every progress text, percentage and message and answers questions from a script.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "link/link.h"
#include "link/memory_serial_port.h"
#include "link/radio_simulator.h"
#include "link/simulated_wire.h"
#include "link/transfer_operations.h"
#include "model/value_tables.h"
#include "support/fakes.h"

namespace kol::test {

class RecordingLinkHost : public LinkHost {
 public:
  MessageButton Show(const Message& message) override { return prompts.Show(message); }
  void ProcessEvents() override {
    ++eventRuns;
    if (onEvents) onEvents();
  }
  void ShowStatus(const std::string& text) override { statusTexts.push_back(text); }
  void ShowProgress(int percent) override { progress.push_back(percent); }
  void SetBusy(bool isBusy) override { busy = isBusy; }
  void ShowLinkWait(int attempt, int attempts) override {
    linkWaits.push_back(std::to_string(attempt) + "/" + std::to_string(attempts));
  }
  void BeginReadBack() override { ++readBacks; }
  void ShowRadioSilence(int seconds) override { silences.push_back(seconds); }

  ScriptedPrompts prompts;
  std::function<void()> onEvents;
  int eventRuns = 0;
  std::vector<std::string> statusTexts;
  std::vector<int> progress;
  std::vector<std::string> linkWaits;  // "attempt/attempts" of each repeated synchronisation
  int readBacks = 0;
  std::vector<int> silences;  // seconds of each silence told, 0 when the radio answered again
  bool busy = false;
};

struct LinkRig {
  explicit LinkRig(SimulatorOptions options = {},
                   std::vector<std::uint8_t> memory = std::vector<std::uint8_t>(8192, 0xFF))
      : radio(std::move(options), std::move(memory)),
        wire(radio),
        port(wire, clock),
        operations({port, clock, host, errorLog}, context, document) {
    document.flags.debugMode = true;
    for (int group = 0; group < 3; ++group) BuildChannelPlan(group, document.model.group[group]);
    BuildWeatherPlan(document.model.weather);
  }

  Link& link() { return operations.GetLink(); }
  std::vector<std::string> Texts() const { return host.prompts.Texts(); }
  // Heads of the requests the radio received, in order.
  std::vector<std::string> Heads() const {
    std::vector<std::string> heads;
    for (const RadioRequest& r : radio.Requests()) heads.push_back(r.head);
    return heads;
  }
  int CountHead(const std::string& head) const {
    int n = 0;
    for (const RadioRequest& r : radio.Requests()) n += r.head == head;
    return n;
  }
  // From the moment `condition` holds, every run of events sets the cancel flag, as a
  // Cancel click would.
  void CancelWhen(std::function<bool()> condition) {
    host.onEvents = [this, condition = std::move(condition)] {
      if (condition()) document.flags.cancelFlag = true;
    };
  }

  FakeClock clock;
  RadioSimulator radio;
  SimulatedWire wire;
  MemorySerialPort port;
  RecordingLinkHost host;
  RecordingErrorLog errorLog;
  Document document;
  TransferContext context;
  TransferOperations operations;
};

}  // namespace kol::test
