#include "tests/saver_driver_win32.h"

#include <gtest/gtest.h>

#include <shlobj.h>
#include <wincodec.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "common/handles_win32.h"
#include "common/picture_files_win32.h"
#include "settings/registry_store_win32.h"

namespace sovelin::driver {
namespace {

using WindowSearch = std::pair<DWORD, std::vector<HWND>>;  // a process (0 for all), found

BOOL CALLBACK CollectWindow(HWND window, LPARAM parameter) {
  auto& [processId, found] = *reinterpret_cast<WindowSearch*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (IsWindowVisible(window) && (!processId || owner == processId)) found.push_back(window);
  return TRUE;
}

// The visible top-level windows, of one process unless `processId` is 0.
std::vector<HWND> VisibleWindows(DWORD processId) {
  WindowSearch search{processId, {}};
  EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&search));
  return search.second;
}

std::string Caption(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof(text));
  return text;
}

void SendMouse(DWORD flags, LONG x = 0, LONG y = 0) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi = {x, y, 0, flags, 0, 0};
  SendInput(1, &input, sizeof(INPUT));
}

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM parameter) {
  auto& monitors = *reinterpret_cast<std::vector<RECT>*>(parameter);
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  GetMonitorInfoA(monitor, &info);
  monitors.insert(info.dwFlags & MONITORINFOF_PRIMARY ? monitors.begin() : monitors.end(),
                  info.rcMonitor);
  return TRUE;
}

// The pattern's colour at screen pixel (x, y), as 0x00RRGGBB.
uint32_t PatternColour(int x, int y) {
  return (((x * 7) & 0xFF) << 16) | (((y * 13) & 0xFF) << 8) | ((x ^ y) & 0xFF);
}

LRESULT CALLBACK PatternProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  const RECT box = WindowBox(window);
  const int width = box.right - box.left, height = box.bottom - box.top;
  std::vector<uint32_t> pixels;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) pixels.push_back(PatternColour(box.left + x, box.top + y));
  const BITMAPINFO info = TopDownPixels(width, height);
  SetDIBitsToDevice(dc, 0, 0, width, height, 0, 0, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
  EndPaint(window, &paint);
  return 0;
}

// A path of this machine as Wine's drive Z: sees it.
std::string OnDriveZ(std::string path) {
  for (char& c : path) c = c == '/' ? '\\' : c;
  return "Z:" + path;
}

}  // namespace

std::string SaverPath() {
  return OnDriveZ(SOVELIN_SAVER_PATH);
}

std::string SlowSaverPath() {
  return OnDriveZ(SOVELIN_SLOW_SAVER_PATH);
}

SaverProcess SaverProcess::Start(const std::string& arguments, const std::filesystem::path& program,
                                 bool quoted) {
  SaverProcess process;
  const std::wstring name = program.wstring();
  std::wstring commandLine = quoted ? L"\"" + name + L"\"" : name;
  if (!arguments.empty()) commandLine += L" " + std::wstring(arguments.begin(), arguments.end());
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  if (!CreateProcessW(name.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      program.parent_path().wstring().c_str(), &startup, &process.info_))
    process.info_ = {};
  return process;
}

SaverProcess::SaverProcess(SaverProcess&& other) noexcept : info_(other.info_) {
  other.info_ = {};
}

