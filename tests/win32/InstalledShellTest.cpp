// The desktop pieces as a silent install leaves them (scripts/test-windows-installer runs this
// program after installing): the .trk registration as Explorer reads it, the convert verb started
// from its command there, and the thumbnail handler created through COM from the registry and fed
// a stream, as Explorer's thumbnail cache does.
#include <windows.h>
#include <objbase.h>
#include <propsys.h>
#include <psapi.h>
#include <shlwapi.h>
#include <thumbcache.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "api/TrackApi.h"
#include "api/TrackMessages.h"
#include "system/win32/WideText.h"
#include "api/Thumbnail.h"
#include "tests/support/SampleTrack.h"
#include "tests/support/TempDir.h"

namespace tarmaxion {
namespace {

using testing::ReadBytes;
using testing::SampleTrack;
using testing::TempDir;
using win32::WideFromUtf8;
using Bytes = std::vector<std::uint8_t>;

const std::wstring kThumbnailHandler = L".trk\\ShellEx\\{e357fccd-a995-4576-b01f-234630154e96}";
const std::wstring kVerb = L"SystemFileAssociations\\.trk\\shell\\TarmaxionConverter.ConvertTo105";

// A value under HKEY_CLASSES_ROOT, the view Explorer reads; "" when there is none.
std::wstring ClassesValue(const std::wstring& key, const wchar_t* name = nullptr) {
  std::wstring value(1024, L'\0');
  DWORD size = static_cast<DWORD>(value.size() * sizeof(wchar_t));
  if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), name, RRF_RT_REG_SZ, nullptr, value.data(), &size) !=
      ERROR_SUCCESS) {
    return L"";
  }
  value.resize(size / sizeof(wchar_t) - 1);
  return value;
}

bool HasValue(const std::wstring& key, const wchar_t* name) {
  return RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), name, RRF_RT_ANY, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool IsFile(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// The program of a registered command: the quoted text it starts with.
std::wstring ProgramOf(const std::wstring& command) {
  if (command.size() < 2 || command[0] != L'"') return L"";
  return command.substr(1, command.find(L'"', 1) - 1);
}

CLSID ThumbnailHandler() {
  CLSID handler{};
  EXPECT_EQ(CLSIDFromString(ClassesValue(kThumbnailHandler).c_str(), &handler), S_OK);
  return handler;
}

Bytes CopyAs105(const Bytes& track) {
  TrackApi api;
  api.Open(track, "track.trk");
  const auto copy = api.CopyAs105();
  return Bytes(copy.begin(), copy.end());
}

Bytes DamagedTrack() {
  auto track = SampleTrack().Build();
  track.resize(20);
  return track;
}

TEST(InstalledShellTest, TrackFilesOpenInTheWindowWithItsIcon) {
  const auto type = ClassesValue(L".trk");
  EXPECT_EQ(type, L"TarmaxionConverter.Track");
  EXPECT_EQ(ClassesValue(type), L"Tarmaxion track");
  const auto open = ClassesValue(type + L"\\shell\\open\\command");
  const auto window = ProgramOf(open);
  EXPECT_TRUE(IsFile(window)) << open;
  EXPECT_EQ(open, L"\"" + window + L"\" \"%1\"");
  EXPECT_EQ(window.substr(window.find_last_of(L'\\') + 1), L"tarmaxion-converter.exe");
  EXPECT_EQ(ClassesValue(type + L"\\DefaultIcon"), window + L",0");
  EXPECT_TRUE(HasValue(L".trk\\OpenWithProgids", type.c_str()));
}

TEST(InstalledShellTest, TheThumbnailHandlerIsAnIsolatedInProcessServer) {
  const auto handler = L"CLSID\\" + ClassesValue(kThumbnailHandler);
  EXPECT_TRUE(IsFile(ClassesValue(handler + L"\\InprocServer32")));
  EXPECT_EQ(ClassesValue(handler + L"\\InprocServer32", L"ThreadingModel"), L"Apartment");
  EXPECT_FALSE(HasValue(handler, L"DisableProcessIsolation"));
}

// The verb's program is started as Explorer starts it: the registered command with the track's
// path for %1. A message box it shows is read and answered.
struct VerbRun {
  DWORD exit_code = STILL_ACTIVE;
  std::wstring title;    // of the message box; "" when none was shown
  std::wstring message;
};

// The first top-level window of a process.
struct FoundWindow {
  DWORD process;
  HWND window = nullptr;
};

BOOL CALLBACK FindWindowOf(HWND window, LPARAM found_window) {
  auto& found = *reinterpret_cast<FoundWindow*>(found_window);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != found.process || !IsWindowVisible(window)) return TRUE;
  found.window = window;
  return FALSE;
}

