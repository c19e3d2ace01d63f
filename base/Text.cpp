#include "base/Text.h"

#include <algorithm>
#include <charconv>

namespace tarmaxion {

Text DecimalText(std::int64_t value) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  return Text(digits, result.ptr);
}

Text ReadText(std::span<const std::uint8_t> bytes, std::size_t max_length) {
  const auto field = bytes.first(std::min(max_length, bytes.size()));
  const auto end = std::find(field.begin(), field.end(), std::uint8_t{0});
  return Text(field.begin(), end);
}

Text TrimBlanks(TextView text) {
  const auto first = text.find_first_not_of(' ');
  if (first == TextView::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return Text(text.substr(first, last - first + 1));
}

Text PadLeft(TextView text, int width, char fill) {
  if (width <= 0) return {};
  const auto size = static_cast<std::size_t>(width);
  const auto kept = text.substr(0, std::min(text.size(), size));
  return Text(size - kept.size(), fill) + Text(kept);
}

Text LeftPart(TextView text, std::int64_t n) {
  if (n <= 0) return {};
  return Text(text.substr(0, std::min(text.size(), static_cast<std::size_t>(n))));
}

Text RightPart(TextView text, std::int64_t n) {
  if (n <= 0) return {};
  const auto count = std::min(text.size(), static_cast<std::size_t>(n));
  return Text(text.substr(text.size() - count));
}

}  // namespace tarmaxion
