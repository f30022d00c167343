// Nothing the module throws may reach the host: between an exported entry point or a
// window or dialog procedure and the application lie the system's frames, which cannot
// unwind an exception, and the application would end. Each of them that can throw runs its
// body through Guarded, once; a failure answers as a refused call does.
#pragma once

#include <windows.h>

template <typename Result, typename Body>
Result Guarded(Result refused, Body&& body) noexcept {
  try {
    return body();
  } catch (...) {
    return refused;
  }
}

template <typename Body>
void Guarded(Body&& body) noexcept {
  try {
    body();
  } catch (...) {
  }
}

// The messages of one of the module's windows; a message whose handling failed answers 0.
using MessageHandler = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);
inline LRESULT GuardedMessage(MessageHandler handler, HWND window, UINT message, WPARAM wParam,
                              LPARAM lParam) noexcept {
  return Guarded<LRESULT>(0, [&] { return handler(window, message, wParam, lParam); });
}