// The text of the first child of a class that has any (a message box's icon is a static without).
struct ChildText {
  const wchar_t* class_name;
  std::wstring text;
};

BOOL CALLBACK FindChildText(HWND child, LPARAM child_text) {
  auto& wanted = *reinterpret_cast<ChildText*>(child_text);
  wchar_t class_name[32] = {};
  GetClassNameW(child, class_name, 32);
  // GetWindowText gives only a caption kept by the system when the window is another process's.
  std::wstring text(4096, L'\0');
  DWORD_PTR length = 0;
  SendMessageTimeoutW(child, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG, 5000,
                      &length);
  text.resize(length);
  if (_wcsicmp(class_name, wanted.class_name) != 0 || text.empty()) return TRUE;
  wanted.text = text;
  return FALSE;
}

// Starts the command registered under key as Explorer does, the track's path for its %1.
PROCESS_INFORMATION StartCommand(const std::wstring& key, const std::string& track) {
  PROCESS_INFORMATION process{};
  auto command = ClassesValue(key + L"\\command");
  const auto argument = command.find(L"%1");
  if (argument == std::wstring::npos) return process;
  command.replace(argument, 2, WideFromUtf8(track));
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
  return process;
}

// Waits up to a minute for the process to end, answering what it shows on the way; ends it when
// it takes longer, and gives its exit code.
template <typename Answer>
DWORD WaitAnswering(const PROCESS_INFORMATION& process, Answer answer) {
  if (process.hProcess == nullptr) return STILL_ACTIVE;
  const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (WaitForSingleObject(process.hProcess, 50) == WAIT_TIMEOUT && std::chrono::steady_clock::now() < give_up) {
    FoundWindow found{process.dwProcessId, nullptr};
    EnumWindows(FindWindowOf, reinterpret_cast<LPARAM>(&found));
    if (found.window != nullptr) answer(found.window);
  }
  if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process.hProcess, 99);
  DWORD exit_code = STILL_ACTIVE;
  GetExitCodeProcess(process.hProcess, &exit_code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return exit_code;
}

std::wstring TextOfChild(HWND window, const wchar_t* class_name) {
  ChildText child{class_name, {}};
  EnumChildWindows(window, FindChildText, reinterpret_cast<LPARAM>(&child));
  return child.text;
}

