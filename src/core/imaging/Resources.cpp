#include "core/imaging/Resources.h"

#include <string>
#include <string_view>

#include "core/imaging/EmbeddedFiles.h"
#include "core/imaging/JpegDecoder.h"

namespace vitrex::resources {
namespace {

std::span<const std::uint8_t> Find(std::string_view name) {
    for (const EmbeddedFile& file : EmbeddedFiles())
        if (file.name == name) return file.bytes;
    return {};
}

std::string_view IconName(PanelIcon icon) {
    switch (icon) {
        case PanelIcon::Logo:
            return "logo";
        case PanelIcon::Settings:
            return "settings";
        case PanelIcon::State:
            return "state";
        case PanelIcon::Update:
            return "update";
    }
    return "logo";
}

constexpr int kHighDpi = 144;

}  // namespace

std::span<const std::uint8_t> DonateJpeg() {
    return Find("donate.jpg");
}
std::span<const std::uint8_t> DonateJpeg2x() {
    return Find("donate-2x.jpg");
}

std::optional<imaging::Bitmap> DonatePicture(int dpi) {
    return imaging::DecodeJpeg(dpi >= kHighDpi ? DonateJpeg2x() : DonateJpeg());
}

imaging::Bitmap PanelIconBitmap(PanelIcon icon, int sizePx) {
    const int size = sizePx > 16 ? 32 : 16;
    const std::string name = "icons/" + std::string(IconName(icon)) + "-" + std::to_string(size) + ".rgba";
    const std::span<const std::uint8_t> rgba = Find(name);
    imaging::Bitmap picture;
    const std::size_t count = std::size_t(size) * size;
    if (rgba.size() != count * 4) return picture;  // only if the build embedded a wrong file
    picture.width = size;
    picture.height = size;
    picture.pixels.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* p = &rgba[i * 4];
        picture.pixels[i] =
            std::uint32_t(p[3]) << 24 | std::uint32_t(p[0]) << 16 | std::uint32_t(p[1]) << 8 | p[2];
    }
    return picture;
}

}  // namespace vitrex::resources
