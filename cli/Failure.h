// How every command reports a file it could not handle: one line on the error stream that
// names the file and says why.
#pragma once

#include <ostream>
#include <string_view>

namespace tarmaxion::cli {

inline void ReportFailure(std::ostream& err, std::string_view path, std::string_view utf8_reason) {
  err << "trkconv: " << path << ": " << utf8_reason << '\n';
}

}  // namespace tarmaxion::cli
