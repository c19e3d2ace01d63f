#include "ui/Bmp.h"

namespace tarmaxion {

// Placeholder until the BMP reader lands.
std::optional<Image> ImageFromBmp(std::span<const std::uint8_t>) { return std::nullopt; }

}  // namespace tarmaxion
