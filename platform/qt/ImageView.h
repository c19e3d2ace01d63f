// The map view: paints an Image unscaled at its top-left corner and reports clicks.
#pragma once

#include <QImage>
#include <QWidget>

#include "gfx/Image.h"

namespace tarmaxion {

// The image's 0x00BBGGRR colours into frame as an opaque QImage of the same size, in frame's
// own memory when it already has that size.
void CopyToQImage(const Image& image, QImage& frame);

class ImageView : public QWidget {
  Q_OBJECT

 public:
  explicit ImageView(QWidget* parent);

  // Keeps the pointer (drawing into the image later shows at the next repaint), takes the
  // image's size with the top-left corner fixed, and repaints at once. nullptr shows nothing.
  void Show(const Image* image);

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  const Image* image_ = nullptr;
  QImage frame_;  // what the last paint showed, kept for its memory
};

}  // namespace tarmaxion
