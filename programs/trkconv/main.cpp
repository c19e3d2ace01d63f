// trkconv: the converter window's listing, conversion and preview from the command line.
#include <clocale>
#include <cstdio>
#include <iostream>

#ifdef _WIN32
#include <io.h>

#include "programs/trkconv/windows/WindowsConsole.h"
#include "platform/win32/Win32Glyphs.h"
#else
#include <unistd.h>
#endif

#ifdef TARMAXION_QT_GLYPHS
#include <QGuiApplication>
#include <array>
#include <optional>

#include "platform/qt/QtGlyphs.h"
#endif

#include "programs/trkconv/Trkconv.h"

namespace {

bool ErrorStreamIsTerminal() {
#ifdef _WIN32
  return _isatty(_fileno(stderr)) != 0;
#else
  return isatty(fileno(stderr)) != 0;
#endif
}

#ifdef TARMAXION_QT_GLYPHS
// Qt's notes about its surroundings (no runtime folder, say) are not for trkconv's error
// stream, which reports the files that failed; only Qt's own failures are.
void KeepQtNotesQuiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << "trkconv: " << message.toStdString() << '\n';
}

// The window's glyphs need a Qt GUI application. It is made on first use, so the commands that
// draw no caption start no faster or slower than without Qt, and it draws off screen unless
// QT_QPA_PLATFORM names another platform, so trkconv needs no display.
class WindowGlyphs {
 public:
  explicit WindowGlyphs(char* program_name) : argv_{program_name, nullptr} {}

  tarmaxion::GlyphSource* Get() {
    if (!glyphs_) {
      if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
      qInstallMessageHandler(KeepQtNotesQuiet);
      application_.emplace(argc_, argv_.data());
      glyphs_.emplace();
    }
    return &*glyphs_;
  }

 private:
  // Only the program name: trkconv's own arguments are no options for Qt.
  int argc_ = 1;
  std::array<char*, 2> argv_;
  std::optional<QGuiApplication> application_;
  std::optional<tarmaxion::QtGlyphs> glyphs_;  // released before the application
};
#endif

}  // namespace

int main([[maybe_unused]] int argc, [[maybe_unused]] char** argv) {
#ifdef _WIN32
  // argv holds the arguments in the ANSI code page, which loses what it cannot spell.
  const tarmaxion::cli::Utf8ConsoleOutput utf8_console;
  const auto args = tarmaxion::cli::Utf8Arguments();
#else
  const std::vector<std::string> args(argv + 1, argv + argc);
  // The system's reasons for failures in the user's language, decoded from the locale's
  // character set; numbers and everything else keep the C locale's forms.
  std::setlocale(LC_CTYPE, "");
  std::setlocale(LC_MESSAGES, "");
#endif
  tarmaxion::cli::Console console{std::cout, std::cerr, ErrorStreamIsTerminal(), {}};
#ifdef _WIN32
  // GDI makes no fonts before the caption asks for them, so these cost nothing until then.
  tarmaxion::win32::Win32Glyphs window_glyphs;
  console.caption_glyphs = [&window_glyphs] { return &window_glyphs; };
#elif defined(TARMAXION_QT_GLYPHS)
  WindowGlyphs window_glyphs(argv[0]);
  console.caption_glyphs = [&window_glyphs] { return window_glyphs.Get(); };
#endif
  return tarmaxion::cli::RunTrkconv(args, console);
}
