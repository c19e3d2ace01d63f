// trkconv on POSIX systems: the arguments as given, the heap for images in large pages where it
// can be.
#include <unistd.h>

#include <clocale>
#include <cstdio>

#include "base/LocaleCodePage.h"
#include "programs/trkconv/HeapPages.h"
#include "programs/trkconv/ProcessConsole.h"

namespace tarmaxion::cli {

struct ProcessConsole::SystemParts {};

ProcessConsole::ProcessConsole(int argc, char** argv) : arguments_(argv + 1, argv + argc) {
  // The system's reasons for failures in the user's language, decoded from the locale's
  // character set; numbers and everything else keep the C locale's forms.
  std::setlocale(LC_CTYPE, "");
  std::setlocale(LC_MESSAGES, "");
}
ProcessConsole::~ProcessConsole() = default;

bool ProcessConsole::ErrorStreamIsTerminal() const { return isatty(fileno(stderr)) != 0; }
bool ProcessConsole::OutputStreamIsTerminal() const { return isatty(fileno(stdout)) != 0; }

// Text and bytes are alike here.
void ProcessConsole::MakeOutputBinary() {}

void ProcessConsole::PrepareForImages() { PreferLargeHeapPages(); }

CodePage ProcessConsole::UserCodePage() const { return CodePageOfEnvironment(); }

}  // namespace tarmaxion::cli
