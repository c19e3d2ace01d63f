// The thumbnail plugin of KDE's file views: KIO's thumbnail worker loads it in its own process
// and asks it for each track's picture, which is trkconv's thumbnail, drawn by the track
// library from the file's bytes alone.
#include <KIO/ThumbnailCreator>
#include <KPluginFactory>
#include <QFile>
#include <QImage>
#include <memory>
#include <tarmaxion/track.h>

namespace {

// One byte past the largest track, so that a larger file is refused as too large, not cut.
constexpr qint64 kReadLimit = 1000001;

class TrackThumbnailCreator : public KIO::ThumbnailCreator {
 public:
  TrackThumbnailCreator(QObject* parent, const QVariantList& args) : KIO::ThumbnailCreator(parent, args) {}

  KIO::ThumbnailResult create(const KIO::ThumbnailRequest& request) override {
    QFile file(request.url().toLocalFile());
    if (!file.open(QIODevice::ReadOnly)) return KIO::ThumbnailResult::fail();
    const QByteArray bytes = file.read(kReadLimit);
    const std::unique_ptr<tmx_track, decltype(&tmx_close)> track(
        tmx_open(reinterpret_cast<const unsigned char*>(bytes.constData()), static_cast<size_t>(bytes.size()), nullptr),
        &tmx_close);
    if (!track || tmx_status(track.get()) != TMX_READ) return KIO::ThumbnailResult::fail();
    const QSize size = request.targetSize();  // in device pixels
    const unsigned char* png = nullptr;
    size_t png_size = 0;
    if (tmx_map_png(track.get(), qMax(size.width(), size.height()), 1, &png, &png_size) != TMX_OK) {
      return KIO::ThumbnailResult::fail();
    }
    const QImage image = QImage::fromData(png, static_cast<int>(png_size), "PNG");
    return image.isNull() ? KIO::ThumbnailResult::fail() : KIO::ThumbnailResult::pass(image);
  }
};

}  // namespace

K_PLUGIN_CLASS_WITH_JSON(TrackThumbnailCreator, "tarmaxion-track-thumbnails.json")

#include "TrackThumbnailCreator.moc"
