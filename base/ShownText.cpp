#include "base/ShownText.h"

#include <algorithm>

#include "base/Encoding.h"

namespace tarmaxion {
namespace {

bool StartsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0u) != 0x80u; }

std::size_t Characters(const TextRun& run) {
  if (run.charset == Charset::kWindows1252) return run.bytes.size();
  return static_cast<std::size_t>(std::count_if(run.bytes.begin(), run.bytes.end(), StartsCharacter));
}

// The bytes of the first count characters of run.
std::size_t BytesOfFirst(const TextRun& run, std::size_t count) {
  if (run.charset == Charset::kWindows1252) return std::min(count, run.bytes.size());
  std::size_t end = 0;
  for (std::size_t started = 0; end < run.bytes.size(); ++end) {
    if (StartsCharacter(run.bytes[end]) && started++ == count) break;
  }
  return end;
}

}  // namespace

ShownText ShownText::FromUtf8(std::string_view utf8) {
  ShownText text;
  text.Append(Charset::kUtf8, utf8);
  return text;
}

void ShownText::Append(Charset charset, std::string_view bytes) {
  if (bytes.empty()) return;
  if (!runs_.empty() && runs_.back().charset == charset) {
    runs_.back().bytes += bytes;
  } else {
    runs_.push_back({charset, std::string(bytes)});
  }
}

ShownText& ShownText::operator+=(const ShownText& other) {
  for (const auto& run : other.runs_) Append(run.charset, run.bytes);
  return *this;
}

std::size_t ShownText::Length() const {
  std::size_t length = 0;
  for (const auto& run : runs_) length += Characters(run);
  return length;
}

ShownText ShownText::Left(std::size_t count) const {
  ShownText left;
  for (const auto& run : runs_) {
    if (count == 0) break;
    const std::size_t bytes = BytesOfFirst(run, count);
    left.Append(run.charset, std::string_view(run.bytes).substr(0, bytes));
    count -= std::min(count, Characters(run));
  }
  return left;
}

std::string ShownText::Utf8() const {
  std::string utf8;
  for (const auto& run : runs_) {
    utf8 += run.charset == Charset::kUtf8 ? run.bytes : Utf8FromWindows1252({run.bytes.data(), run.bytes.size()});
  }
  return utf8;
}

Text ShownText::Windows1252() const {
  Text text;
  for (const auto& run : runs_) {
    text += run.charset == Charset::kUtf8 ? Windows1252FromUtf8(run.bytes) : Text(run.bytes.begin(), run.bytes.end());
  }
  return text;
}

}  // namespace tarmaxion
