// Platform on user32, gdi32, comdlg32, comctl32 and the rich edit control. Implements the
// whole Platform interface; all of its state lives in this one object, which the window
// procedure reaches through the main window's GWLP_USERDATA.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <deque>
#include <map>
#include <string>

#include "platform/Platform.h"
#include "platform/win32/MakeWin32Platform.h"
#include "platform/win32/Win32Glyphs.h"

namespace tarmaxion::win32 {

class Win32Platform : public Platform {
 public:
  // Initialises the common controls and COM for this thread and loads the rich edit library.
  Win32Platform();
  ~Win32Platform() override;
  Win32Platform(const Win32Platform&) = delete;
  Win32Platform& operator=(const Win32Platform&) = delete;

  HWND MainWindow() const { return window_; }

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
    HWND handle = nullptr;
    bool empty_first_item = false;  // editor: an empty item was appended to an empty box
    const Image* image = nullptr;   // image view: what it paints
  };

  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
  enum class FocusDirection { kNext, kPrevious };
  void MoveFocus(FocusDirection direction);
  void PaintImageView(const DRAWITEMSTRUCT& item) const;
  void TakeDrop(HDROP drop);

  HWND AddControl(int id, DWORD ex_style, const char* window_class, const Text& text, DWORD style,
                  const Rect& area);
  Control* Find(int id);
  enum class DialogKind { kOpen, kSave };
  std::optional<std::string> FileDialog(const FileDialogRequest& request, DialogKind kind);

  HINSTANCE instance_;
  bool com_initialised_ = false;
  HMODULE rich_edit_library_ = nullptr;
  const char* editor_class_ = "Edit";  // the rich edit class when its library loaded
  HACCEL focus_keys_ = nullptr;        // Tab and Shift+Tab
  HWND window_ = nullptr;
  // The control that had the focus when the window was last deactivated (a file dialog opened
  // over it), given back when the window is active again.
  HWND focus_ = nullptr;
  std::map<int, Control> controls_;
  Win32Glyphs glyphs_;
  std::deque<Event> events_;  // filled by the window procedure, emptied by WaitEvent
};

}  // namespace tarmaxion::win32
