#pragma once

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// A small driver for end-to-end tests: starts the real saver as its own process, finds its
// windows, sends it input like a user would, and reads what it left in the registry.
namespace sovelin::driver {

// The built saver, as a Windows path.
std::string SaverPath();
// The saver built for the tests with every move slowed down, as a Windows path.
std::string SlowSaverPath();

// Waits, pumping this thread's messages, until the condition holds or `ms` have passed.
bool WaitUntil(const std::function<bool()>& condition, DWORD ms);
// Pumps this thread's messages for `ms`.
void Pump(DWORD ms);

class SaverProcess {
 public:
  // Starts `program` (the saver by default) with the argument text after its name, which the
  // command line quotes unless told otherwise.
  static SaverProcess Start(const std::string& arguments,
                            const std::filesystem::path& program = SaverPath(), bool quoted = true);
  SaverProcess(SaverProcess&& other) noexcept;  // movable, never copied
  // Ends a process that is still running, so a failed test leaves nothing behind.
  ~SaverProcess();

  bool started() const { return info_.hProcess != nullptr; }
  DWORD id() const { return info_.dwProcessId; }
  bool Running() const {
    return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
  }
  // True when the process ended within `ms`.
  bool WaitForExit(DWORD ms) const {
    return WaitUntil([this] { return !Running(); }, ms);
  }
  DWORD ExitCode() const;

 private:
  SaverProcess() = default;
  PROCESS_INFORMATION info_{};
};

// A visible top-level window with exactly this caption (of that process, when given).
HWND FindCaption(const char* caption, DWORD processId = 0);
HWND WaitForCaption(const char* caption, DWORD ms, DWORD processId = 0);
int CountCaption(const char* caption);

// The saver's verse window, or null.
// A window's rectangle on the screen.
RECT WindowBox(HWND window);
HWND FindVerseWindow(DWORD processId);
// The screen rectangle of the saver's verse window, or an empty one.
RECT VerseWindowRect(DWORD processId);

// The text of a window; also reaches a control of another process.
std::string WindowText(HWND window);
// The message of a message box: its longest static text.
std::string MessageText(HWND box);

// A fresh folder beside the built saver holding a copy of it, for one case (a name in any
// script); and the verse file beside such a copy.
std::filesystem::path SaverCopyFor(const std::wstring& caseName);
void WriteVerseFile(const std::filesystem::path& saverCopy, const std::string& bytes);
// The user's own verse list, in the application data folder.
std::filesystem::path OwnVerseList();
// A whole file's bytes, empty when it cannot be read.
std::string FileBytes(const std::filesystem::path& path);

// The saver's settings in the registry.
void ClearSettings();
void WriteSetting(const std::string& name, const std::string& value);
std::optional<std::string> ReadSetting(const std::string& name);
// Stores a value of any registry type under the settings key, as a hand edit would: its bytes
// as they are (text as UTF-16).
bool WriteRawSetting(const std::string& name, DWORD type, const std::vector<BYTE>& data);
// Stores text through the ANSI registry calls, as earlier versions of the saver did.
bool WriteAnsiSetting(const std::string& name, const std::string& bytes);
// Stores text with the system's own `reg add`, as an administrator's script would.
bool RegAddSetting(const std::wstring& name, const std::wstring& text);
// Input through the system's input queue, as from a keyboard and mouse.
void PressKeys(const std::vector<WORD>& chord);  // e.g. {VK_MENU, VK_F4}
inline void PressKey(WORD virtualKey) {
  PressKeys({virtualKey});
}
void MoveMouseTo(int x, int y);  // screen pixels, on any monitor
void ClickMouse();

// The screen's pixels as 0x00RRGGBB.
struct Screenshot {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;
  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
// A Windows colour value (red in the low byte) as a screenshot pixel (0x00RRGGBB), or back:
// red and blue trade places.
inline COLORREF SwapRedBlue(COLORREF color) {
  return RGB(GetBValue(color), GetGValue(color), GetRValue(color));
}
// The primary monitor by default.
Screenshot CaptureScreen(const RECT& area = {0, 0, GetSystemMetrics(SM_CXSCREEN),
                                             GetSystemMetrics(SM_CYSCREEN)});
// A 32-bit picture of top-down rows, for reading and writing pixels as 0x00RRGGBB.
BITMAPINFO TopDownPixels(int width, int height);

// Writes a picture file in a WIC container format (GUID_ContainerFormatJpeg, ...) whose pixel
// (x, y) is color(x, y), as 0x00RRGGBB. False when it could not.
bool WritePicture(const std::filesystem::path& file, const GUID& format, int width, int height,
                  const std::function<uint32_t(int, int)>& color);
// True when a pixel is near enough to 0x00RRGGBB (a JPEG's colours are not exact).
bool LooksLike(uint32_t pixel, uint32_t expected);

// The virtual screen, and the monitors (the primary first), in screen pixels.
RECT VirtualScreen();
std::vector<RECT> Monitors();

// Opens a window painted with a known pattern, to stand for the user's desktop: over every
// monitor, or over `area`. The caller destroys it.
HWND OpenPatternWindow(const RECT& area = VirtualScreen());

// Waits for the saver window of a started saver and lets it settle.
HWND WaitForSaver(const SaverProcess& saver);
// Per monitor, the pixels outside the verse window unlike the pattern window's (or not black). The
// verse window moves: its place before and after the screenshot is left out.
std::vector<int> PixelsUnlikeTheDesktop(DWORD saverId, bool black);

}  // namespace sovelin::driver
