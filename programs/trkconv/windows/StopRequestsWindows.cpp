// Stop requests at the Windows console: Ctrl-C, Ctrl-Break, and the console closed or the user
// logging off, reported to a handler on a thread of its own.
#include <windows.h>

#include <atomic>

#include "programs/trkconv/StopRequests.h"

namespace tarmaxion::cli {
namespace {

constexpr DWORD kNone = 0xFFFFFFFF;
std::atomic<DWORD> first_event{kNone};

BOOL WINAPI NoteControlEvent(DWORD event) {
  DWORD none = kNone;
  if (!first_event.compare_exchange_strong(none, event)) return FALSE;  // a second request ends it
  if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT) {
    // The system ends the program as soon as this returns. Waiting here lets the batch finish
    // the copy in hand and end the program itself, well within the seconds the system allows.
    Sleep(INFINITE);
  }
  return TRUE;
}

}  // namespace

StopRequests::StopRequests() {
  first_event = kNone;
  SetConsoleCtrlHandler(NoteControlEvent, TRUE);
}

StopRequests::~StopRequests() { SetConsoleCtrlHandler(NoteControlEvent, FALSE); }

std::optional<StopRequest> StopRequests::Pending() const {
  switch (first_event.load()) {
    case CTRL_C_EVENT: return StopRequest{130, "Ctrl-C"};
    case CTRL_BREAK_EVENT: return StopRequest{130, "Ctrl-Break"};
    case kNone: return std::nullopt;
    default: return StopRequest{129, "the console closing"};
  }
}

}  // namespace tarmaxion::cli
