#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "core/imaging/Bitmap.h"

namespace vitrex::resources {

// The donation badge of the welcome and about pages as JPEG: 110 x 40 pixels, and 220 x 80 drawn
// for 200 % so it stays crisp on high-DPI monitors.
std::span<const std::uint8_t> DonateJpeg();
std::span<const std::uint8_t> DonateJpeg2x();

// The badge decoded, in the version that suits a monitor of `dpi` (the 2x one from 144 DPI up,
// where scaling the small one would blur it). No picture only if the embedded file is damaged.
std::optional<imaging::Bitmap> DonatePicture(int dpi);

// Small pictures of the task-panel groups: the program's logo (XPBarVTX), a gear (XPBarConfig)
// and a status light (XPBarStatus); and the update notice's arrow (TrayUpdate).
enum class PanelIcon { Logo, Settings, State, Update };

// 16 x 16, or 32 x 32 when more than 16 pixels are asked for. Pixels 0xAARRGGBB with straight
// (not premultiplied) alpha: the corners and the gaps are transparent.
imaging::Bitmap PanelIconBitmap(PanelIcon icon, int sizePx);

}  // namespace vitrex::resources
