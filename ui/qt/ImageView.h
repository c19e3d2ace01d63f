// The map view: paints an Image unscaled at its top-left corner and reports clicks.
#pragma once

#include <QImage>
#include <QWidget>

#include "ui/Image.h"

namespace tarmaxion {

// The image's 0x00BBGGRR colours as an opaque QImage of the same size.
QImage ToQImage(const Image& image);

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
};

}  // namespace tarmaxion
