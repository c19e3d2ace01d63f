#include "base/ShownText.h"

#include <algorithm>

#include "base/Encoding.h"

namespace tarmaxion {
namespace {

bool StartsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0u) != 0x80u; }

std::size_t Characters(const TextRun& run) {
  if (run.code_page != CodePage::kUtf8) return run.bytes.size();
  return static_cast<std::size_t>(std::count_if(run.bytes.begin(), run.bytes.end(), StartsCharacter));
}

// The bytes of the first count characters of run.
std::size_t BytesOfFirst(const TextRun& run, std::size_t count) {
  if (run.code_page != CodePage::kUtf8) return std::min(count, run.bytes.size());
  std::size_t end = 0;
  for (std::size_t started = 0; end < run.bytes.size(); ++end) {
    if (StartsCharacter(run.bytes[end]) && started++ == count) break;
  }
  return end;
}

}  // namespace

ShownText ShownText::FromUtf8(std::string_view utf8) {
  ShownText text;
  text.Append(CodePage::kUtf8, utf8);
  return text;
}

void ShownText::Append(CodePage page, std::string_view bytes) {
  if (bytes.empty()) return;
  if (!runs_.empty() && runs_.back().code_page == page) {
    runs_.back().bytes += bytes;
  } else {
    runs_.push_back({page, std::string(bytes)});
  }
}

ShownText& ShownText::operator+=(const ShownText& other) {
  for (const auto& run : other.runs_) Append(run.code_page, run.bytes);
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
    left.Append(run.code_page, std::string_view(run.bytes).substr(0, bytes));
    count -= std::min(count, Characters(run));
  }
  return left;
}

std::string ShownText::Utf8() const {
  std::string utf8;
  for (const auto& run : runs_) utf8 += Utf8FromCodePage(run.code_page, run.bytes);
  return utf8;
}

Text ShownText::Windows1252() const {
  Text text;
  for (const auto& run : runs_) {
    // Windows-1252 bytes stay as they are, the unassigned ones included.
    text += run.code_page == CodePage::k1252 ? Text(run.bytes.begin(), run.bytes.end())
                                             : Windows1252FromUtf8(Utf8FromCodePage(run.code_page, run.bytes));
  }
  return text;
}

}  // namespace tarmaxion
