#include "tests/saver_driver_win32.h"

#include <gtest/gtest.h>

#include <fstream>

#include "common/handles_win32.h"
#include "settings/registry_store_win32.h"

namespace sovelin::driver {

std::string WindowsPath(const std::string& unixPath) {
  std::string path = "Z:" + unixPath;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

std::string SaverPath() {
  return WindowsPath(SOVELIN_SAVER_PATH);
}

SaverProcess SaverProcess::Start(const std::string& arguments, const std::string& program) {
  SaverProcess process;
  std::string commandLine = "\"" + program + "\"";
  if (!arguments.empty()) commandLine += " " + arguments;
  const std::string folder = program.substr(0, program.find_last_of('\\'));
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &process.info_)) {
    process.info_ = {};
  }
  return process;
}

SaverProcess::SaverProcess(SaverProcess&& other) noexcept : info_(other.info_) {
  other.info_ = {};
}

SaverProcess::~SaverProcess() {
  if (!info_.hProcess) return;
  if (Running()) {
    TerminateProcess(info_.hProcess, 99);
    WaitForSingleObject(info_.hProcess, 5000);
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

bool SaverProcess::Running() const {
  return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

bool SaverProcess::WaitForExit(DWORD ms) const {
  return WaitUntil([this] { return !Running(); }, ms);
}

DWORD SaverProcess::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

void Pump(DWORD ms) {
  const DWORD start = GetTickCount();
  do {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  } while (GetTickCount() - start < ms);
}

bool WaitUntil(const std::function<bool()>& condition, DWORD ms) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start >= ms) return false;
    Pump(20);
  }
  return true;
}

namespace {

struct WindowSearch {
  DWORD processId;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<WindowSearch*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (IsWindowVisible(window) && (!search->processId || owner == search->processId))
    search->found.push_back(window);
  return TRUE;
}

// The visible top-level windows, of one process unless `processId` is 0.
std::vector<HWND> VisibleWindows(DWORD processId) {
  WindowSearch search{processId, {}};
  EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string Caption(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof(text));
  return text;
}

}  // namespace

HWND FindCaption(const char* caption, DWORD processId) {
  for (HWND window : VisibleWindows(processId))
    if (Caption(window) == caption) return window;
  return nullptr;
}

HWND WaitForCaption(const char* caption, DWORD ms, DWORD processId) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindCaption(caption, processId)) != nullptr; }, ms);
  return found;
}

int CountCaption(const char* caption) {
  int count = 0;
  for (HWND window : VisibleWindows(0)) count += Caption(window) == caption;
  return count;
}

HWND FindVerseWindow(DWORD processId) {
  for (HWND window : VisibleWindows(processId)) {
    RECT box;
    GetWindowRect(window, &box);
    // Not the saver window, nor the 1-pixel input-method window.
    if (Caption(window) != "Sovelin Main Form" && box.right - box.left > 1) return window;
  }
  return nullptr;
}

RECT VerseWindowRect(DWORD processId) {
  RECT box{};
  if (HWND verse = FindVerseWindow(processId)) GetWindowRect(verse, &box);
  return box;
}

std::string WindowText(HWND window) {
  // WM_GETTEXT, unlike GetWindowText, reaches an edit control of another process.
  char text[1024] = {};
  SendMessageA(window, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text));
  return text;
}

std::string MessageText(HWND box) {
  std::string longest;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char className[32] = {};
    GetClassNameA(child, className, sizeof(className));
    const std::string text = WindowText(child);
    if (lstrcmpiA(className, "Static") == 0 && text.size() > longest.size()) longest = text;
  }
  return longest;
}

std::string FolderOf(const std::string& path) {
  return path.substr(0, path.find_last_of('\\'));
}

std::string FileNameOf(const std::string& path) {
  return path.substr(path.find_last_of('\\') + 1);
}

// A fresh folder beside the built saver holding a copy of it, for one case.
std::string SaverCopyFor(const std::string& caseName) {
  const std::string root = FolderOf(SaverPath()) + "\\saver-copies";
  const std::string folder = root + "\\" + caseName;
  CreateDirectoryA(root.c_str(), nullptr);
  CreateDirectoryA(folder.c_str(), nullptr);
  DeleteFileA((folder + "\\sovel.vrs").c_str());
  const std::string copy = folder + "\\" + FileNameOf(SaverPath());
  EXPECT_TRUE(CopyFileA(SaverPath().c_str(), copy.c_str(), FALSE)) << "cannot copy the saver";
  return copy;
}

void WriteVerseFile(const std::string& saverCopy, const std::string& bytes) {
  std::ofstream file(FolderOf(saverCopy) + "\\sovel.vrs", std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(file.good());
}

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void ClearSettings() {
  RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsKeyPath);
}

void WriteSetting(const std::string& name, const std::string& value) {
  RegistrySettingsStore().Write(name, value);
}

std::optional<std::string> ReadSetting(const std::string& name) {
  const std::string missing = "\x01missing";
  std::string value = RegistrySettingsStore().Read(name, missing);
  if (value == missing) return std::nullopt;
  return value;
}

