#pragma once

#include <exception>

#include "core/ui/Component.h"

namespace vitrex::win32 {

// A failure caught where nothing may unwind any further (the edge of a window procedure, the
// message loop): handed to the dispatch boundary of the sender's form, which logs it under its
// own class name with the sender as its source. Without a sender or a dispatcher it goes to the
// debugger's output, the only witness left.
void ReportFailure(const ui::Component* sender, std::exception_ptr failure) noexcept;

}  // namespace vitrex::win32
