#pragma once

#include <windows.h>

#include "core/ui/Controls.h"
#include "win32/UniqueHandle.h"

namespace vitrex::win32 {

// The fonts of a form at one DPI: the system's message font and its variants for the text
// styles of labels. Rebuilt when the window moves to a monitor with another DPI.
class FontSet {
public:
    explicit FontSet(int dpi);

    HFONT For(ui::TextStyle style) const;
    HFONT Normal() const { return normal_.Get(); }
    HFONT Bold() const { return bold_.Get(); }
    // Height of a line of normal text in pixels (ascent plus descent).
    int LineHeight() const { return lineHeight_; }

private:
    UniqueFont normal_;
    UniqueFont bold_;
    UniqueFont heading_;
    UniqueFont link_;
    int lineHeight_ = 0;
};

// The system message font (NONCLIENTMETRICS lfMessageFont) as it is at `dpi`.
LOGFONTW MessageFontForDpi(int dpi);

}  // namespace vitrex::win32
