// The zlib stream through zlib itself, for systems without libdeflate (the Windows build).
#include <zlib.h>

#include <algorithm>
#include <limits>

#include "api/ZlibStream.h"

namespace tarmaxion {
namespace {

constexpr int kCompressionLevel = 6;

}  // namespace

std::optional<std::vector<std::uint8_t>> ZlibStream(std::span<const std::uint8_t> bytes) {
  if (bytes.size() > std::numeric_limits<uLong>::max()) return std::nullopt;
  auto size = compressBound(static_cast<uLong>(bytes.size()));
  std::vector<std::uint8_t> compressed(size);
  if (compress2(compressed.data(), &size, bytes.data(), static_cast<uLong>(bytes.size()), kCompressionLevel) != Z_OK) {
    return std::nullopt;
  }
  compressed.resize(size);
  return compressed;
}

std::uint32_t Crc32(std::uint32_t crc, std::span<const std::uint8_t> bytes) {
  // A map's rows are far below zlib's 4 GiB block; a longer span is taken in pieces.
  while (!bytes.empty()) {
    const auto piece = std::min<std::size_t>(bytes.size(), std::numeric_limits<uInt>::max());
    crc = static_cast<std::uint32_t>(crc32(crc, bytes.data(), static_cast<uInt>(piece)));
    bytes = bytes.subspan(piece);
  }
  return crc;
}

}  // namespace tarmaxion
