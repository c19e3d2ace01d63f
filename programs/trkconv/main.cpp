// trkconv: the converter window's listing, conversion and preview from the command line.
#include <iostream>

#include "programs/trkconv/ProcessConsole.h"
#include "programs/trkconv/Trkconv.h"

int main(int argc, char** argv) {
  tarmaxion::cli::ProcessConsole process(argc, argv);
  const tarmaxion::cli::Console console{std::cin,
                                        std::cout,
                                        std::cerr,
                                        process.ErrorStreamIsTerminal(),
                                        [&process] { process.MakeOutputBinary(); },
                                        [&process] { process.PrepareForImages(); },
                                        process.OutputStreamIsTerminal(),
                                        process.UserCodePage()};
  return tarmaxion::cli::RunTrkconv(process.Arguments(), console);
}