bool WriteRawSetting(const std::string& name, DWORD type, const std::vector<BYTE>& data) {
  RegKey settings;
  return RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                         settings.out(), nullptr) == ERROR_SUCCESS &&
         RegSetValueExA(settings.get(), name.c_str(), 0, type, data.data(),
                        static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
}

namespace {

INPUT KeyInput(WORD virtualKey, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

INPUT MouseInput(DWORD flags, LONG x = 0, LONG y = 0) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = x;
  input.mi.dy = y;
  input.mi.dwFlags = flags;
  return input;
}

}  // namespace

void PressKeys(const std::vector<WORD>& chord) {
  std::vector<INPUT> inputs;
  for (WORD key : chord) inputs.push_back(KeyInput(key, false));
  for (auto key = chord.rbegin(); key != chord.rend(); ++key)
    inputs.push_back(KeyInput(*key, true));
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void PressKey(WORD virtualKey) {
  PressKeys({virtualKey});
}

void MoveMouseTo(int x, int y) {
  // Absolute coordinates run from 0 to 65535 across the virtual screen (on one monitor, the
  // primary screen).
  const RECT screen = VirtualScreen();
  INPUT move = MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK,
                          MulDiv(x - screen.left, 65535, screen.right - screen.left - 1),
                          MulDiv(y - screen.top, 65535, screen.bottom - screen.top - 1));
  SendInput(1, &move, sizeof(INPUT));
}

void ClickMouse() {
  INPUT click[2] = {MouseInput(MOUSEEVENTF_LEFTDOWN), MouseInput(MOUSEEVENTF_LEFTUP)};
  SendInput(2, click, sizeof(INPUT));
}

BITMAPINFO TopDownPixels(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;  // BI_RGB, the zero compression
  return info;
}

RECT VirtualScreen() {
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
          top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

namespace {

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM parameter) {
  auto& monitors = *reinterpret_cast<std::vector<RECT>*>(parameter);
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  GetMonitorInfoA(monitor, &info);
  monitors.insert(info.dwFlags & MONITORINFOF_PRIMARY ? monitors.begin() : monitors.end(),
                  info.rcMonitor);
  return TRUE;
}

}  // namespace

std::vector<RECT> Monitors() {
  std::vector<RECT> monitors;
  EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&monitors));
  return monitors;
}

Screenshot CaptureScreen() {
  return CaptureScreen({0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
}

Screenshot CaptureScreen(const RECT& area) {
  Screenshot shot;
  shot.width = area.right - area.left;
  shot.height = area.bottom - area.top;
  shot.pixels.resize(static_cast<size_t>(shot.width) * shot.height);
  WindowDC screen(nullptr);
  OwnedDC memory(CreateCompatibleDC(screen.get()));
  const BITMAPINFO info = TopDownPixels(shot.width, shot.height);
  void* bits = nullptr;
  Bitmap section(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  {
    SelectGuard select(memory.get(), section.get());
    BitBlt(memory.get(), 0, 0, shot.width, shot.height, screen.get(), area.left, area.top, SRCCOPY);
    GdiFlush();
  }
  const auto* source = static_cast<const uint32_t*>(bits);
  for (size_t i = 0; i < shot.pixels.size(); ++i) shot.pixels[i] = source[i] & 0x00FFFFFF;
  return shot;
}

namespace {

constexpr const char* kPatternClass = "SovelinTestPattern";

LRESULT CALLBACK PatternProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT box;
  GetWindowRect(window, &box);
  const int width = box.right - box.left;
  const int height = box.bottom - box.top;
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      pixels[static_cast<size_t>(y) * width + x] =
          PatternWindow::ColourAt(box.left + x, box.top + y);
  }
  const BITMAPINFO info = TopDownPixels(width, height);
  SetDIBitsToDevice(dc, 0, 0, width, height, 0, 0, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
  EndPaint(window, &paint);
  return 0;
}

}  // namespace

uint32_t PatternWindow::ColourAt(int x, int y) {
  const uint32_t red = (x * 7) & 0xFF;
  const uint32_t green = (y * 13) & 0xFF;
  const uint32_t blue = (x ^ y) & 0xFF;
  return (red << 16) | (green << 8) | blue;
}

PatternWindow::PatternWindow()
    : PatternWindow(RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}) {}

PatternWindow::PatternWindow(const RECT& area) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = &PatternProcedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = kPatternClass;
  RegisterClassA(&windowClass);
  window_ = CreateWindowExA(0, kPatternClass, "Sovelin test pattern", WS_POPUP | WS_VISIBLE,
                            area.left, area.top, area.right - area.left, area.bottom - area.top,
                            nullptr, nullptr, windowClass.hInstance, nullptr);
  UpdateWindow(window_);
  Pump(300);
}

PatternWindow::~PatternWindow() {
  Close();
}

void PatternWindow::Close() {
  if (window_) DestroyWindow(window_);
  window_ = nullptr;
}

}  // namespace sovelin::driver
