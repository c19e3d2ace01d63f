// trkconv on Linux without the Qt window: arguments as given, no window glyphs.
#include <unistd.h>

#include <cstdio>

#include "programs/trkconv/ProcessConsole.h"

namespace tarmaxion::cli {

struct ProcessConsole::SystemParts {};

ProcessConsole::ProcessConsole(int argc, char** argv) : arguments_(argv + 1, argv + argc) {}
ProcessConsole::~ProcessConsole() = default;

bool ProcessConsole::ErrorStreamIsTerminal() const { return isatty(fileno(stderr)) != 0; }

GlyphSource* ProcessConsole::CaptionGlyphs() { return nullptr; }

}  // namespace tarmaxion::cli
