#include "platform/win32/Win32Platform.h"

#include <commctrl.h>
#include <objbase.h>
#include <richedit.h>

#include <array>
#include <cstdint>
#include <vector>

#include "system/win32/DibPixels.h"
#include "system/win32/WideText.h"

namespace tarmaxion::win32 {
namespace {

constexpr char kWindowClass[] = "TarmaxionConverterWindow";

// The image's pixels as a top-down 32-bit DIB wants them, row after row without padding.
std::vector<std::uint32_t> DibPixelsOf(const Image& image) {
  std::vector<std::uint32_t> pixels;
  pixels.reserve(image.Pixels().size());
  for (const Colour c : image.Pixels()) pixels.push_back(SwapRedBlue(c));
  return pixels;
}

// The controls are ANSI controls: track texts go in as stored, names in the system's code page.
std::string Shown(const ShownText& text) { return text.Spelled(AnsiFromUtf8); }
constexpr DWORD kWindowStyle = WS_CAPTION | WS_SYSMENU;
constexpr int kIconResource = 1;

// Accelerator commands; they reach the window with no control handle, so they never look
// like a control's notification.
constexpr WORD kFocusNext = 0x7F01;
constexpr WORD kFocusPrevious = 0x7F02;

// Rich edit first, its older version next; the plain edit control keeps the list usable
// when neither library is present.
struct EditorLibrary {
  const char* dll;
  const char* window_class;
};
constexpr std::array<EditorLibrary, 2> kEditorLibraries = {{
    {"RICHED20.DLL", "RichEdit20A"},
    {"RICHED32.DLL", "RichEdit"},
}};

HACCEL CreateFocusKeys() {
  std::array<ACCEL, 2> keys = {{
      {FVIRTKEY, VK_TAB, kFocusNext},
      {FVIRTKEY | FSHIFT, VK_TAB, kFocusPrevious},
  }};
  return CreateAcceleratorTableA(keys.data(), static_cast<int>(keys.size()));
}

}  // namespace

Win32Platform::Win32Platform() : instance_(GetModuleHandleA(nullptr)) {
  INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  com_initialised_ = SUCCEEDED(CoInitialize(nullptr));
  for (const auto& library : kEditorLibraries) {
    rich_edit_library_ = LoadLibraryA(library.dll);
    if (rich_edit_library_ != nullptr) {
      editor_class_ = library.window_class;
      break;
    }
  }
  focus_keys_ = CreateFocusKeys();
}

Win32Platform::~Win32Platform() {
  ShutDown();
  if (focus_keys_ != nullptr) DestroyAcceleratorTable(focus_keys_);
  if (rich_edit_library_ != nullptr) FreeLibrary(rich_edit_library_);
  if (com_initialised_) CoUninitialize();
}

void Win32Platform::CreateMainWindow(const Rect& frame, const Text& title) {
  WNDCLASSEXA window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = &Win32Platform::WindowProcedure;
  window_class.hInstance = instance_;
  window_class.hIcon = LoadIconA(instance_, MAKEINTRESOURCEA(kIconResource));
  window_class.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = kWindowClass;
  RegisterClassExA(&window_class);  // fails harmlessly when a second window registers again

  RECT outer = {0, 0, frame.width, frame.height};
  AdjustWindowRect(&outer, kWindowStyle, FALSE);
  window_ = CreateWindowExA(0, kWindowClass, title.c_str(), kWindowStyle, frame.x, frame.y,
                            outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr,
                            instance_, this);
  if (window_ == nullptr) return;
  DragAcceptFiles(window_, TRUE);
  ShowWindow(window_, SW_SHOWNORMAL);
  UpdateWindow(window_);
}

LRESULT CALLBACK Win32Platform::WindowProcedure(HWND window, UINT message, WPARAM wparam,
                                                LPARAM lparam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lparam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<Win32Platform*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self == nullptr || self->window_ != window) {
    return DefWindowProcA(window, message, wparam, lparam);
  }
  return self->Handle(message, wparam, lparam);
}

LRESULT Win32Platform::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (lparam != 0) {
        events_.push_back({EventKind::kControl, LOWORD(wparam)});
      } else if (LOWORD(wparam) == kFocusNext || LOWORD(wparam) == kFocusPrevious) {
        MoveFocus(LOWORD(wparam) == kFocusPrevious ? FocusDirection::kPrevious : FocusDirection::kNext);
      }
      return 0;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
      if (item->CtlType != ODT_STATIC) break;
      PaintImageView(*item);
      return TRUE;
    }
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window_, focus)) focus_ = focus;
      }
      break;
    case WM_SETFOCUS:
      // The window itself takes no keys; its control does.
      if (focus_ != nullptr && IsWindow(focus_)) {
        SetFocus(focus_);
        return 0;
      }
      break;
    case WM_DROPFILES:
      TakeDrop(reinterpret_cast<HDROP>(wparam));
      return 0;
    case WM_CLOSE:
      // The program decides when the window goes; closing only asks.
      events_.push_back({EventKind::kClose, 0});
      return 0;
    default:
      break;
  }
  return DefWindowProcA(window_, message, wparam, lparam);
}

void Win32Platform::TakeDrop(HDROP drop) {
  Event event{EventKind::kDrop, 0};
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    std::wstring path(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
    path.resize(DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size())));
    event.paths.push_back(Utf8FromWide(path));
  }
  DragFinish(drop);
  if (!event.paths.empty()) events_.push_back(std::move(event));
}

