// trkconv at the Windows console: its arguments in UTF-8 from the wide command line, so file
// names survive whatever the ANSI code page is; its UTF-8 output shown as UTF-8; a track on
// standard input read as bytes, without the text mode's line ends.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

#include "system/win32/WideText.h"
#include "programs/trkconv/ProcessConsole.h"

namespace tarmaxion::cli {

struct ProcessConsole::SystemParts {
  // An attached console shows UTF-8 while trkconv runs and gets its own code page back
  // afterwards; 0 when no console is attached.
  UINT previous_code_page = GetConsoleOutputCP();
};

ProcessConsole::ProcessConsole(int, char**) : system_(std::make_unique<SystemParts>()) {
  if (system_->previous_code_page != 0) SetConsoleOutputCP(CP_UTF8);
  arguments_ = win32::Utf8Arguments();
  _setmode(_fileno(stdin), _O_BINARY);
}

ProcessConsole::~ProcessConsole() {
  if (system_->previous_code_page != 0) SetConsoleOutputCP(system_->previous_code_page);
}

bool ProcessConsole::ErrorStreamIsTerminal() const { return _isatty(_fileno(stderr)) != 0; }
bool ProcessConsole::OutputStreamIsTerminal() const { return _isatty(_fileno(stdout)) != 0; }

void ProcessConsole::MakeOutputBinary() {
  std::fflush(stdout);
  _setmode(_fileno(stdout), _O_BINARY);
}

// Large pages need a privilege users do not have; the heap stays as it is.
void ProcessConsole::PrepareForImages() {}

// The page Windows itself shows the user's 8-bit texts in; a system on another page (Hebrew,
// Arabic, East Asian) reads tracks in the Western page, as one made elsewhere most likely is.
CodePage ProcessConsole::UserCodePage() const { return TrackCodePage(static_cast<long>(GetACP())).value_or(CodePage::k1252); }

}  // namespace tarmaxion::cli