VerbRun RunVerb(const std::string& track) {
  VerbRun run;
  run.exit_code = WaitAnswering(StartCommand(kVerb, track), [&](HWND box) {
    const auto message = TextOfChild(box, L"Static");
    if (message.empty()) return;  // not there yet, or still being filled
    wchar_t title[256] = {};
    GetWindowTextW(box, title, 256);
    run.title = title;
    run.message = message;
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  return run;
}

// A double-click: the window opens with the track loaded, and closes when asked.
TEST(InstalledShellTest, TheOpenCommandShowsTheTrackInTheWindow) {
  const TempDir dir;
  const auto track = SampleTrack().Build();
  std::wstring info_list;
  const auto open = ClassesValue(L".trk") + L"\\shell\\open";
  const DWORD exit_code = WaitAnswering(StartCommand(open, dir.Write("oval.trk", track)), [&](HWND window) {
    info_list = TextOfChild(window, L"RichEdit20A");
    if (!info_list.empty()) PostMessageW(window, WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(exit_code, 0u);
  const auto file_line = L"oval.trk   " + std::to_wstring(track.size()) + L" Bytes";
  EXPECT_EQ(info_list.substr(0, file_line.size()), file_line) << win32::Utf8FromWide(info_list);
}

// A console program would open a console window when Explorer starts it.
WORD SubsystemOf(const std::wstring& program) {
  const auto file = ReadBytes(win32::Utf8FromWide(program));
  IMAGE_DOS_HEADER dos{};
  IMAGE_NT_HEADERS64 nt{};
  if (file.size() < sizeof(dos)) return 0;
  std::memcpy(&dos, file.data(), sizeof(dos));
  const auto at = static_cast<std::size_t>(dos.e_lfanew);
  if (at > file.size() || file.size() - at < sizeof(nt)) return 0;
  std::memcpy(&nt, file.data() + at, sizeof(nt));
  return nt.OptionalHeader.Subsystem;
}

TEST(InstalledShellTest, TheVerbWritesTheCopyBesideTheTrackWithoutAWindow) {
  EXPECT_EQ(ClassesValue(kVerb), L"Convert to version 1.05");
  EXPECT_EQ(SubsystemOf(ProgramOf(ClassesValue(kVerb + L"\\command"))), IMAGE_SUBSYSTEM_WINDOWS_GUI);
  const TempDir dir;
  const auto track = SampleTrack().Build();
  // A name that no ANSI code page spells: the path travels as UTF-16 and UTF-8 only.
  const auto run = RunVerb(dir.Write("трасса.trk", track));
  EXPECT_EQ(run.exit_code, 0u);
  EXPECT_EQ(run.message, L"");
  EXPECT_EQ(ReadBytes(dir.File("трасса_c.trk")), CopyAs105(track));
}

TEST(InstalledShellTest, TheVerbSaysWhyInTheWindowsWords) {
  const TempDir dir;
  const Bytes mine = {1, 2, 3};
  dir.Write("oval_c.trk", mine);
  const struct {
    std::string file;
    Bytes track;
    std::wstring message;
  } cases[] = {
      {"old.trk", SampleTrack().Version(300).Build(), L"Caution: Version <> 1.05"},
      {"cut.trk", DamagedTrack(), L"Damaged track: landmap beyond end of file"},
      {"oval.trk", SampleTrack().Build(), L"Not saved: oval_c.trk: it exists already"},
  };
  for (const auto& c : cases) {
    const auto run = RunVerb(dir.Write(c.file, c.track));
    EXPECT_EQ(run.exit_code, 1u) << c.file;
    EXPECT_EQ(run.message, WideFromUtf8(c.file) + L"\n" + c.message);
    EXPECT_EQ(run.title, L"Convert to version 1.05");
  }
  EXPECT_EQ(ReadBytes(dir.File("oval_c.trk")), mine);
}

// Explorer's way to a thumbnail: the class registered for .trk, a stream, the bitmap.
class ThumbnailTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))); }
  void TearDown() override { CoUninitialize(); }

  struct Thumbnail {
    HRESULT result = E_FAIL;
    HBITMAP bitmap = nullptr;
    WTS_ALPHATYPE alpha = WTSAT_UNKNOWN;
  };

  Thumbnail ThumbnailOf(const Bytes& track, UINT cx) const {
    Thumbnail thumbnail;
    IInitializeWithStream* initialize = nullptr;
    thumbnail.result = CoCreateInstance(handler_, nullptr, CLSCTX_INPROC_SERVER, __uuidof(IInitializeWithStream),
                                        reinterpret_cast<void**>(&initialize));
    if (FAILED(thumbnail.result)) return thumbnail;
    IStream* stream = SHCreateMemStream(track.data(), static_cast<UINT>(track.size()));
    thumbnail.result = initialize->Initialize(stream, STGM_READ);
    stream->Release();
    IThumbnailProvider* provider = nullptr;
    if (SUCCEEDED(thumbnail.result)) {
      thumbnail.result = initialize->QueryInterface(__uuidof(IThumbnailProvider), reinterpret_cast<void**>(&provider));
    }
    if (SUCCEEDED(thumbnail.result)) {
      thumbnail.result = provider->GetThumbnail(cx, &thumbnail.bitmap, &thumbnail.alpha);
      provider->Release();
    }
    initialize->Release();
    return thumbnail;
  }

  const CLSID handler_ = ThumbnailHandler();
};

