#pragma once

#include <windows.h>

namespace sovelin {

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
// before WM_NCCREATE, or after the object let go, go to DefWindowProcA.
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
  return (owner->*handler)(message, wParam, lParam);
}

}  // namespace sovelin
