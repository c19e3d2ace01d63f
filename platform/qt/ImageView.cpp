#include "platform/qt/ImageView.h"

#include <QMouseEvent>
#include <QPainter>

namespace tarmaxion {

// Converted per paint rather than wrapped: Qt takes the top byte of a byte-ordered RGBX image
// as alpha where the window has one, and the image keeps that byte 0. The frame keeps its
// memory from paint to paint; the width is read once, since the pixel stores could alias it.
void CopyToQImage(const Image& image, QImage& frame) {
  if (frame.width() != image.Width() || frame.height() != image.Height()) {
    frame = QImage(image.Width(), image.Height(), QImage::Format_RGB32);
  }
  const int width = image.Width();
  for (int y = 0; y < image.Height(); ++y) {
    const Colour* const source = image.Row(y);
    auto* const target = reinterpret_cast<QRgb*>(frame.scanLine(y));
    for (int x = 0; x < width; ++x) {
      target[x] = qRgb(RedOf(source[x]), GreenOf(source[x]), BlueOf(source[x]));
    }
  }
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
  CopyToQImage(*image_, frame_);
  painter.drawImage(0, 0, frame_);
}

void ImageView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked();
}

}  // namespace tarmaxion
