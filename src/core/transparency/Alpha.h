#pragma once

#include <cstdint>

#include "core/platform/WindowSystem.h"

namespace vitrex::transparency {

// The layered alpha (255 opaque) for a transparency percentage (0 opaque, 100 invisible):
// floor((100 - percent) * 255 / 100) in integers, so 0 % is 255 and 50 % is 127. Percentages
// outside 0..100 are held to that range.
std::uint8_t TransparencyToAlpha(int percent);

// Makes the window layered with the alpha for `percent`. False, and the window untouched, when
// the system lacks the layered-attributes function; otherwise true, whether or not the window
// took it (callers never act on the result).
bool SetWindowTransparency(WindowSystem& windows, WindowHandle window, int percent);

// As SetWindowTransparency, telling how it ended: Refused when the window's program runs with
// higher rights (then its alpha is not asked for either).
WindowChange ApplyTransparency(WindowSystem& windows, WindowHandle window, int percent);

// The transparency percentage whose alpha is nearest to `alpha`: the one it was made from, for an
// alpha this program gave.
int AlphaToTransparency(std::uint8_t alpha);

// Takes the layered style away, so the window is drawn opaque again. Always true.
bool ClearWindowTransparency(WindowSystem& windows, WindowHandle window);

}  // namespace vitrex::transparency
