// window-dump TRACK SAVE_AS PREFIX: what a user sees of the window on the headless platform
// after loading TRACK, saving it as SAVE_AS, and cancelling a second load, written to
// PREFIX.info (the info list), PREFIX.log (the log panel), PREFIX.map (size and a hash of the
// map's pixels) and PREFIX.dialogs (each file dialog's title and proposed path), one section
// per step. scripts/compare-builds compiles this same file in an earlier tree, whose window
// program lived in app/ and spelled every text in Windows-1252; hence the two spellings below.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <utility>

#include "base/Encoding.h"
#include "platform/headless/HeadlessPlatform.h"
#if __has_include("programs/window/Program.h")
#include "programs/window/Program.h"
#define WINDOW_SHOWN_TEXT 1
#else
#include "app/Program.h"
#define WINDOW_SHOWN_TEXT 0
#endif

namespace tarmaxion {
namespace {

// Answers only the dialog of the button pressed next: a command that opens none (a save with
// nothing loaded) must not leave its answer to the following load. The answer's type is the
// platform's own (a path, or an optional path in later trees); an empty answer cancels.
class OneAnswerPlatform : public HeadlessPlatform {
  using Answer = decltype(std::declval<HeadlessPlatform&>().OpenFileDialog(std::declval<const FileDialogRequest&>()));

 public:
  std::string answer;

  Answer OpenFileDialog(const FileDialogRequest& request) override {
    HeadlessPlatform::OpenFileDialog(request);  // records the request
    return Next();
  }
  Answer SaveFileDialog(const FileDialogRequest& request) override {
    HeadlessPlatform::SaveFileDialog(request);
    return Next();
  }

 private:
  Answer Next() { return answer.empty() ? Answer{} : Answer{std::exchange(answer, {})}; }
};

struct Dumps {
  std::ofstream info, log, map, dialogs;
};

std::string Utf8Of(const HeadlessControl& control, std::size_t line) {
#if WINDOW_SHOWN_TEXT
  return control.shown_lines[line].Utf8();
#else
  return Utf8FromWindows1252(control.lines[line]);
#endif
}

std::string PanelUtf8(const HeadlessControl& control) {
#if WINDOW_SHOWN_TEXT
  return control.shown_text.Utf8();
#else
  return Utf8FromWindows1252(control.text);
#endif
}

// FNV-1a over the pixels: equal hashes stand for equal maps.
std::uint64_t PixelHash(const Image& image) {
  std::uint64_t hash = 14695981039346656037ULL;
  for (const Colour pixel : image.Pixels()) hash = (hash ^ pixel) * 1099511628211ULL;
  return hash;
}

// The controls after a step, and the dialogs from the first the step opened.
void Dump(const char* step, const HeadlessPlatform& platform, std::size_t first_dialog, Dumps& out) {
  const auto& info = platform.Control(kInfoList);
  out.info << "-- " << step << '\n';
  for (std::size_t i = 0; i < info.lines.size(); ++i) out.info << Utf8Of(info, i) << '\n';
  out.log << "-- " << step << '\n' << PanelUtf8(platform.Control(kLogPanel)) << '\n';
  out.map << "-- " << step << '\n';
  if (const Image* image = platform.Control(kMapView).image) {
    out.map << image->Width() << 'x' << image->Height() << ' ' << std::hex << PixelHash(*image) << std::dec << '\n';
  }
  out.dialogs << "-- " << step << '\n';
  for (std::size_t i = first_dialog; i < platform.Dialogs().size(); ++i) {
    const auto& dialog = platform.Dialogs()[i];
    out.dialogs << Utf8FromWindows1252(dialog.title) << " | " << dialog.default_path << '\n';
  }
}

}  // namespace
}  // namespace tarmaxion

int main(int argc, char* argv[]) {
  using namespace tarmaxion;
  if (argc != 4) {
    std::fprintf(stderr, "usage: window-dump TRACK SAVE_AS PREFIX\n");
    return 2;
  }
  const std::string prefix = argv[3];
  Dumps out{std::ofstream(prefix + ".info"), std::ofstream(prefix + ".log"), std::ofstream(prefix + ".map"),
            std::ofstream(prefix + ".dialogs")};
  OneAnswerPlatform platform;
  Program program(platform);
  program.StartUp();
  const auto press = [&](int button, const char* answer, const char* step) {
    const auto first_dialog = platform.Dialogs().size();
    platform.answer = answer;
    program.Dispatch({EventKind::kControl, button});
    Dump(step, platform, first_dialog, out);
  };
  press(kLoadButton, argv[1], "load");
  press(kSaveButton, argv[2], "save");
  press(kLoadButton, "", "cancelled load");
  return 0;
}
