// Platform on Qt 6 Widgets: the main window, an editor, a label, an image view and push
// buttons; events pulled from a local event loop; non-native file dialogs; fonts rasterised
// without antialiasing. A QApplication must exist before the first call.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>

#include <QFileDialog>

#include "platform/Platform.h"
#include "platform/qt/MainWindow.h"
#include "platform/qt/QtGlyphs.h"

class QEventLoop;

namespace tarmaxion {

class QtPlatform : public Platform {
 public:
  // Runs a configured file dialog in place of QDialog::exec and returns its result code;
  // tests answer dialogs with it without showing them.
  using DialogRunner = std::function<int(QFileDialog&)>;

  QtPlatform();
  ~QtPlatform() override;

  void SetDialogRunner(DialogRunner runner) { run_dialog_ = std::move(runner); }

  // For tests and screenshots: the window and the control of an id, or nullptr.
  QWidget* Window() const { return window_.get(); }
  QWidget* Widget(int id) const;

  GlyphSource& Glyphs() override { return glyphs_; }
  void CreateMainWindow(const Rect& frame, const Text& title) override;
  Event WaitEvent() override;
  void CreateEditor(int id, const Rect& area) override;
  void CreateLabel(int id, const Rect& area, const Text& text) override;
  void CreateImageView(int id, const Rect& area) override;
  void CreateButton(int id, const Rect& area, const Text& caption) override;
  void AppendLine(int id, const ShownText& text) override;
  void ClearLines(int id) override;
  void SetText(int id, const ShownText& text) override;
  void ShowImage(int id, const Image* image) override;
  void Focus(int id) override;
  std::optional<std::string> OpenFileDialog(const FileDialogRequest& request) override;
  std::optional<std::string> SaveFileDialog(const FileDialogRequest& request) override;
  void ShutDown() override;

 private:
  struct Control {
    QWidget* widget = nullptr;  // owned by the window
    bool has_items = false;     // editor: an item was appended, even an empty one
  };

  void Add(int id, const Rect& area, QWidget* widget);
  template <typename WidgetType>
  WidgetType* Find(int id) const;
  void Post(Event event);
  std::optional<std::string> RunFileDialog(const FileDialogRequest& request, QFileDialog::AcceptMode mode);

  std::unique_ptr<MainWindow> window_;
  std::map<int, Control> controls_;
  QtGlyphs glyphs_;
  std::deque<Event> pending_;
  QEventLoop* waiting_ = nullptr;  // the loop WaitEvent runs, while it runs
  DialogRunner run_dialog_;
};

}  // namespace tarmaxion
