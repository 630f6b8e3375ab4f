#pragma once

// Helpers of the password dialog tests: a second thread finds the modal dialogs that the test
// thread runs and works them like a user, through messages.

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

#include "common/handles_win32.h"
#include "tests/saver_driver_win32.h"

namespace sovelin::password_test {

inline constexpr DWORD kWaitMs = 10000;

// A visible window of this process with exactly this caption, waited for.
inline HWND WaitForDialog(const char* caption) {
  return driver::WaitForCaption(caption, kWaitMs, GetCurrentProcessId());
}

inline bool WaitUntilGone(const char* caption) {
  return driver::WaitUntil(
      [caption] { return driver::FindCaption(caption, GetCurrentProcessId()) == nullptr; },
      kWaitMs);
}

inline void Type(HWND dialog, int id, const char* text) {
  SendMessageA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

inline void Press(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// Waits for the "Error" box, returns its text and closes it with its OK button.
inline std::string AnswerError() {
  HWND box = WaitForDialog("Error");
  if (!box) return "(no message box)";
  const std::string text = driver::MessageText(box);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  WaitUntilGone("Error");
  return text;
}

// The window with the keyboard focus in the given thread.
inline HWND FocusOf(DWORD threadId) {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  return GetGUIThreadInfo(threadId, &info) ? info.hwndFocus : nullptr;
}

// Every caption of the dialog's buttons and labels fits its control in its own font: a label's
// text wrapped to its width must fit its height, a button's caption must leave room for its edges.
inline void ExpectCaptionsFit(HWND dialog) {
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char name[16]{};
    GetClassNameA(child, name, sizeof(name));
    const bool button = lstrcmpiA(name, "Button") == 0;
    const std::string text = driver::WindowText(child);
    if (!IsWindowVisible(child) || text.empty() || (!button && lstrcmpiA(name, "Static") != 0))
      continue;
    RECT client{};
    GetClientRect(child, &client);
    WindowDC dc(child);
    SelectGuard select(dc.get(), reinterpret_cast<HFONT>(SendMessageA(child, WM_GETFONT, 0, 0)));
    RECT extent{0, 0, client.right, 0};
    DrawTextA(dc.get(), text.c_str(), -1, &extent,
              DT_CALCRECT | (button ? DT_SINGLELINE : DT_WORDBREAK));
    const int edges = button ? 4 * GetSystemMetrics(SM_CXEDGE) : 0;
    EXPECT_TRUE(extent.right + edges <= client.right && extent.bottom <= client.bottom)
        << "cut at this DPI: " << text << " in " << client.right << " x " << client.bottom;
  }
}

// Runs `user` on a second thread while the calling thread runs `dialog` (which returns when
// the dialog closed), then waits for the user to finish. This thread goes on answering
// messages meanwhile: the user's thread reads the captions of this thread's windows.
inline void WithUser(const std::function<void()>& dialog, const std::function<void()>& user) {
  std::atomic<bool> done = false;
  std::thread worker([&] {
    user();
    done = true;
  });
  dialog();
  driver::WaitUntil([&] { return done.load(); }, 6 * kWaitMs);
  worker.join();
}

}  // namespace sovelin::password_test
