#include "programs/trkconv/Suggestions.h"

#include <algorithm>

namespace tarmaxion::cli {
namespace {

// The typing errors between a and b: a letter left out, added, changed, or two neighbours swapped.
std::size_t TypingErrors(std::string_view a, std::string_view b) {
  std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
  for (std::size_t i = 0; i <= a.size(); ++i) {
    for (std::size_t j = 0; j <= b.size(); ++j) {
      if (i == 0 || j == 0) {
        d[i][j] = i + j;
        continue;
      }
      const std::size_t changed = a[i - 1] == b[j - 1] ? 0 : 1;
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + changed});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
      }
    }
  }
  return d[a.size()][b.size()];
}

}  // namespace

std::optional<std::string> NearestWord(std::string_view word, const std::vector<std::string>& choices) {
  const auto begun = [word](const std::string& choice) { return choice.starts_with(word); };
  if (std::count_if(choices.begin(), choices.end(), begun) == 1) {
    return *std::find_if(choices.begin(), choices.end(), begun);
  }
  std::optional<std::string> nearest;
  std::size_t fewest = 3;
  for (const auto& choice : choices) {
    if (const auto errors = TypingErrors(word, choice); errors < fewest) {
      fewest = errors;
      nearest = choice;
    }
  }
  return nearest;
}

}  // namespace tarmaxion::cli
