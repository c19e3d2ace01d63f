#include "api/UniqueNames.h"

#include <algorithm>

#include "base/Encoding.h"
#include "base/PathParts.h"

namespace tarmaxion {
namespace {

std::string WindowsFileName(std::string_view name) {
  std::string usable(name);
  std::replace_if(usable.begin(), usable.end(), [](char c) { return !AllowedInWindowsFileName(c); }, '_');
  return usable;
}

}  // namespace

std::string UniqueNames::Claim(std::string_view given) {
  const std::string name = WindowsFileName(given);
  // A leading dot starts a name, not an extension.
  const std::size_t dot = name.rfind('.');
  const std::size_t split = dot == std::string::npos || dot == 0 ? name.size() : dot;
  std::string candidate = name;
  for (std::size_t n = 2; !taken_.insert(CaseFolded(candidate)).second; ++n) {
    candidate = name.substr(0, split) + " (" + std::to_string(n) + ")" + name.substr(split);
  }
  return candidate;
}

}  // namespace tarmaxion
