#include "win32/ui/Fonts.h"

#include "win32/platform/SystemMessage.h"
#include "win32/ui/Dpi.h"
#include "win32/ui/SystemFunction.h"

namespace vitrex::win32 {

namespace {

using SystemParametersInfoForDpiFn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);

UniqueFont CreateFontOrThrow(const LOGFONTW& logFont) {
    UniqueFont font(::CreateFontIndirectW(&logFont));
    if (!font) ThrowLastError("CreateFontIndirectW");
    return font;
}

int MeasureLineHeight(HFONT font) {
    WindowDcScope screen(nullptr);
    SelectObjectScope select(screen.Dc(), font);
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(screen.Dc(), &metrics);
    return metrics.tmHeight;
}

}  // namespace

LOGFONTW MessageFontForDpi(int dpi) {
    static const auto forDpi =
        LoadSystemFunction<SystemParametersInfoForDpiFn>(L"user32.dll", "SystemParametersInfoForDpi");
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (forDpi != nullptr &&
        forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi))) {
        return metrics.lfMessageFont;
    }
    // Older systems give the font at the system DPI only.
    if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        LOGFONTW fallback{};
        ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof fallback, &fallback);
        metrics.lfMessageFont = fallback;
    }
    WindowDcScope screen(nullptr);
    const int systemDpi = screen.Dc() == nullptr ? kDefaultDpi : ::GetDeviceCaps(screen.Dc(), LOGPIXELSX);
    metrics.lfMessageFont.lfHeight = ::MulDiv(metrics.lfMessageFont.lfHeight, dpi, systemDpi);
    return metrics.lfMessageFont;
}

FontSet::FontSet(int dpi) {
    LOGFONTW logFont = MessageFontForDpi(dpi);
    normal_ = CreateFontOrThrow(logFont);

    LOGFONTW link = logFont;
    link.lfUnderline = TRUE;
    link_ = CreateFontOrThrow(link);

    LOGFONTW bold = logFont;
    bold.lfWeight = FW_BOLD;
    bold_ = CreateFontOrThrow(bold);

    LOGFONTW heading = bold;
    heading.lfHeight = ::MulDiv(logFont.lfHeight, 3, 2);
    heading_ = CreateFontOrThrow(heading);

    lineHeight_ = MeasureLineHeight(normal_.Get());
}

HFONT FontSet::For(ui::TextStyle style) const {
    switch (style) {
        case ui::TextStyle::Bold:
            return bold_.Get();
        case ui::TextStyle::Heading:
            return heading_.Get();
        case ui::TextStyle::Link:
            return link_.Get();
        case ui::TextStyle::Normal:
        case ui::TextStyle::Warning:
            break;
    }
    return normal_.Get();
}

}  // namespace vitrex::win32
