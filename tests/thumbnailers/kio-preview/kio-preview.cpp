// Asks KIO for thumbnails as KDE's file manager does: one PreviewJob for all the files with the
// default plugins, whose thumbnail worker runs the plugins in a process of its own. Prints one
// line a file, tab-separated: "thumbnail PATH SAVED" (the picture saved as SAVED) or "failed
// PATH"; exits 1 when the job does not end within a minute.
// Usage: kio-preview SIZE FOLDER FILE...
#include <KIO/PreviewJob>
#include <QGuiApplication>
#include <QPixmap>
#include <QTimer>
#include <QUrl>
#include <cstdio>

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  const QStringList arguments = application.arguments();
  if (arguments.size() < 4) return std::fputs("usage: kio-preview SIZE FOLDER FILE...\n", stderr), 2;
  const int size = arguments[1].toInt();
  const QString folder = arguments[2];
  KFileItemList items;
  for (const QString& path : arguments.mid(3)) items.append(KFileItem(QUrl::fromLocalFile(path)));
  const QStringList plugins = KIO::PreviewJob::defaultPlugins();
  auto* job = new KIO::PreviewJob(items, QSize(size, size), &plugins);
  const auto print = [](const char* answer, const KFileItem& item, const QString& saved) {
    std::printf("%s\t%s\t%s\n", answer, qUtf8Printable(item.localPath()), qUtf8Printable(saved));
  };
  QObject::connect(job, &KIO::PreviewJob::gotPreview, [&](const KFileItem& item, const QPixmap& picture) {
    const QString saved = QStringLiteral("%1/%2.png").arg(folder).arg(items.indexOf(item));
    print(picture.save(saved, "PNG") ? "thumbnail" : "unsaved", item, saved);
  });
  QObject::connect(job, &KIO::PreviewJob::failed, [&](const KFileItem& item) { print("failed", item, {}); });
  QObject::connect(job, &KJob::result, &application, &QCoreApplication::quit);
  QTimer::singleShot(60000, [&] { application.exit(1); });
  return application.exec();
}
