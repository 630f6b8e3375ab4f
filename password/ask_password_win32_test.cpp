// The password prompt of a protected saver, asked for in-process over stand-ins for the saver
// and verse windows; a second thread works the prompt like a user.
#include "password/ask_password_win32.h"

#include <gtest/gtest.h>

#include <iterator>

#include "common/texts_win32.h"
#include "password/password_form_win32.h"
#include "password/password_test_support_win32.h"
#include "password/scramble.h"
#include "password/upper_case_win32.h"
#include "tests/scripted_random.h"

namespace sovelin {
namespace {

using namespace password_test;
using namespace prompt_form;

constexpr const char* kCaption = "Sovelin Screen Saver";
constexpr const char* kStandInClass = "SovelinPasswordTestWindow";
constexpr UINT_PTR kTimer = 7;

int Id(const PasswordControl& control) {
  return PasswordControlId(kControls, control);
}

// A saver window (timer, keys and clicks request the stop) and its verse window.
class SaverStandIn {
 public:
  SaverStandIn() {
    run.settings.gPWProtected = 1;
    run.store.Write("Password", ScramblePassword("Grace", UpperCaseWindows1252));
    run.AskPassword = [this] {
      ++asks;
      AskPassword(run, saver, verse);
    };
    WNDCLASSA type{};
    type.lpfnWndProc = &Procedure;
    type.hInstance = GetModuleHandleA(nullptr);
    type.lpszClassName = kStandInClass;
    RegisterClassA(&type);
    saver = CreateWindowExA(WS_EX_TOPMOST, kStandInClass, "saver", WS_POPUP | WS_VISIBLE, 0, 0, 400,
                            300, nullptr, nullptr, type.hInstance, nullptr);
    verse = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kStandInClass, "verse",
                            WS_POPUP | WS_VISIBLE, 50, 50, 100, 60, saver, nullptr, type.hInstance,
                            nullptr);
    for (HWND window : {saver, verse})
      SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetTimer(saver, kTimer, 50, nullptr);
  }
  ~SaverStandIn() {
    DestroyWindow(verse);
    DestroyWindow(saver);
  }

  MemorySettingsStore store;
  ScriptedRandom random;
  SaverRun run{store, random};
  HWND saver = nullptr;
  HWND verse = nullptr;
  int asks = 0;
  int ticks = 0;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<SaverStandIn*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self && message == WM_TIMER) ++self->ticks;
    if (self && (message == WM_KEYDOWN || message == WM_LBUTTONDOWN)) RequestStop(self->run);
    return DefWindowProcA(window, message, wParam, lParam);
  }
};

// Sets the calling thread's cursor display count.
void SetCursorCount(int count) {
  int now = ShowCursor(TRUE);
  while (now > count) now = ShowCursor(FALSE);
  while (now < count) now = ShowCursor(TRUE);
}

// Asks for the password on this thread while `user` works the prompt.
void AskWhile(SaverStandIn& stage, const std::function<void(HWND)>& user,
              const char* caption = kCaption) {
  WithUser([&] { RequestStop(stage.run); },
           [&] {
             HWND prompt = WaitForDialog(caption);
             if (!prompt) return;
             user(prompt);
             if (!WaitUntilGone(caption)) Press(prompt, IDCANCEL);
           });
}