void Win32Platform::MoveFocus(FocusDirection direction) {
  HWND next = GetNextDlgTabItem(window_, GetFocus(), direction == FocusDirection::kPrevious ? TRUE : FALSE);
  if (next != nullptr) SetFocus(next);
}

Event Win32Platform::WaitEvent() {
  // Without a window nothing could ever send an event; end instead of waiting forever.
  if (window_ == nullptr && events_.empty()) return {EventKind::kClose, 0};
  MSG message;
  while (events_.empty()) {
    if (GetMessageA(&message, nullptr, 0, 0) <= 0) return {EventKind::kClose, 0};
    if (window_ != nullptr && focus_keys_ != nullptr &&
        TranslateAcceleratorA(window_, focus_keys_, &message) != 0) {
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  const Event next = events_.front();
  events_.pop_front();
  return next;
}

HWND Win32Platform::AddControl(int id, DWORD ex_style, const char* window_class, const Text& text,
                               DWORD style, const Rect& area) {
  HWND handle = CreateWindowExA(ex_style, window_class, text.c_str(), WS_CHILD | WS_VISIBLE | style,
                                area.x, area.y, area.width, area.height, window_,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_,
                                nullptr);
  if (handle == nullptr) return nullptr;
  SendMessageA(handle, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  controls_[id] = Control{handle};
  return handle;
}

Win32Platform::Control* Win32Platform::Find(int id) {
  const auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : &it->second;
}

void Win32Platform::CreateEditor(int id, const Rect& area) {
  constexpr DWORD kStyle = ES_MULTILINE | WS_VSCROLL | WS_HSCROLL | ES_AUTOVSCROLL |
                           ES_AUTOHSCROLL | ES_NOHIDESEL | ES_WANTRETURN | WS_TABSTOP;
  HWND editor = AddControl(id, WS_EX_CLIENTEDGE, editor_class_, {}, kStyle, area);
  // No length limit: the list of a big track runs far past the default 32K characters.
  if (editor != nullptr) SendMessageA(editor, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
}

void Win32Platform::CreateLabel(int id, const Rect& area, const Text& text) {
  // The log shows names as they are: "&" is a character here, not a mnemonic.
  AddControl(id, 0, "Static", text, SS_LEFT | SS_NOPREFIX, area);
}

void Win32Platform::CreateImageView(int id, const Rect& area) {
  AddControl(id, 0, "STATIC", {}, SS_NOTIFY | SS_OWNERDRAW, area);
}

void Win32Platform::CreateButton(int id, const Rect& area, const Text& caption) {
  AddControl(id, 0, "Button", caption, BS_PUSHBUTTON | WS_TABSTOP, area);
}

void Win32Platform::AppendLine(int id, const ShownText& shown) {
  const std::string text = Shown(shown);
  Control* editor = Find(id);
  if (editor == nullptr) return;
  const int length = GetWindowTextLengthA(editor->handle);
  std::string item = length > 0 || editor->empty_first_item ? "\r\n" + text : text;
  if (length == 0 && text.empty()) editor->empty_first_item = true;
  // Positions past the end are clamped, so this puts the caret after the last character
  // even where the length counts a paragraph break as two.
  SendMessageA(editor->handle, EM_SETSEL, static_cast<WPARAM>(length), length);
  SendMessageA(editor->handle, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(item.c_str()));
}

void Win32Platform::ClearLines(int id) {
  Control* editor = Find(id);
  if (editor == nullptr) return;
  SetWindowTextA(editor->handle, "");
  editor->empty_first_item = false;
}

void Win32Platform::SetText(int id, const ShownText& text) {
  if (Control* control = Find(id)) SetWindowTextA(control->handle, Shown(text).c_str());
}

void Win32Platform::Focus(int id) {
  if (Control* control = Find(id)) {
    focus_ = control->handle;
    SetFocus(focus_);
  }
}

void Win32Platform::ShowImage(int id, const Image* image) {
  Control* view = Find(id);
  if (view == nullptr) return;
  view->image = image;
  if (image != nullptr) {
    SetWindowPos(view->handle, nullptr, 0, 0, image->Width(), image->Height(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  InvalidateRect(view->handle, nullptr, TRUE);
  UpdateWindow(view->handle);
}

void Win32Platform::PaintImageView(const DRAWITEMSTRUCT& item) const {
  const auto it = controls_.find(static_cast<int>(item.CtlID));
  const Image* image = it == controls_.end() ? nullptr : it->second.image;
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
  if (image == nullptr || image->Width() <= 0 || image->Height() <= 0) return;
  const auto pixels = DibPixelsOf(*image);
  const BITMAPINFO info = TopDown32BitInfo(image->Width(), image->Height());
  SetDIBitsToDevice(item.hDC, 0, 0, static_cast<DWORD>(image->Width()),
                    static_cast<DWORD>(image->Height()), 0, 0, 0,
                    static_cast<UINT>(image->Height()), pixels.data(), &info, DIB_RGB_COLORS);
}

void Win32Platform::ShutDown() {
  for (auto& [id, control] : controls_) DestroyWindow(control.handle);
  controls_.clear();
  if (window_ != nullptr) DestroyWindow(window_);
  window_ = nullptr;
  focus_ = nullptr;
  events_.clear();
  glyphs_.ReleaseFonts();
}

std::unique_ptr<Platform> MakeWin32Platform() { return std::make_unique<Win32Platform>(); }

}  // namespace tarmaxion::win32
