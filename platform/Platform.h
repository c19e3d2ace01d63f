// The one interface a backend implements: a main window, five kinds of control, two file
// dialogs, events, and the glyph source that draws in the window's fonts. Everything else is
// decided in the core.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/Glyphs.h"
#include "gfx/Image.h"
#include "base/ShownText.h"
#include "base/Text.h"

namespace tarmaxion {

struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

enum class EventKind { kControl, kClose, kDrop, kOther };

struct Event {
  EventKind kind = EventKind::kOther;
  int control_id = 0;  // for kControl: the id of the control that sent it
  // For kDrop: the local paths dropped on the window (UTF-8), in the order the system gives.
  std::vector<std::string> paths = {};
};

// One choice of a dialog's file type list: "trk" shows the files "*.trk".
struct FileFilter {
  Text description;
  Text pattern;
  friend bool operator==(const FileFilter&, const FileFilter&) = default;
};

// What a file dialog is asked to show. Texts are Windows-1252; paths are UTF-8.
struct FileDialogRequest {
  Text title;
  std::string default_path;  // split by SplitDefaultPath into folder and file name
  std::vector<FileFilter> filters;
  std::size_t selected_filter = 0;  // the index of the filter shown first
};

class Platform {
 public:
  virtual ~Platform() = default;

  // The fonts of the window's captions; lives as long as the platform.
  virtual GlyphSource& Glyphs() = 0;

  // Outer top-left corner at (frame.x, frame.y); frame.width x frame.height is the client area.
  virtual void CreateMainWindow(const Rect& frame, const Text& title) = 0;
  // Blocks until the next event.
  virtual Event WaitEvent() = 0;

  virtual void CreateEditor(int id, const Rect& area) = 0;
  virtual void CreateLabel(int id, const Rect& area, const Text& text) = 0;
  virtual void CreateImageView(int id, const Rect& area) = 0;
  virtual void CreateButton(int id, const Rect& area, const Text& caption) = 0;

  // Editor: a line break first unless the box is empty, then the text. An empty first item
  // still counts, so the next item starts on line 2.
  virtual void AppendLine(int id, const ShownText& text) = 0;
  virtual void ClearLines(int id) = 0;
  // Label: replaces the whole text; CR LF starts a new line.
  virtual void SetText(int id, const ShownText& text) = 0;
  // Gives the keyboard focus to a control; the window gives it back to the control that had it
  // when a file dialog closes.
  virtual void Focus(int id) = 0;

  // Image view: shows image unscaled at its top-left corner and repaints now; nullptr shows
  // no image. The view keeps the pointer until the next call, so later drawing shows at the
  // next repaint.
  virtual void ShowImage(int id, const Image* image) = 0;

  // The chosen full path (UTF-8); nothing when the user cancels or the dialog fails.
  virtual std::optional<std::string> OpenFileDialog(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> SaveFileDialog(const FileDialogRequest& request) = 0;

  // Releases the controls, the window and the fonts; called once after the event loop.
  virtual void ShutDown() = 0;
};

}  // namespace tarmaxion
