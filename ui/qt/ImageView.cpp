#include "ui/qt/ImageView.h"

#include <QMouseEvent>
#include <QPainter>

namespace tarmaxion {

// Converted per paint rather than wrapped: the image's pixel layout depends on byte order,
// and the copy of 512 x 560 pixels is cheap next to the paint itself.
QImage ToQImage(const Image& image) {
  QImage frame(image.Width(), image.Height(), QImage::Format_RGB32);
  for (int y = 0; y < image.Height(); ++y) {
    const Colour* source = image.Row(y);
    auto* target = reinterpret_cast<QRgb*>(frame.scanLine(y));
    for (int x = 0; x < image.Width(); ++x) {
      target[x] = qRgb(RedOf(source[x]), GreenOf(source[x]), BlueOf(source[x]));
    }
  }
  return frame;
}

ImageView::ImageView(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::NoFocus); }

void ImageView::Show(const Image* image) {
  image_ = image;
  if (image_ != nullptr) resize(image_->Width(), image_->Height());
  repaint();
}

void ImageView::paintEvent(QPaintEvent*) {
  if (image_ == nullptr) return;
  QPainter painter(this);
  painter.drawImage(0, 0, ToQImage(*image_));
}

void ImageView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked();
}

}  // namespace tarmaxion
