// How every command reports a file it could not handle: one typed problem per file, printed as
// one line on the error stream that names the file and says why.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "base/Result.h"

namespace tarmaxion::cli {

enum class FailureKind {
  kOutputRefused,  // the output may not be written (an input, written before, or existing)
  kUnreadable,     // the track file could not be read whole
  kNotConverted,   // read, but refused or damaged as the window would refuse it
  kNotWritten,     // the output could not be made or written
};

// The message is UTF-8.
using Failure = Problem<FailureKind>;
using FileOutcome = Outcome<Failure>;

inline void ReportFailure(std::ostream& err, std::string_view path, std::string_view utf8_reason) {
  err << "trkconv: " << path << ": " << utf8_reason << '\n';
}

}  // namespace tarmaxion::cli
