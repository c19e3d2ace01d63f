// The whole program on the headless platform, driven one command at a time, so a test can look
// at the state between two commands.
#pragma once

#include <string>
#include <vector>

#include "app/Program.h"
#include "ui/headless/HeadlessPlatform.h"

namespace tarmaxion::testing {

// The newest line of a log panel's text, in which every line ends with CR LF.
inline Text NewestLogLine(const Text& panel) {
  const auto end = panel.size() - 2;
  const auto start = panel.rfind("\r\n", end - 1);
  return panel.substr(start + 2, end - start - 2);
}

class ProgramRun {
 public:
  ProgramRun() { program_.StartUp(); }

  // Presses "load" or "save as 1.05" with this answer to the file dialog ("" cancels).
  void Load(const std::string& answer) { Press(kLoadButton, answer); }
  void Save(const std::string& answer) { Press(kSaveButton, answer); }

  const ProgramState& State() const { return program_.State(); }
  std::vector<Text> Lines() const { return platform_.Control(kInfoList).lines; }
  const Text& LogPanel() const { return platform_.Control(kLogPanel).text; }
  Text LastLog() const { return NewestLogLine(LogPanel()); }
  // The map image's pixels, or none before the first map.
  std::vector<Colour> Map() const {
    const Image* image = program_.Drawing().ImageAt(kMapImage);
    if (image == nullptr) return {};
    return std::vector<Colour>(image->Pixels().begin(), image->Pixels().end());
  }

 private:
  void Press(int button, const std::string& answer) {
    platform_.QueueDialogAnswer(answer);
    program_.Dispatch({EventKind::kControl, button});
  }

  HeadlessPlatform platform_;
  Program program_{platform_};
};

}  // namespace tarmaxion::testing
