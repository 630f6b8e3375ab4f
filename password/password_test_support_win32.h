#pragma once

// Helpers of the password dialog tests: a second thread finds the modal dialogs that the test
// thread runs and works them like a user, through messages.

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
  GetGUIThreadInfo(threadId, &info);
  return info.hwndFocus;
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
