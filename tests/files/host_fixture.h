// A document with everything the file operations need around it, in a fresh program
// folder: scripted messages, a settings store in memory, a recorded error log, a clock.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "files/atomic_file.h"
#include "files/file_host.h"
#include "model/destination_image.h"
#include "model/document.h"
#include "support/fakes.h"
#include "support/map_settings_store.h"
#include "support/temp_dir.h"

namespace kol::test {

inline constexpr char kFullModelList[] = "[model1]\r\nuse=1\r\natis=1\r\nwx=1\r\nwa=1\r\n";

class HostFixture : public ::testing::Test {
 protected:
  HostFixture() { document.profile.programFolder = dir.path().string(); }

  void WriteFile(const std::string& name, std::string_view bytes) {
    ASSERT_TRUE(WriteFileAtomically(dir.File(name), bytes));
  }
  void WriteDestination(const std::string& name, int group) {
    const RadioImage image = MakeDestinationImage(group);
    WriteFile(name,
              std::string_view(reinterpret_cast<const char*>(image.Bytes().data()), image.Size()));
  }

  TempDir dir;
  FakeClock clock;
  ScriptedPrompts prompts;
  MapSettingsStore store;
  RecordingErrorLog log;
  FileHost host{prompts, store, log, clock};
  Document document;
};

}  // namespace kol::test
