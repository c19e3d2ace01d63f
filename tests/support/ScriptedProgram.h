// A test fixture that runs the whole program on the headless platform: queue "load" and
// "save as 1.05" clicks with their dialog answers, run the script, then look at the controls.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Program.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/TempDir.h"
#include "ui/headless/HeadlessPlatform.h"

namespace tarmaxion::testing {

class ScriptedProgram : public ::testing::Test {
 protected:
  void Load(const std::string& answer) {
    platform_.QueueDialogAnswer(answer);
    platform_.QueueClick(kLoadButton);
  }
  void Save(const std::string& answer) {
    platform_.QueueDialogAnswer(answer);
    platform_.QueueClick(kSaveButton);
  }
  // Starts the program once, then runs every queued event up to the end of the script.
  void RunScript() {
    if (!started_) program_.StartUp();
    started_ = true;
    while (program_.Dispatch(platform_.WaitEvent())) {
    }
  }

  const std::vector<Text>& Lines() const { return platform_.Control(kInfoList).lines; }
  const Text& Panel() const { return platform_.Control(kLogPanel).text; }
  Text LastLog() const { return NewestLogLine(Panel()); }
  const Image* Shown() const { return platform_.Control(kMapView).image; }

  TempDir dir_;
  HeadlessPlatform platform_;
  Program program_{platform_};

 private:
  bool started_ = false;
};

}  // namespace tarmaxion::testing
