#include "gfx/Graphics.h"

#include "gfx/Raster.h"

namespace tarmaxion {

std::optional<Image>* Graphics::Slot(int slot) {
  if (slot < 0 || slot >= kSlotCount) return nullptr;
  return &images_[static_cast<std::size_t>(slot)];
}

Image* Graphics::PrepareImage(int slot, int width, int height) {
  target_ = nullptr;
  auto* place = Slot(slot);
  if (place == nullptr) return nullptr;
  if (!place->has_value() || (*place)->Width() != width || (*place)->Height() != height) {
    place->emplace(width, height);
  }
  return &**place;
}

bool Graphics::ImageExists(int slot) const { return ImageAt(slot) != nullptr; }

const Image* Graphics::ImageAt(int slot) const {
  if (slot < 0 || slot >= kSlotCount) return nullptr;
  const auto& place = images_[static_cast<std::size_t>(slot)];
  return place.has_value() ? &*place : nullptr;
}

void Graphics::ReleaseImages() {
  target_ = nullptr;
  for (auto& place : images_) place.reset();
}

bool Graphics::BeginDrawing(int slot) {
  auto* place = Slot(slot);
  target_ = place != nullptr && place->has_value() ? &**place : nullptr;
  return target_ != nullptr;
}

void Graphics::EndDrawing() { target_ = nullptr; }

void Graphics::PutPixel(int x, int y, Colour colour) {
  if (target_ != nullptr) tarmaxion::PutPixel(*target_, x, y, colour);
}

void Graphics::FillBox(int x, int y, int width, int height, Colour colour) {
  if (target_ != nullptr) tarmaxion::FillBox(*target_, x, y, width, height, colour);
}

void Graphics::DrawLine(int x1, int y1, int x2, int y2, Colour colour) {
  if (target_ != nullptr) tarmaxion::DrawLine(*target_, x1, y1, x2, y2, colour);
}

void Graphics::FloodFill(int x, int y, FillMode mode, Colour key, Colour colour) {
  if (target_ == nullptr) return;
  if (mode == FillMode::kSurface) {
    if (target_->Contains(x, y)) tarmaxion::FloodFill(*target_, x, y, mode, target_->At(x, y), colour);
    return;
  }
  // Colours are 24-bit; the image never holds a top byte, so none may reach the border test.
  tarmaxion::FloodFill(*target_, x, y, mode, key & 0xFFFFFF, colour);
}

void Graphics::DrawLabel(int x, int y, const ShownText& text, Colour front, Colour back) {
  if (target_ == nullptr || text.Empty()) return;
  tarmaxion::DrawLabel(*target_, x, y, glyphs_.RenderText(font_id_, text), front, back);
}

}  // namespace tarmaxion
