// The whole window program on the headless platform, one button at a time, so a test can look
// at the controls and the state between two commands. The one harness for the window.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "programs/window/Program.h"
#include "platform/headless/HeadlessPlatform.h"
#include "tests/support/TempDir.h"
#include "tests/support/TextPrinting.h"

namespace tarmaxion::testing {

// The newest line of a log panel's text, in which every line ends with CR LF.
inline Text NewestLogLine(const Text& panel) {
  const auto end = panel.size() - 2;
  const auto start = panel.rfind("\r\n", end - 1);
  return panel.substr(start + 2, end - start - 2);
}

class WindowRun {
 public:
  // Captions in glyphs, or in the headless platform's deterministic font for nullptr.
  explicit WindowRun(GlyphSource* glyphs = nullptr) : platform(glyphs) {}

  // Starts the program, unless a command or the test already did.
  void Start() {
    if (!program_started_) program.StartUp();
    program_started_ = true;
  }
  // Presses a button with this answer to its file dialog ("" cancels).
  void Press(int button, const std::string& answer) {
    Start();
    platform.QueueDialogAnswer(answer);
    program.Dispatch({EventKind::kControl, button});
  }
  void Load(const std::string& answer) { Press(kLoadButton, answer); }
  // Drops these paths on the window.
  void Drop(std::vector<std::string> paths) {
    Start();
    program.Dispatch({EventKind::kDrop, 0, std::move(paths)});
  }
  void Save(const std::string& answer) { Press(kSaveButton, answer); }
  // Starts the program with these paths on its command line.
  void StartWith(const std::vector<std::string>& paths) {
    Start();
    program.OpenAtStart(paths);
  }

  const WindowModel& Model() const { return program.Model(); }
  // The bytes of the last file read, with the window's changes.
  std::vector<std::uint8_t> LoadedBytes() const {
    const auto bytes = Model().LoadedBytes();
    return {bytes.begin(), bytes.end()};
  }
  const std::vector<Text>& Lines() const { return platform.Control(kInfoList).lines; }
  const Text& Panel() const { return platform.Control(kLogPanel).text; }
  Text LastLog() const { return NewestLogLine(Panel()); }
  // The six lines of the log panel, oldest first.
  std::vector<Text> LogLines() const {
    std::vector<Text> lines;
    const Text& panel = Panel();
    for (std::size_t start = 0, end = 0; (end = panel.find("\r\n", start)) != Text::npos; start = end + 2) {
      lines.push_back(panel.substr(start, end - start));
    }
    return lines;
  }
  // The image the map view shows, or nullptr.
  const Image* Shown() const { return platform.Control(kMapView).image; }
  // The map image's pixels, or none before the first map.
  std::vector<Colour> Map() const {
    const Image* image = program.Model().MapImage();
    if (image == nullptr) return {};
    return std::vector<Colour>(image->Pixels().begin(), image->Pixels().end());
  }

  HeadlessPlatform platform;
  Program program{platform};

 private:
  bool program_started_ = false;
};

// A test with a window of its own and a folder for its files.
class WindowTest : public ::testing::Test, public WindowRun {
 protected:
  TempDir dir_;
};

}  // namespace tarmaxion::testing
