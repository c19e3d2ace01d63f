// trkconv: the converter window's listing, conversion and preview from the command line.
#include <cstdio>
#include <iostream>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "cli/Trkconv.h"

namespace {

bool ErrorStreamIsTerminal() {
#ifdef _WIN32
  return _isatty(_fileno(stderr)) != 0;
#else
  return isatty(fileno(stderr)) != 0;
#endif
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return tarmaxion::cli::RunTrkconv(args, {std::cout, std::cerr, ErrorStreamIsTerminal()});
}
