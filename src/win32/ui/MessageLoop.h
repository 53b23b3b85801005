#pragma once

#include <windows.h>

#include <functional>

#include "win32/ui/FormWindow.h"

namespace vitrex::win32 {

// Sees every message taken from the queue before anything else; true means it was handled
// and is not dispatched.
using MessageFilter = std::function<bool(MSG&)>;

// GetMessage until WM_QUIT: the form window sees each message first (its window-menu entries),
// then the filter, then the form's keyboard navigation, then TranslateMessage and
// DispatchMessage. Returns the WM_QUIT exit code.
int RunMessageLoop(FormWindow& window, const MessageFilter& filter = {});

}  // namespace vitrex::win32
