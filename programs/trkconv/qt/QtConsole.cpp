// trkconv on Linux beside the Qt window: arguments as given, and the Qt window's glyphs for
// the caption, drawn off screen so that no display is needed.
#include <unistd.h>

#include <QGuiApplication>
#include <array>
#include <clocale>
#include <cstdio>
#include <iostream>
#include <optional>

#include "platform/qt/QtGlyphs.h"
#include "programs/trkconv/ProcessConsole.h"

namespace tarmaxion::cli {
namespace {

// Qt's notes about its surroundings (no runtime folder, say) are not for trkconv's error
// stream, which reports the files that failed; only Qt's own failures are.
void KeepQtNotesQuiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << "trkconv: " << message.toStdString() << '\n';
}

}  // namespace

struct ProcessConsole::SystemParts {
  explicit SystemParts(char* program_name) : argv{program_name, nullptr} {}
  // Only the program name: trkconv's own arguments are no options for Qt.
  int argc = 1;
  std::array<char*, 2> argv;
  std::optional<QGuiApplication> application;
  std::optional<QtGlyphs> glyphs;  // released before the application
};

ProcessConsole::ProcessConsole(int argc, char** argv)
    : arguments_(argv + 1, argv + argc), system_(std::make_unique<SystemParts>(argv[0])) {
  // The system's reasons for failures in the user's language, decoded from the locale's
  // character set; numbers and everything else keep the C locale's forms.
  std::setlocale(LC_CTYPE, "");
  std::setlocale(LC_MESSAGES, "");
}

ProcessConsole::~ProcessConsole() = default;

bool ProcessConsole::ErrorStreamIsTerminal() const { return isatty(fileno(stderr)) != 0; }

GlyphSource* ProcessConsole::CaptionGlyphs() {
  auto& parts = *system_;
  if (!parts.glyphs) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(KeepQtNotesQuiet);
    parts.application.emplace(parts.argc, parts.argv.data());
    parts.glyphs.emplace();
  }
  return &*parts.glyphs;
}

}  // namespace tarmaxion::cli
