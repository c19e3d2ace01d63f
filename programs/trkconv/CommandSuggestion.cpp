#include "programs/trkconv/CommandSuggestion.h"

#include <algorithm>
#include <vector>

namespace tarmaxion::cli {
namespace {

constexpr std::size_t kMostTypingErrors = 2;

// Optimal string alignment distance: insertions, deletions, substitutions and swaps of two
// neighbouring letters each count one.
std::size_t TypingErrors(std::string_view a, std::string_view b) {
  const auto width = b.size() + 1;
  std::vector<std::size_t> d((a.size() + 1) * width);
  const auto at = [&d, width](std::size_t i, std::size_t j) -> std::size_t& { return d[i * width + j]; };
  for (std::size_t i = 0; i <= a.size(); ++i) at(i, 0) = i;
  for (std::size_t j = 0; j <= b.size(); ++j) at(0, j) = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t changed = a[i - 1] == b[j - 1] ? 0 : 1;
      at(i, j) = std::min({at(i - 1, j) + 1, at(i, j - 1) + 1, at(i - 1, j - 1) + changed});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) at(i, j) = std::min(at(i, j), at(i - 2, j - 2) + 1);
    }
  }
  return at(a.size(), b.size());
}

}  // namespace

std::optional<std::string_view> NearestCommand(std::string_view word, std::span<const std::string_view> commands) {
  if (word.empty()) return std::nullopt;
  const auto begun = [word](std::string_view command) { return command.starts_with(word); };
  if (std::count_if(commands.begin(), commands.end(), begun) == 1) return *std::find_if(commands.begin(), commands.end(), begun);
  std::optional<std::string_view> nearest;
  std::size_t fewest = kMostTypingErrors + 1;
  for (const auto command : commands) {
    if (const auto errors = TypingErrors(word, command); errors < fewest) {
      fewest = errors;
      nearest = command;
    }
  }
  return nearest;
}

}  // namespace tarmaxion::cli
