// trkconv at the Windows console: its arguments in UTF-8 from the wide command line, so file
// names survive whatever the ANSI code page is, and its UTF-8 output shown as UTF-8.
#pragma once

#include <string>
#include <vector>

namespace tarmaxion::cli {

// The arguments after the program name, in UTF-8.
std::vector<std::string> Utf8Arguments();

// Sets an attached console's output code page to UTF-8 for its lifetime, and back afterwards,
// so the console trkconv ran in keeps its own code page.
class Utf8ConsoleOutput {
 public:
  Utf8ConsoleOutput();
  ~Utf8ConsoleOutput();
  Utf8ConsoleOutput(const Utf8ConsoleOutput&) = delete;
  Utf8ConsoleOutput& operator=(const Utf8ConsoleOutput&) = delete;

 private:
  unsigned previous_code_page_ = 0;  // 0: no console attached
};

}  // namespace tarmaxion::cli
