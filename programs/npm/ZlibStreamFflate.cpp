// The PNG encoder's compressor in the npm package's module: fflate's zlibSync, which the
// package's JavaScript hands the module as Module.zlibSync (Emscripten brings no zlib without
// the network, and the page already ships fflate for its zip). The CRC is a table of our own.
#include <emscripten.h>

#include <array>
#include <cstdlib>

#include "api/ZlibStream.h"

// Compresses size bytes at bytes at the given level into a buffer taken with malloc; its address
// goes to *out. Returns the stream's size, 0 when it could not be made.
EM_JS(std::size_t, DeflateWithFflate, (const std::uint8_t* bytes, std::size_t size, int level, std::uint8_t** out), {
  try {
    const stream = Module["zlibSync"](HEAPU8.subarray(bytes, bytes + size), {level : level});
    const place = _malloc(stream.length);
    if (place === 0) return 0;
    HEAPU8.set(stream, place);
    HEAPU32[out >> 2] = place;
    return stream.length;
  } catch (error) {
    return 0;
  }
});

namespace tarmaxion {
namespace {

// As with libdeflate natively: level 6 is fast, and higher levels gain only a few per cent.
constexpr int kCompressionLevel = 6;

constexpr std::array<std::uint32_t, 256> kCrcTable = [] {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < table.size(); ++n) {
    std::uint32_t c = n;
    for (int bit = 0; bit < 8; ++bit) c = (c & 1U) != 0 ? 0xEDB88320U ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}();

}  // namespace

std::optional<std::vector<std::uint8_t>> ZlibStream(std::span<const std::uint8_t> bytes) {
  std::uint8_t* stream = nullptr;
  const std::size_t size = DeflateWithFflate(bytes.data(), bytes.size(), kCompressionLevel, &stream);
  if (size == 0) return std::nullopt;
  std::vector<std::uint8_t> compressed(stream, stream + size);
  std::free(stream);
  return compressed;
}

std::uint32_t Crc32(std::uint32_t crc, std::span<const std::uint8_t> bytes) {
  crc = ~crc;
  for (const auto byte : bytes) crc = kCrcTable[(crc ^ byte) & 0xFFU] ^ (crc >> 8);
  return ~crc;
}

}  // namespace tarmaxion
