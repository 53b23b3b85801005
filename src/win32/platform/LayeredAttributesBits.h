#pragma once

#include <windows.h>

#include "core/platform/WindowSystem.h"

namespace vitrex::win32 {

// A window's layered attributes as the system's call takes them: which of the two are given is
// said by the LWA_ flags, and a value without its flag is not used.
struct LayeredAttributesCall {
    COLORREF colorKey = 0;
    BYTE alpha = 255;
    DWORD flags = 0;
};

inline LayeredAttributesCall ToLayeredCall(const LayeredAttributes& attributes) {
    return {attributes.colorKey.value_or(0), attributes.alpha.value_or(255),
            (attributes.colorKey ? DWORD{LWA_COLORKEY} : 0) | (attributes.alpha ? DWORD{LWA_ALPHA} : 0)};
}

inline LayeredAttributes FromLayeredCall(COLORREF colorKey, BYTE alpha, DWORD flags) {
    LayeredAttributes attributes;
    if ((flags & LWA_COLORKEY) != 0) attributes.colorKey = colorKey;
    if ((flags & LWA_ALPHA) != 0) attributes.alpha = alpha;
    return attributes;
}

}  // namespace vitrex::win32
