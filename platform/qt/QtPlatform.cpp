#include "platform/qt/QtPlatform.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

#include "platform/DialogPaths.h"
#include "base/Encoding.h"
#include "platform/qt/ImageView.h"

namespace tarmaxion {
namespace {

QString ToQString(const Text& text) { return QString::fromStdString(Utf8FromWindows1252(text)); }

// The core breaks label lines with CR LF; Qt breaks them with LF alone.
QString ToQString(const ShownText& text) { return QString::fromStdString(text.Utf8()); }

QString LabelText(const ShownText& text) { return ToQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

QString NativePath(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

// A filter "desc" of "*.a;*.b" becomes Qt's "desc (*.a *.b)".
QStringList NameFilters(const std::vector<FileFilter>& filters) {
  QStringList names;
  for (const auto& filter : filters) {
    names << ToQString(filter.description) + QStringLiteral(" (") +
                 ToQString(filter.pattern).replace(QLatin1Char(';'), QLatin1Char(' ')) + QLatin1Char(')');
  }
  return names;
}

// A file dialog that, like the classic one, takes a name only in a folder that exists: a typed
// path through a missing folder is refused with a word, and the dialog stays open.
class ExistingPathDialog : public QFileDialog {
 public:
  using QFileDialog::QFileDialog;

  void accept() override {
    const QStringList chosen = selectedFiles();
    if (!chosen.isEmpty() && !QFileInfo(chosen.front()).absoluteDir().exists()) {
      QMessageBox::warning(this, windowTitle(),
                           QDir::toNativeSeparators(chosen.front()) + QStringLiteral("\nThe folder does not exist."));
      return;
    }
    QFileDialog::accept();
  }
};

}  // namespace

QtPlatform::QtPlatform() : run_dialog_([](QFileDialog& dialog) { return dialog.exec(); }) {}

QtPlatform::~QtPlatform() = default;

void QtPlatform::CreateMainWindow(const Rect& frame, const Text& title) {
  controls_.clear();
  window_ = std::make_unique<MainWindow>();
  window_->setWindowTitle(ToQString(title));
  // The controls use the classic 8-point dialog font size, so the log panel's six lines fit
  // its 80 pixels.
  QFont controls_font = window_->font();
  controls_font.setPixelSize(PixelSizeForPoints(8));
  window_->setFont(controls_font);
  window_->setFixedSize(frame.width, frame.height);
  window_->move(frame.x, frame.y);  // a top-level widget's position is its frame's corner
  QObject::connect(window_.get(), &MainWindow::closeRequested, window_.get(),
                   [this] { Post({EventKind::kClose, 0}); });
  QObject::connect(window_.get(), &MainWindow::filesDropped, window_.get(), [this](const QStringList& paths) {
    Event drop{EventKind::kDrop, 0};
    for (const QString& path : paths) drop.paths.push_back(QFile::encodeName(path).toStdString());
    Post(std::move(drop));
  });
  window_->show();
}

Event QtPlatform::WaitEvent() {
  // Without a window nothing could ever arrive; ending is the only answer that cannot hang.
  if (pending_.empty() && window_ == nullptr) return {EventKind::kClose, 0};
  while (pending_.empty()) {
    QEventLoop loop;
    waiting_ = &loop;
    loop.exec();
    waiting_ = nullptr;
  }
  const Event next = pending_.front();
  pending_.pop_front();
  return next;
}

void QtPlatform::Post(Event event) {
  pending_.push_back(std::move(event));
  if (waiting_ != nullptr) waiting_->quit();
}

QWidget* QtPlatform::Widget(int id) const {
  const auto it = controls_.find(id);
  return it != controls_.end() ? it->second.widget : nullptr;
}

template <typename WidgetType>
WidgetType* QtPlatform::Find(int id) const {
  return qobject_cast<WidgetType*>(Widget(id));
}

void QtPlatform::Add(int id, const Rect& area, QWidget* widget) {
  widget->setGeometry(area.x, area.y, area.width, area.height);
  widget->show();
  controls_[id] = Control{widget, false};
}

void QtPlatform::CreateEditor(int id, const Rect& area) {
  auto* editor = new QPlainTextEdit(window_.get());
  editor->setLineWrapMode(QPlainTextEdit::NoWrap);
  editor->setTabChangesFocus(true);
  // A file dropped on the list loads it, as anywhere on the window, instead of typing its name.
  editor->setAcceptDrops(false);
  Add(id, area, editor);
}

void QtPlatform::CreateLabel(int id, const Rect& area, const Text& text) {
  auto* label = new QLabel(LabelText(text), window_.get());
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(true);
  Add(id, area, label);
}

void QtPlatform::CreateImageView(int id, const Rect& area) {
  auto* view = new ImageView(window_.get());
  QObject::connect(view, &ImageView::clicked, view, [this, id] { Post({EventKind::kControl, id}); });
  Add(id, area, view);
}

void QtPlatform::CreateButton(int id, const Rect& area, const Text& caption) {
  auto* button = new QPushButton(ToQString(caption), window_.get());
  button->setAutoDefault(false);
  QObject::connect(button, &QPushButton::clicked, button, [this, id] { Post({EventKind::kControl, id}); });
  Add(id, area, button);
}

void QtPlatform::AppendLine(int id, const ShownText& text) {
  auto* editor = Find<QPlainTextEdit>(id);
  if (editor == nullptr) return;
  Control& control = controls_[id];
  // Text the user typed into an empty box counts as content too.
  const bool break_first = control.has_items || !editor->document()->isEmpty();
  QTextCursor cursor(editor->document());
  cursor.movePosition(QTextCursor::End);
  if (break_first) cursor.insertBlock();
  cursor.insertText(ToQString(text));
  control.has_items = true;
  editor->setTextCursor(cursor);
  editor->ensureCursorVisible();
}

void QtPlatform::ClearLines(int id) {
  auto* editor = Find<QPlainTextEdit>(id);
  if (editor == nullptr) return;
  editor->clear();
  controls_[id].has_items = false;
}

void QtPlatform::SetText(int id, const ShownText& text) {
  if (auto* label = Find<QLabel>(id)) {
    label->setText(LabelText(text));
  } else if (auto* button = Find<QPushButton>(id)) {
    button->setText(ToQString(text));
  }
}

void QtPlatform::ShowImage(int id, const Image* image) {
  if (auto* view = Find<ImageView>(id)) view->Show(image);
}

void QtPlatform::Focus(int id) {
  if (QWidget* widget = Widget(id)) widget->setFocus();
}

std::optional<std::string> QtPlatform::OpenFileDialog(const FileDialogRequest& request) {
  return RunFileDialog(request, QFileDialog::AcceptOpen);
}

std::optional<std::string> QtPlatform::SaveFileDialog(const FileDialogRequest& request) {
  return RunFileDialog(request, QFileDialog::AcceptSave);
}

std::optional<std::string> QtPlatform::RunFileDialog(const FileDialogRequest& request, QFileDialog::AcceptMode mode) {
  // Qt's own dialog looks and behaves the same on every desktop, which keeps it testable.
  ExistingPathDialog dialog(window_.get(), ToQString(request.title));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(mode);
  // A typed name of a file that does not exist is returned, for opening too, as long as its
  // folder exists.
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  const QStringList filters = NameFilters(request.filters);
  dialog.setNameFilters(filters);
  if (request.selected_filter < static_cast<std::size_t>(filters.size())) {
    dialog.selectNameFilter(filters[static_cast<qsizetype>(request.selected_filter)]);
  }
  const DialogStart start = SplitDefaultPath(request.default_path);
  if (!start.folder.empty()) dialog.setDirectory(NativePath(start.folder));
  if (!start.file_name.empty()) dialog.selectFile(NativePath(start.file_name));

  if (run_dialog_(dialog) != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  return QFile::encodeName(chosen.front()).toStdString();
}

void QtPlatform::ShutDown() {
  pending_.clear();
  controls_.clear();
  window_.reset();
  glyphs_.ReleaseFonts();
}

}  // namespace tarmaxion
