#include "base/Encoding.h"

#include <array>

namespace tarmaxion {
namespace {

// Unicode code points of bytes 0x80 to 0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CodePointOf(unsigned char byte) {
  return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80u] : char32_t{byte};
}

char ByteOf(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == c) return static_cast<char>(0x80 + i);
  }
  return '?';
}

}  // namespace

char32_t NextCodePoint(std::string_view utf8, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(utf8[i++]);
  if (lead < 0x80) return lead;
  const int extra = lead >= 0xF0 && lead < 0xF8 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 ? 1 : -1;
  if (extra < 0 || lead >= 0xF8) return 0xFFFD;
  char32_t c = lead & (0x3Fu >> extra);
  for (int k = 0; k < extra; ++k) {
    if (i >= utf8.size() || (static_cast<unsigned char>(utf8[i]) & 0xC0u) != 0x80u) return 0xFFFD;
    c = (c << 6) | (static_cast<unsigned char>(utf8[i++]) & 0x3Fu);
  }
  return c;
}

namespace {

// Capital letters first..last and the small letter of the first; the others follow in step.
// With pairs, only every second code point from first is a capital, its small letter the next.
struct CaseRange {
  char32_t first;
  char32_t last;
  char32_t first_small;
  bool pairs;
};
constexpr std::array<CaseRange, 14> kCapitals = {{
    {0x0041, 0x005A, 0x0061, false},  // A-Z
    {0x00C0, 0x00D6, 0x00E0, false},  // Latin-1 capitals before the multiplication sign
    {0x00D8, 0x00DE, 0x00F8, false},  // and after it
    {0x0100, 0x012E, 0x0101, true},   // Latin Extended-A, up to the dotted and dotless i
    {0x0132, 0x0136, 0x0133, true},
    {0x0139, 0x0147, 0x013A, true},
    {0x014A, 0x0176, 0x014B, true},
    {0x0178, 0x0178, 0x00FF, false},  // Y with diaeresis
    {0x0179, 0x017D, 0x017A, true},
    {0x0391, 0x03A1, 0x03B1, false},  // Greek, on both sides of the final sigma's gap
    {0x03A3, 0x03AB, 0x03C3, false},
    {0x0400, 0x040F, 0x0450, false},  // Cyrillic
    {0x0410, 0x042F, 0x0430, false},
    {0xFF21, 0xFF3A, 0xFF41, false},  // full-width A-Z
}};

char32_t SmallLetter(char32_t c) {
  for (const CaseRange& range : kCapitals) {
    if (c < range.first || c > range.last) continue;
    if (!range.pairs) return range.first_small + (c - range.first);
    return (c - range.first) % 2 == 0 ? c + 1 : c;
  }
  return c;
}

}  // namespace

void AppendUtf8(std::string& out, char32_t c) {
  const auto put = [&out](char32_t value) { out.push_back(static_cast<char>(value)); };
  if (c < 0x80) {
    put(c);
  } else if (c < 0x800) {
    put(0xC0u | (c >> 6));
    put(0x80u | (c & 0x3Fu));
  } else if (c < 0x10000) {
    put(0xE0u | (c >> 12));
    put(0x80u | ((c >> 6) & 0x3Fu));
    put(0x80u | (c & 0x3Fu));
  } else {
    put(0xF0u | (c >> 18));
    put(0x80u | ((c >> 12) & 0x3Fu));
    put(0x80u | ((c >> 6) & 0x3Fu));
    put(0x80u | (c & 0x3Fu));
  }
}

std::string Utf8FromWindows1252(TextView text) {
  std::string out;
  out.reserve(text.size());
  for (const char byte : text) AppendUtf8(out, CodePointOf(static_cast<unsigned char>(byte)));
  return out;
}

Text Windows1252FromUtf8(std::string_view utf8) {
  Text out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) out.push_back(ByteOf(NextCodePoint(utf8, i)));
  return out;
}

bool IsUtf8(std::string_view text) {
  std::size_t i = 0;
  const auto next = [&] { return i < text.size() ? static_cast<unsigned char>(text[i++]) : 0u; };
  while (i < text.size()) {
    const unsigned lead = next();
    if (lead < 0x80) continue;
    // The allowed range of the second byte excludes overlong forms, surrogates and code
    // points past U+10FFFF; every later byte is a plain continuation byte.
    unsigned low = 0x80, high = 0xBF;
    int extra = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
      extra = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      extra = 2;
      if (lead == 0xE0) low = 0xA0;
      if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      extra = 3;
      if (lead == 0xF0) low = 0x90;
      if (lead == 0xF4) high = 0x8F;
    } else {
      return false;
    }
    for (int k = 0; k < extra; ++k) {
      const unsigned byte = next();
      if (byte < low || byte > high) return false;
      low = 0x80;
      high = 0xBF;
    }
  }
  return true;
}

std::string Base64(std::string_view bytes) {
  static constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    const std::size_t count = bytes.size() - i < 3 ? bytes.size() - i : 3;
    std::uint32_t group = 0;
    for (std::size_t k = 0; k < 3; ++k) {
      group = (group << 8) | (k < count ? static_cast<unsigned char>(bytes[i + k]) : 0u);
    }
    for (std::size_t k = 0; k < 4; ++k) {
      out.push_back(k <= count ? kDigits[(group >> (18 - 6 * k)) & 0x3Fu] : '=');
    }
  }
  return out;
}

std::string DropLastCharacters(std::string_view utf8, std::size_t n) {
  std::size_t end = utf8.size();
  for (std::size_t dropped = 0; dropped < n; ++dropped) {
    if (end == 0) return {};
    do {
      --end;
    } while (end > 0 && (static_cast<unsigned char>(utf8[end]) & 0xC0u) == 0x80u);
  }
  return std::string(utf8.substr(0, end));
}

std::string CaseFolded(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) AppendUtf8(out, SmallLetter(NextCodePoint(utf8, i)));
  return out;
}

}  // namespace tarmaxion
