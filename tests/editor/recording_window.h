// A stand-in for the main window where a page or widget is tested on its own: it does
// nothing but record the transfers asked for, and lets a test play the transfer's part.
// With it, everything else a page needs from the program.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "editor/editor_services.h"
#include "editor_rig.h"

namespace kol::test {

class RecordingWindow : public editor::EditorWindow {
 public:
  void SetStatusHelp(const std::string&) override {}
  bool SelectNode(const std::string&) override { return false; }
  std::string SelectedNodeKey() const override { return {}; }
  void SetSelectedNodeText(const std::string&) override {}
  void ReshowCurrentPage() override {}
  void RebuildTree() override {}
  void UpdateGroupNodeTexts() override {}
  void UpdateDirectoryNodeTexts(editor::DirectoryKind) override {}
  bool ValidateCurrentPage() override { return true; }
  bool RunTransfer(Operation operation) override {
    transfers.push_back(operation);
    return onTransfer ? onTransfer(operation) : false;
  }
  void ShowHelp(int) override {}

  std::vector<Operation> transfers;
  // What the transfer does and whether it completed.
  std::function<bool(Operation)> onTransfer;
};

// The services a page or widget runs on without the main window.
struct StandaloneServices {
  Document document;
  FakeClock clock;
  ScriptedWindowPrompts prompts;
  MapSettingsStore store;
  RecordingErrorLog log;
  FileHost host{prompts, store, log, clock};
  editor::EditorFlags flags;
  RecordingWindow standIn;
  editor::EditorServices services{document, host, prompts, flags, standIn};
};

}  // namespace kol::test