// The bitmap shows exactly the portable thumbnail: GDI reads each pixel back as a colour
// 0x00BBGGRR, and the bits hold it as 0xAARRGGBB from the top row down, alpha opaque.
void ExpectShows(HBITMAP bitmap, const Image& expected) {
  DIBSECTION dib{};
  ASSERT_EQ(GetObjectW(bitmap, sizeof(dib), &dib), static_cast<int>(sizeof(dib)));
  ASSERT_EQ(dib.dsBm.bmWidth, expected.Width());
  ASSERT_EQ(dib.dsBm.bmHeight, expected.Height());
  ASSERT_EQ(dib.dsBm.bmBitsPixel, 32);
  const auto* bits = static_cast<const std::uint32_t*>(dib.dsBm.bmBits);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  int wrong = 0;
  for (int y = 0; y < expected.Height(); ++y) {
    for (int x = 0; x < expected.Width(); ++x) {
      const Colour colour = expected.At(x, y);
      const std::uint32_t argb = 0xFF000000u | (colour & 0xFFu) << 16 | (colour & 0xFF00u) | (colour >> 16 & 0xFFu);
      if (GetPixel(dc, x, y) != colour || bits[y * expected.Width() + x] != argb) ++wrong;
    }
  }
  SelectObject(dc, previous);
  DeleteDC(dc);
  EXPECT_EQ(wrong, 0);
}

TEST_F(ThumbnailTest, AStreamGivesTheMapWithItsLongerSideCx) {
  const auto track = SampleTrack().Build();
  for (const UINT cx : {256u, 100u, 1024u}) {
    const auto thumbnail = ThumbnailOf(track, cx);
    ASSERT_EQ(thumbnail.result, S_OK) << cx;
    EXPECT_EQ(thumbnail.alpha, WTSAT_RGB);
    TrackApi api;
    ExpectShows(thumbnail.bitmap, *TrackThumbnail(api, track, static_cast<int>(cx)));
    DeleteObject(thumbnail.bitmap);
  }
}

TEST_F(ThumbnailTest, ARefusedDamagedOrOversizedTrackGivesAFailureAndNoBitmap) {
  auto oversized = SampleTrack().Build();
  oversized.resize(kMaxTrackFileSize + 1);
  for (const auto& track : {SampleTrack().Version(300).Build(), DamagedTrack(), oversized, Bytes()}) {
    const auto thumbnail = ThumbnailOf(track, 256);
    EXPECT_TRUE(FAILED(thumbnail.result)) << track.size();
    EXPECT_EQ(thumbnail.bitmap, nullptr);
  }
}

// The process's committed private memory.
std::size_t PrivateBytes() {
  PROCESS_MEMORY_COUNTERS counters{};
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
  return counters.PagefileUsage;
}

// The process's GDI objects. Windows counts them; Wine's GetGuiResources answers 0, but Wine
// finds an object by the table index in the low word of its handle alone, so there every index
// is tried.
std::size_t GdiObjects() {
  if (const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); counted != 0) return counted;
  std::size_t found = 0;
  for (std::uintptr_t index = 1; index <= 0xFFFF; ++index) {
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) ++found;
  }
  return found;
}

