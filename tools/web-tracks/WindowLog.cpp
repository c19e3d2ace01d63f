// window-log: loads each track given in a window of its own on the headless platform and prints
// its log panel's text in UTF-8 (lines ended by CR LF), then a form feed and a line feed: what
// the web page's log panel must show after loading the same file.
#include <cstdio>
#include <string>

#include "programs/window/Program.h"
#include "platform/headless/HeadlessPlatform.h"

int main(int argc, char* argv[]) {
  using namespace tarmaxion;
  for (int i = 1; i < argc; ++i) {
    HeadlessPlatform platform;
    Program program(platform);
    program.StartUp();
    platform.QueueDialogAnswer(argv[i]);
    program.Dispatch({EventKind::kControl, kLoadButton});
    std::printf("%s\f\n", program.Model().StatusLines().Panel("\r\n").Utf8().c_str());
  }
  return 0;
}