SaverProcess::~SaverProcess() {
  if (!info_.hProcess) return;
  if (Running() && TerminateProcess(info_.hProcess, 99)) WaitForSingleObject(info_.hProcess, 5000);
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
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

RECT WindowBox(HWND window) {
  RECT box{};
  GetWindowRect(window, &box);
  return box;
}

HWND FindVerseWindow(DWORD processId) {
  for (HWND window : VisibleWindows(processId)) {
    const RECT box = WindowBox(window);
    // Not the saver window, nor the 1-pixel input-method window.
    if (Caption(window) != "Sovelin Main Form" && box.right - box.left > 1) return window;
  }
  return nullptr;
}

RECT VerseWindowRect(DWORD processId) {
  HWND verse = FindVerseWindow(processId);
  return verse ? WindowBox(verse) : RECT{};
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

// A fresh folder beside the built saver holding a copy of it, for one case.
std::filesystem::path SaverCopyFor(const std::wstring& caseName) {
  const std::filesystem::path saver(SaverPath());
  const std::filesystem::path folder = saver.parent_path() / L"saver-copies" / caseName;
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  std::filesystem::remove(folder / L"sovel.vrs", ignored);
  const std::filesystem::path copy = folder / saver.filename();
  EXPECT_TRUE(CopyFileW(saver.wstring().c_str(), copy.wstring().c_str(), FALSE))
      << "cannot copy the saver";
  return copy;
}

void WriteVerseFile(const std::filesystem::path& saverCopy, const std::string& bytes) {
  std::ofstream file(saverCopy.parent_path() / L"sovel.vrs", std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(file.good());
}

std::filesystem::path OwnVerseList() {
  wchar_t appData[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData);
  return std::filesystem::path(appData) / L"Sovelin" / L"sovel.vrs";
}

std::string FileBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void ClearSettings() {
  RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsKeyPath);
}

void WriteSetting(const std::string& name, const std::string& value) {
  RegistrySettingsStore().Write(name, value);
}

std::optional<std::string> ReadSetting(const std::string& name) {
  const std::string missing = "\x01missing", value = RegistrySettingsStore().Read(name, missing);
  return value == missing ? std::nullopt : std::optional(value);
}

bool WriteRawSetting(const std::string& name, DWORD type, const std::vector<BYTE>& data) {
  RegKey settings;
  const std::wstring wideName(name.begin(), name.end());
  return RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                         settings.out(), nullptr) == ERROR_SUCCESS &&
         RegSetValueExW(settings.get(), wideName.c_str(), 0, type, data.data(),
                        static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
}

bool WriteAnsiSetting(const std::string& name, const std::string& bytes) {
  RegKey settings;
  return RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                         settings.out(), nullptr) == ERROR_SUCCESS &&
         RegSetValueExA(settings.get(), name.c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(bytes.c_str()),
                        static_cast<DWORD>(bytes.size() + 1)) == ERROR_SUCCESS;
}

bool RegAddSetting(const std::wstring& name, const std::wstring& text) {
  const std::string key(kSettingsKeyPath);
  return _wsystem((L"reg.exe add \"HKCU\\" + std::wstring(key.begin(), key.end()) + L"\" /v " +
                   name + L" /t REG_SZ /d \"" + text + L"\" /f")
                      .c_str()) == 0;
}

void PressKeys(const std::vector<WORD>& chord) {
  std::vector<INPUT> inputs(chord.size() * 2);
  for (INPUT& input : inputs) input.type = INPUT_KEYBOARD;
  for (size_t i = 0; i < chord.size(); ++i) {
    inputs[i].ki.wVk = inputs[inputs.size() - 1 - i].ki.wVk = chord[i];
    inputs[inputs.size() - 1 - i].ki.dwFlags = KEYEVENTF_KEYUP;  // released in reverse order
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void MoveMouseTo(int x, int y) {
  // Absolute coordinates run from 0 to 65535 across the virtual screen.
  const RECT screen = VirtualScreen();
  SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK,
            MulDiv(x - screen.left, 65535, screen.right - screen.left - 1),
            MulDiv(y - screen.top, 65535, screen.bottom - screen.top - 1));
}

void ClickMouse() {
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  SendMouse(MOUSEEVENTF_LEFTUP);
}

BITMAPINFO TopDownPixels(int width, int height) {
  // Top-down rows (a negative height), 32 bits a pixel.
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  return info;
}

RECT VirtualScreen() {
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
          top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

std::vector<RECT> Monitors() {
  std::vector<RECT> monitors;
  EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&monitors));
  return monitors;
}

Screenshot CaptureScreen(const RECT& area) {
  const int width = area.right - area.left, height = area.bottom - area.top;
  Screenshot shot{width, height, std::vector<uint32_t>(static_cast<size_t>(width) * height)};
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
  for (size_t i = 0; i < shot.pixels.size(); ++i)
    shot.pixels[i] = static_cast<const uint32_t*>(bits)[i] & 0x00FFFFFF;
  return shot;
}

HWND OpenPatternWindow(const RECT& area) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = &PatternProcedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "SovelinTestPattern";
  RegisterClassA(&windowClass);
  HWND window =
      CreateWindowExA(0, windowClass.lpszClassName, "Sovelin test pattern", WS_POPUP | WS_VISIBLE,
                      area.left, area.top, area.right - area.left, area.bottom - area.top, nullptr,
                      nullptr, windowClass.hInstance, nullptr);
  UpdateWindow(window);
  Pump(300);
  return window;
}

