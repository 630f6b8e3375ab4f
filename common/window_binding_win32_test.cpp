#include "common/window_binding_win32.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>

namespace sovelin {
namespace {

using Error = std::pair<int, std::string>;  // number and text
Error gError;                               // the last error reported

struct Thrower {
  HWND window = nullptr;
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER) throw std::runtime_error("timer failed");
    if (message == WM_USER + 1) throw std::bad_alloc();
    return DefWindowProcA(window, message, wParam, lParam);
  }
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DispatchToOwner(window, message, wParam, lParam, &Thrower::window, &Thrower::Handle);
  }
};

INT_PTR CALLBACK ThrowingDialogBody(HWND, UINT, WPARAM, LPARAM) {
  throw std::logic_error("dialog failed");
}

TEST(WindowBinding, AnErrorThrownInAProcedureGoesToTheErrorHandler) {
  SetWindowErrorHandler([](int number, const char* text) { gError = {number, text}; });
  ASSERT_TRUE(
      RegisterWindowClass(GetModuleHandleA(nullptr), "SovelinThrower", &Thrower::Procedure));
  Thrower thrower;
  HWND window = CreateWindowExA(0, "SovelinThrower", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleA(nullptr), &thrower);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(SendMessageA(window, WM_USER, 0, 0), 0);
  EXPECT_EQ(gError, Error(5, "timer failed"));
  SendMessageA(window, WM_USER + 1, 0, 0);
  EXPECT_EQ(gError, Error(7, "Out of memory"));
  EXPECT_EQ(GuardedDialogProcedure<&ThrowingDialogBody>(window, WM_COMMAND, 0, 0), FALSE);
  EXPECT_EQ(gError, Error(5, "dialog failed"));
  DestroyWindow(window);
  SetWindowErrorHandler(nullptr);
}

}  // namespace
}  // namespace sovelin
