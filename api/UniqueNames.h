// Names for copies that end up side by side in one folder or zip archive, where
// no copy may replace another.
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>

namespace tarmaxion {

// A name is given as it is unless an earlier one equals it with case ignored
// (Windows unpacks such names into one file); then it gets the first free "
// (2)", " (3)", ... before its extension: "same_c.trk", "same_c (2).trk". Names
// are UTF-8. A character no Windows file name may hold (a control character or
// one of < > : " / \ | ? *) becomes "_", since another system's name would
// otherwise be lost when the archive is unpacked there.
class UniqueNames {
 public:
  std::string Claim(std::string_view name);

 private:
  std::unordered_set<std::string> taken_;  // case-folded
};

}  // namespace tarmaxion
