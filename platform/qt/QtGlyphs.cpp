#include "platform/qt/QtGlyphs.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>

#include "base/Encoding.h"

namespace tarmaxion {

int PixelSizeForPoints(int points) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const double dpi = screen != nullptr ? screen->logicalDotsPerInchY() : 96.0;
  return qRound(points * dpi / 72.0);
}

bool QtGlyphs::LoadFont(int font_id, const Text& face, int points) {
  // Where the face is missing, a fixed-pitch face of about its size stands in: the one Debian
  // always has, else whichever the font back end picks for the style hint.
  QFont font;
  font.setFamilies({QString::fromStdString(Utf8FromWindows1252(face)), QStringLiteral("DejaVu Sans Mono")});
  font.setStyleHint(QFont::Monospace, QFont::NoAntialias);
  font.setPixelSize(PixelSizeForPoints(points));
  font.setWeight(QFont::Normal);
  fonts_[font_id] = font;
  return true;
}

GlyphMask QtGlyphs::RenderText(int font_id, const ShownText& text) const {
  GlyphMask mask;
  const auto it = fonts_.find(font_id);
  if (it == fonts_.end() || text.Empty()) return mask;
  const QString string = QString::fromStdString(text.Utf8());
  const QFontMetrics metrics(it->second);
  mask.width = metrics.horizontalAdvance(string);
  mask.height = metrics.ascent() + metrics.descent();
  if (mask.width <= 0 || mask.height <= 0) return {};

  QImage canvas(mask.width, mask.height, QImage::Format_RGB32);
  canvas.fill(Qt::black);
  {
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(it->second);
    painter.setPen(Qt::white);
    painter.drawText(0, metrics.ascent(), string);
  }
  mask.ink.resize(static_cast<std::size_t>(mask.width) * static_cast<std::size_t>(mask.height));
  auto ink = mask.ink.begin();
  for (int y = 0; y < mask.height; ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
    for (int x = 0; x < mask.width; ++x) *ink++ = qGray(row[x]) >= 128 ? 1 : 0;
  }
  return mask;
}

}  // namespace tarmaxion
