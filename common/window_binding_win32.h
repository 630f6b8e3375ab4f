#pragma once

#include <windows.h>

#include <exception>
#include <new>

namespace sovelin {

// What a window or dialog procedure does with an error its handler throws, which must not pass
// through the window system: called with the error's number (7 out of memory, 5 any other) and
// description. The program sets it once, to its error box; until then the process ends.
using WindowErrorHandler = void (*)(int number, const char* description);

inline WindowErrorHandler& WindowErrorHandlerSlot() {
  static WindowErrorHandler handler = nullptr;
  return handler;
}

inline void SetWindowErrorHandler(WindowErrorHandler handler) {
  WindowErrorHandlerSlot() = handler;
}

// Runs a procedure's body; an exception goes to the error handler, and `fallback` is returned.
template <typename Result, typename Body>
Result CallGuarded(Result fallback, Body&& body) noexcept {
  auto report = [](int number, const char* description) {
    if (WindowErrorHandler handler = WindowErrorHandlerSlot()) {
      handler(number, description);
    } else {
      ExitProcess(1);
    }
  };
  try {
    return body();
  } catch (const std::bad_alloc&) {
    report(7, "Out of memory");
  } catch (const std::exception& error) {
    report(5, error.what());
  } catch (...) {
    report(5, "Unknown error");
  }
  return fallback;
}

// A dialog procedure that hands errors its body throws to the error handler.
template <DLGPROC Procedure>
INT_PTR CALLBACK GuardedDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallGuarded<INT_PTR>(FALSE, [&] { return Procedure(dialog, message, wParam, lParam); });
}

// Registers a window class with the arrow cursor and no background brush (the windows paint
// all of themselves); true also when the class exists already.
inline bool RegisterWindowClass(HINSTANCE instance, const char* name, WNDPROC procedure,
                                UINT style = 0) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.style = style;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.lpszClassName = name;
  return RegisterClassExA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// The body of a window procedure for a window bound to its C++ object: the object's address
// comes in CreateWindowEx's last parameter and is kept in GWLP_USERDATA from WM_NCCREATE on;
// the object learns its window handle then and forgets it at WM_NCDESTROY. Messages that come
// before WM_NCCREATE, or after the object let go, go to DefWindowProcA. An exception from the
// handler goes to the window error handler.
template <typename Owner>
LRESULT DispatchToOwner(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                        HWND Owner::*handle, LRESULT (Owner::*handler)(UINT, WPARAM, LPARAM)) {
  if (message == WM_NCCREATE) {
    auto* owner = static_cast<Owner*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    owner->*handle = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
  }
  auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!owner) return DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    owner->*handle = nullptr;
    return DefWindowProcA(window, message, wParam, lParam);
  }
  return CallGuarded<LRESULT>(0, [&] { return (owner->*handler)(message, wParam, lParam); });
}

}  // namespace sovelin
