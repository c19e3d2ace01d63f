#include "track/ByteReader.h"

namespace tarmaxion {

Text ByteReader::RawText(std::int64_t offset, std::size_t max_length) const {
  if (!Covers(offset, 0)) return {};
  return ReadText(bytes_.subspan(static_cast<std::size_t>(offset)), max_length);
}

}  // namespace tarmaxion
