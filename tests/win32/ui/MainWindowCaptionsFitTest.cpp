#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "RealPlatform.h"
#include "UiTestSupport.h"
#include "core/app/MainForm.h"
#include "win32/ui/FormWindow.h"

namespace vitrex::win32 {
namespace {

using namespace vitrex::win32::testing;

// The shipped language files, read where they lie in the source tree: the program's folder is
// made to be the tree's root.
class SourceTreeFiles : public Win32Files {
public:
    std::string ExecutablePath() override { return VITREX_SOURCE_DIR "/Vitrex.exe"; }
};

// The width a control needs for its text in its own font, and the room the control gives it.
struct Fit {
    int needed = 0;
    int room = 0;
};

std::wstring WithoutMnemonic(std::wstring text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&') text.erase(i, 1);
    }
    return text;
}

// Writes the window as it shows now to a 24-bit BMP file.
void SaveWindowPicture(HWND window, const std::string& path) {
    RECT r{};
    ::GetWindowRect(window, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP picture = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = ::SelectObject(memory, picture);
    ::BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    ::GdiFlush();
    const DWORD stride = ((width * 3 + 3) / 4) * 4;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info.bmiHeader);
    file.bfSize = file.bfOffBits + stride * height;
    if (FILE* out = std::fopen(path.c_str(), "wb")) {
        std::fwrite(&file, sizeof(file), 1, out);
        std::fwrite(&info.bmiHeader, sizeof(info.bmiHeader), 1, out);
        std::fwrite(bits, stride, height, out);
        std::fclose(out);
    }
    ::SelectObject(memory, old);
    ::DeleteObject(picture);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
}

struct CaptionsFixture : ::testing::Test {
    CaptionsFixture() {
        window = Bind(form, ::GetModuleHandleW(nullptr));
        form.SetVisible(true);
    }
    HWND H(const ui::Widget& widget) const { return window->HandleOf(widget); }
    void ChangeDpi(int dpi) const {
        RECT place{};
        ::GetWindowRect(H(form), &place);
        ::SendMessageW(H(form), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&place));
        Pump();
    }

    // Every control with a caption must show it whole: a label in one line or, when it wraps, in
    // its height; a check box or radio button beside its box; a button within its edges; a group
    // box's title within its frame.
    void ExpectCaptionsFit(const ui::Widget& parent, int dpi, const std::string& language) const {
        for (const ui::Widget* child : parent.Children()) {
            ExpectCaptionsFit(*child, dpi, language);
            const ui::WidgetKind kind = child->Kind();
            if (kind != ui::WidgetKind::Label && kind != ui::WidgetKind::Button &&
                kind != ui::WidgetKind::CheckBox && kind != ui::WidgetKind::RadioButton &&
                kind != ui::WidgetKind::GroupBox)
                continue;
            const HWND control = H(*child);
            if (control == nullptr) continue;
            const std::wstring text = WithoutMnemonic(TextOf(control));
            if (text.empty()) continue;
            const RECT client = ClientRectOf(control);
            HDC dc = ::GetDC(control);
            const HGDIOBJ old =
                ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)));
            const auto* label = dynamic_cast<const ui::Label*>(child);
            const int scale = dpi;
            if (label != nullptr && label->WordWrap()) {
                RECT needed{0, 0, client.right, 0};
                ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &needed,
                            DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
                EXPECT_LE(needed.bottom, client.bottom)
                    << language << " at " << dpi << " DPI: " << child->Name() << " wraps beyond its height";
            } else {
                SIZE size{};
                ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
                int needed = size.cx;
                if (kind == ui::WidgetKind::CheckBox || kind == ui::WidgetKind::RadioButton)
                    needed += MulDiv(13 + 6, scale, 96);  // the box and the gap after it
                if (kind == ui::WidgetKind::Button) needed += MulDiv(2 * 4, scale, 96);
                if (kind == ui::WidgetKind::GroupBox) needed += MulDiv(2 * 8, scale, 96);
                EXPECT_LE(needed, client.right) << language << " at " << dpi << " DPI: " << child->Name()
                                                << " cuts \"" << child->Caption() << "\"";
            }
            ::SelectObject(dc, old);
            ::ReleaseDC(control, dc);
        }
    }

    CommonControls6Scope controls6;
    RealPlatform<SourceTreeFiles> real;
    app::MainForm form{real.NewRun()};
    std::unique_ptr<FormWindow> window;
};

TEST_F(CaptionsFixture, EnglishAndGermanCaptionsFitTheirControlsAt96And144Dpi) {
    for (int dpi : {96, 144}) {
        if (dpi != 96) ChangeDpi(dpi);
        for (const char* language : {"en", "de"}) {
            form.LoadLanguage(language);
            Pump();
            ASSERT_EQ(form.TabAllgemein.Caption(), std::string(language) == "de" ? "Allgemein" : "Generic")
                << "the shipped file was read";
            ExpectCaptionsFit(form, dpi, language);
            // For a person to look at: VITREX_PAGE_SHOTS names a folder for a picture of each page.
            if (const char* folder = std::getenv("VITREX_PAGE_SHOTS")) {
                ::SetWindowPos(H(form), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
                for (int page = 0; page < form.Pages.PageCount(); ++page) {
                    form.ShowPage(page);
                    PumpUntil([] { return false; }, std::chrono::milliseconds(300));
                    SaveWindowPicture(H(form), std::string(folder) + "/" + language + "-" +
                                                   std::to_string(dpi) + "-page" + std::to_string(page) +
                                                   ".bmp");
                }
                form.ShowPage(0);
            }
        }
    }
}

}  // namespace
}  // namespace vitrex::win32
