#include "api/UniqueNames.h"

#include "base/Encoding.h"

namespace tarmaxion {

std::string UniqueNames::Claim(std::string_view name) {
  // A leading dot starts a name, not an extension.
  const std::size_t dot = name.rfind('.');
  const std::size_t split = dot == std::string_view::npos || dot == 0 ? name.size() : dot;
  std::string candidate(name);
  for (std::size_t n = 2; !taken_.insert(CaseFolded(candidate)).second; ++n) {
    candidate =
        std::string(name.substr(0, split)) + " (" + std::to_string(n) + ")" + std::string(name.substr(split));
  }
  return candidate;
}

}  // namespace tarmaxion
