// A whole-number option's check, which tells a word that is no number from a number out of range.
#pragma once

#include <CLI/CLI.hpp>

namespace tarmaxion::cli {

// Accepts the whole numbers from low to high. Its message follows the option's name: "'abc' is
// not a number", "'1.5' is not a whole number", "0 is out of range (1 to 65536)".
CLI::Validator WholeNumberIn(long long low, long long high);

}  // namespace tarmaxion::cli
