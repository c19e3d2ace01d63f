#include "programs/trkconv/NumberOption.h"

#include <string>

namespace tarmaxion::cli {

CLI::Validator WholeNumberIn(long long low, long long high) {
  const auto range = std::to_string(low) + " to " + std::to_string(high);
  return CLI::Validator(
      [low, high, range](std::string& word) -> std::string {
        // CLI11's own reading, so a word passes here exactly when the option can take it.
        long long number = 0;
        if (!CLI::detail::lexical_cast(word, number)) {
          double fraction = 0;
          return "'" + word + "' is not a " + (CLI::detail::lexical_cast(word, fraction) ? "whole " : "") + "number";
        }
        if (number < low || number > high) return word + " is out of range (" + range + ")";
        return "";
      },
      "INT in [" + std::to_string(low) + " - " + std::to_string(high) + "]");
}

}  // namespace tarmaxion::cli
