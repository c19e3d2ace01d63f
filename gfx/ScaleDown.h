// Downscaling by area averaging, for thumbnails: every output pixel is the exact mean of the
// source area it covers, never a sample of it, so thin lines and small markers still tint it.
#pragma once

#include "gfx/Image.h"

namespace tarmaxion {

// The source scaled so that its longer side has longer_side pixels and its shorter side keeps
// the proportion (rounded, at least 1). Each output pixel covers an equal share of the source,
// fractional source pixels at its edges included, and holds per channel the area-weighted mean
// of the colours there, rounded half up. Thumbnails never enlarge: a longer_side at or above
// the source's gives the source unchanged. A longer_side below 1 gives an empty image.
Image ScaleDown(const Image& source, int longer_side);

// The same for the source's first `rows` rows (all of them when it has fewer).
Image ScaleDownTop(const Image& source, int rows, int longer_side);

}  // namespace tarmaxion