// The user's thread checks the prompt while it is up (Google Test is thread-safe here). The
// refusal of a wrong password and Cancel are driven end to end on the real saver; here the
// saver goes on ticking, further input asks no second prompt, and Alt+F4 goes back.
TEST(AskPassword, HidesTheVerseAndShowsTheTopmostPromptOverABlockedSaverThatTicksOn) {
  SaverStandIn stage;
  stage.run.flags.gLastMouseX = 5.0f;
  SetCursorCount(3);
  const DWORD thread = GetCurrentThreadId();
  AskWhile(stage, [&](HWND prompt) {
    ExpectCaptionsFit(prompt);
    EXPECT_FALSE(IsWindowVisible(stage.verse));
    EXPECT_FALSE(IsWindowEnabled(stage.saver)) << "a click on the saver must not raise it";
    EXPECT_NE(GetWindowLongA(prompt, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_TRUE(stage.run.flags.gPromptShown);
    HWND field = GetDlgItem(prompt, Id(kTxtPswd));
    EXPECT_TRUE(driver::WaitUntil([&] { return FocusOf(thread) == field; }, kWaitMs));
    EXPECT_NE(GetWindowLongA(field, GWL_STYLE) & ES_PASSWORD, 0);
    EXPECT_EQ(SendMessageA(field, EM_GETLIMITTEXT, 0, 0), 255);
    EXPECT_EQ(driver::WindowText(GetDlgItem(prompt, Id(kLabel3))),
              "\"But let none of you suffer...as a thief,...or as a busybody in other men's "
              "matters.\"  I Peter 4:15");
    // Input that reaches the saver window while the prompt is up.
    PostMessageA(stage.saver, WM_KEYDOWN, 'A', 0);
    PostMessageA(stage.verse, WM_KEYDOWN, 'B', 0);
    driver::WaitUntil([&] { return stage.asks >= 3; }, kWaitMs);
    EXPECT_EQ(std::pair(driver::CountCaption(kCaption), stage.asks), std::pair(1, 3));
    const int ticks = stage.ticks;
    EXPECT_TRUE(driver::WaitUntil([&] { return stage.ticks > ticks + 2; }, kWaitMs))
        << "the saver's timer runs on under the prompt";
    PostMessageA(prompt, WM_SYSCOMMAND, SC_CLOSE, 0);  // Alt+F4
  });

  // Back to the saver: verse shown and enabled again, cursor hidden, the next movement only
  // recorded. A count of 3 was raised once for the prompt and lowered to -1 afterwards.
  EXPECT_TRUE(IsWindowVisible(stage.verse) && IsWindowEnabled(stage.saver));
  EXPECT_FALSE(stage.run.flags.gStopRequested);
  EXPECT_EQ(stage.run.flags.gLastMouseX, 0.0f);
  EXPECT_EQ(ShowCursor(TRUE), 0);
  SetCursorCount(0);
}

// Runs with a Spanish display language (LANG=es_ES.UTF-8 under Wine; ctest's *_es entry).
TEST(AskPassword, SpanishDisplayLanguageAsksInSpanish) {
  ASSERT_EQ(PRIMARYLANGID(GetUserDefaultUILanguage()), LANG_SPANISH)
      << "needs a Spanish display language";
  UseUserInterfaceLanguage();
  SaverStandIn stage;
  bool asked = false;
  AskWhile(
      stage,
      [&](HWND prompt) {
        asked = true;
        wchar_t text[512] = {};
        GetWindowTextW(GetDlgItem(prompt, Id(kLabel1)), text, std::size(text));
        EXPECT_STREQ(text,
                     L"El protector de pantalla que est\u00e1 usando est\u00e1 protegido con "
                     L"contrase\u00f1a.  Debe escribir la contrase\u00f1a para desactivar el "
                     L"protector de pantalla.");
        ExpectCaptionsFit(prompt);
        Press(prompt, IDCANCEL);
      },
      "Protector de pantalla Sovelin");
  UseLanguage(nullptr);
  EXPECT_TRUE(asked) << "no prompt with the Spanish caption";
}

TEST(UpperCaseSystem, FollowsTheCodePageOfTheSystem) {
  // Letters in ASCII are checked on the real saver's prompt, typed as small letters.
  for (int code = 0; code < 256 && GetACP() == 1252; ++code)
    EXPECT_EQ(UpperCaseSystem(uint8_t(code)), UpperCaseWindows1252(uint8_t(code))) << code;
}

}  // namespace
}  // namespace sovelin