HWND WaitForSaver(const SaverProcess& saver) {
  HWND window = WaitForCaption("Sovelin Main Form", 30000, saver.id());
  EXPECT_NE(window, nullptr) << "the saver window did not appear";
  Pump(500);  // let it settle: first paint, first mouse position
  return window;
}

std::vector<int> PixelsUnlikeTheDesktop(DWORD saverId, bool black) {
  const RECT screen = VirtualScreen();
  const RECT before = VerseWindowRect(saverId);
  const Screenshot shot = CaptureScreen(screen);
  const RECT after = VerseWindowRect(saverId);
  std::vector<int> wrong;
  for (const RECT& monitor : Monitors()) {
    int& count = wrong.emplace_back(0);
    for (int y = monitor.top; y < monitor.bottom; ++y) {
      for (int x = monitor.left; x < monitor.right; ++x) {
        const POINT point{x, y};
        if (PtInRect(&before, point) || PtInRect(&after, point)) continue;
        count += shot.At(x - screen.left, y - screen.top) != (black ? 0u : PatternColour(x, y));
      }
    }
  }
  return wrong;
}

}  // namespace sovelin::driver

namespace sovelin::driver {

bool WritePicture(const std::filesystem::path& file, const GUID& format, int width, int height,
                  const std::function<uint32_t(int, int)>& color) {
  ComApartment apartment;
  ComPtr<IWICImagingFactory> factory;
  ComPtr<IWICStream> stream;
  ComPtr<IWICBitmapEncoder> encoder;
  ComPtr<IWICBitmapFrameEncode> frame;
  ComPtr<IWICBitmap> source;
  WICPixelFormatGUID pixelFormat = GUID_WICPixelFormat32bppBGR;
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) pixels[static_cast<size_t>(y) * width + x] = color(x, y);
  }
  return CreateImagingFactory(factory) && SUCCEEDED(factory->CreateStream(stream.out())) &&
         SUCCEEDED(stream->InitializeFromFilename(file.c_str(), GENERIC_WRITE)) &&
         SUCCEEDED(factory->CreateEncoder(format, nullptr, encoder.out())) &&
         SUCCEEDED(encoder->Initialize(stream.get(), WICBitmapEncoderNoCache)) &&
         SUCCEEDED(encoder->CreateNewFrame(frame.out(), nullptr)) &&
         SUCCEEDED(frame->Initialize(nullptr)) && SUCCEEDED(frame->SetSize(width, height)) &&
         SUCCEEDED(frame->SetPixelFormat(&pixelFormat)) &&
         // The frame converts the pixels to the format its encoder takes (24-bit for JPEG).
         SUCCEEDED(factory->CreateBitmapFromMemory(width, height, GUID_WICPixelFormat32bppBGR,
                                                   width * 4, static_cast<UINT>(pixels.size() * 4),
                                                   reinterpret_cast<BYTE*>(pixels.data()),
                                                   source.out())) &&
         SUCCEEDED(frame->WriteSource(source.get(), nullptr)) && SUCCEEDED(frame->Commit()) &&
         SUCCEEDED(encoder->Commit());
}

bool LooksLike(uint32_t pixel, uint32_t expected) {
  for (const int shift : {0, 8, 16}) {
    const int have = (pixel >> shift) & 0xFF, want = (expected >> shift) & 0xFF;
    if (std::abs(have - want) > 48) return false;
  }
  return true;
}

}  // namespace sovelin::driver