// Prints the time per thumbnail as a figure for the record; it asserts nothing about speed.
TEST_F(ThumbnailTest, AThousandThumbnailsKeepMemoryAndGdiObjectsFlat) {
  const auto track = SampleTrack().Build();
  const auto one = [&] {
    const auto thumbnail = ThumbnailOf(track, 256);
    ASSERT_EQ(thumbnail.result, S_OK);
    DeleteObject(thumbnail.bitmap);
  };
  for (int i = 0; i < 20; ++i) one();  // the DLL loaded, the heap grown to its working size
  const std::size_t objects = GdiObjects();
  ASSERT_NE(objects, 0u);
  const std::size_t memory = PrivateBytes();
  const auto start = std::chrono::steady_clock::now();
  constexpr int kThumbnails = 1000;
  for (int i = 0; i < kThumbnails; ++i) one();
  const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(GdiObjects(), objects);
  // One lost track buffer or map per call would be a gigabyte; allocator noise stays far below.
  EXPECT_LT(PrivateBytes(), memory + 4'000'000) << "before: " << memory;
  std::cout << "thumbnail of 256 px through COM: " << elapsed.count() / kThumbnails << " ms per call; private bytes "
            << memory << " -> " << PrivateBytes() << ", GDI objects " << objects << '\n';
}

// Explorer's process unloads the handler once DllCanUnloadNow says so: only while no object
// lives and no client holds the server locked.
TEST(InstalledShellDllTest, TheServerUnloadsOnlyWhenNothingHoldsIt) {
  const auto clsid = ClassesValue(kThumbnailHandler);
  HMODULE dll = LoadLibraryW(ClassesValue(L"CLSID\\" + clsid + L"\\InprocServer32").c_str());
  ASSERT_NE(dll, nullptr);
  // Through the untyped function pointer, as a typed export is reached from GetProcAddress.
  using Untyped = void (*)();
  using GetClassObject = HRESULT(WINAPI*)(REFCLSID, REFIID, void**);
  using CanUnloadNow = HRESULT(WINAPI*)();
  const auto get_class_object =
      reinterpret_cast<GetClassObject>(reinterpret_cast<Untyped>(GetProcAddress(dll, "DllGetClassObject")));
  const auto can_unload_now =
      reinterpret_cast<CanUnloadNow>(reinterpret_cast<Untyped>(GetProcAddress(dll, "DllCanUnloadNow")));
  ASSERT_NE(get_class_object, nullptr);
  ASSERT_NE(can_unload_now, nullptr);
  const CLSID handler = ThumbnailHandler();
  IClassFactory* factory = nullptr;
  EXPECT_EQ(get_class_object(__uuidof(IUnknown), __uuidof(IClassFactory), reinterpret_cast<void**>(&factory)),
            CLASS_E_CLASSNOTAVAILABLE);
  ASSERT_EQ(get_class_object(handler, __uuidof(IClassFactory), reinterpret_cast<void**>(&factory)), S_OK);
  EXPECT_EQ(can_unload_now(), S_FALSE);
  IUnknown* provider = nullptr;
  ASSERT_EQ(factory->CreateInstance(nullptr, __uuidof(IThumbnailProvider), reinterpret_cast<void**>(&provider)), S_OK);
  IUnknown* aggregated = nullptr;
  EXPECT_EQ(factory->CreateInstance(provider, __uuidof(IUnknown), reinterpret_cast<void**>(&aggregated)),
            CLASS_E_NOAGGREGATION);
  EXPECT_EQ(factory->LockServer(TRUE), S_OK);
  factory->Release();
  provider->Release();
  EXPECT_EQ(can_unload_now(), S_FALSE) << "locked";
  ASSERT_EQ(get_class_object(handler, __uuidof(IClassFactory), reinterpret_cast<void**>(&factory)), S_OK);
  factory->LockServer(FALSE);
  factory->Release();
  EXPECT_EQ(can_unload_now(), S_OK);
  FreeLibrary(dll);
}

}  // namespace
}  // namespace tarmaxion
