#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "../../common/WaitUntil.h"
#include "win32/UniqueHandle.h"
#include "win32/platform/Win32WindowSystem.h"
#include "win32/platform/WindowHandle.h"
#include "win32/platform/WindowIcon.h"
#include "win32/ui/BitmapGdi.h"

namespace vitrex::win32 {
namespace {

using Clock = std::chrono::steady_clock;

constexpr wchar_t kClassWithIcon[] = L"VitrexTestClassIcon";
constexpr wchar_t kClassWithoutIcon[] = L"VitrexTestNoClassIcon";

LRESULT CALLBACK PlainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    return ::DefWindowProcW(window, message, wParam, lParam);
}

void RegisterClasses() {
    static const bool registered = [] {
        WNDCLASSEXW withIcon{};
        withIcon.cbSize = sizeof withIcon;
        withIcon.lpfnWndProc = PlainProc;
        withIcon.hInstance = ::GetModuleHandleW(nullptr);
        withIcon.lpszClassName = kClassWithIcon;
        withIcon.hIcon = ::LoadIconW(nullptr, IDI_WARNING);
        withIcon.hIconSm = ::LoadIconW(nullptr, IDI_WARNING);
        WNDCLASSEXW without = withIcon;
        without.lpszClassName = kClassWithoutIcon;
        without.hIcon = nullptr;
        without.hIconSm = nullptr;
        return ::RegisterClassExW(&withIcon) != 0 && ::RegisterClassExW(&without) != 0;
    }();
    ASSERT_TRUE(registered);
}

// A top-level window made and served by a thread of its own, as another program's window is
// served by that program. With `hang` the thread stops answering once the window is up.
class ForeignWindow {
public:
    struct Options {
        const wchar_t* className = kClassWithoutIcon;
        std::wstring title = L"Vitrex foreign window";
        HICON smallIcon = nullptr;
        HICON bigIcon = nullptr;
        bool hang = false;
    };

    explicit ForeignWindow(Options options) : release_(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
        RegisterClasses();
        thread_ = std::thread([this, options] { Run(options); });
        while (!ready_)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ~ForeignWindow() {
        ::SetEvent(release_.Get());
        if (window_ != nullptr) ::PostMessageW(window_, WM_CLOSE, 0, 0);
        thread_.join();
    }
    ForeignWindow(const ForeignWindow&) = delete;
    ForeignWindow& operator=(const ForeignWindow&) = delete;

    HWND Handle() const { return window_; }
    WindowHandle Number() const { return FromHwnd(window_); }
    bool Gone() const { return done_; }

private:
    void Run(const Options& options) {
        window_ = ::CreateWindowExW(0, options.className, options.title.c_str(), WS_OVERLAPPEDWINDOW, 20, 20,
                                    240, 120, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
        if (options.smallIcon != nullptr)
            ::SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(options.smallIcon));
        if (options.bigIcon != nullptr)
            ::SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(options.bigIcon));
        ready_ = true;
        if (options.hang) ::WaitForSingleObject(release_.Get(), INFINITE);
        MSG message{};
        while (::IsWindow(window_) && ::GetMessageW(&message, nullptr, 0, 0) > 0) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        if (::IsWindow(window_)) ::DestroyWindow(window_);
        done_ = true;
    }

    UniqueHandle release_;
    std::thread thread_;
    HWND window_ = nullptr;
    std::atomic<bool> ready_ = false;
    std::atomic<bool> done_ = false;
};

int OpaquePixels(const imaging::Bitmap& picture) {
    int count = 0;
    for (std::uint32_t pixel : picture.pixels)
        count += (pixel >> 24) == 0xFF ? 1 : 0;
    return count;
}

int SmallIconSize() {
    return ::GetSystemMetrics(SM_CXSMICON);
}

struct WindowCommands : ::testing::Test {
    Win32WindowSystem windows;
};

TEST_F(WindowCommands, IconComesFromTheClassThenTheWindowsSmallThenItsBigIcon) {
    ForeignWindow classIcon({kClassWithIcon});
    ForeignWindow smallIcon({kClassWithoutIcon, L"small", ::LoadIconW(nullptr, IDI_ERROR)});
    ForeignWindow bigIcon({kClassWithoutIcon, L"big", nullptr, ::LoadIconW(nullptr, IDI_INFORMATION)});
    ForeignWindow none({kClassWithoutIcon, L"none"});

    for (const ForeignWindow* window : {&classIcon, &smallIcon, &bigIcon}) {
        const WindowIcon icon = windows.SmallIconOf(window->Number(), 200);
        ASSERT_TRUE(icon.picture.has_value());
        EXPECT_EQ(icon.picture->width, SmallIconSize());
        EXPECT_EQ(icon.picture->height, SmallIconSize());
        EXPECT_GT(OpaquePixels(*icon.picture), 0);
        EXPECT_LT(OpaquePixels(*icon.picture), SmallIconSize() * SmallIconSize()) << "the corners are clear";
        EXPECT_FALSE(icon.timedOut);
    }
    const WindowIcon missing = windows.SmallIconOf(none.Number(), 200);
    EXPECT_FALSE(missing.picture.has_value());
    EXPECT_FALSE(missing.timedOut);
}

TEST_F(WindowCommands, AWindowWhoseThreadDoesNotAnswerGetsNoIconAfterTheWait) {
    ForeignWindow hung({kClassWithoutIcon, L"hung", ::LoadIconW(nullptr, IDI_ERROR), nullptr, true});
    const auto start = Clock::now();
    const WindowIcon icon = windows.SmallIconOf(hung.Number(), 200);
    const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
    EXPECT_TRUE(icon.timedOut);
    EXPECT_FALSE(icon.picture.has_value());
    EXPECT_GE(waited.count(), 150);
    EXPECT_LT(waited.count(), 1000) << "one wait, not one per question";
}

TEST_F(WindowCommands, IconOfAWindowThatIsGoneIsNothing) {
    WindowHandle gone = 0;
    {
        ForeignWindow window({kClassWithIcon});
        gone = window.Number();
    }
    const WindowIcon icon = windows.SmallIconOf(gone, 200);
    EXPECT_FALSE(icon.picture.has_value());
    EXPECT_FALSE(icon.timedOut);
}

TEST_F(WindowCommands, PostedCloseEndsTheWindowWithoutWaitingForIt) {
    ForeignWindow window({kClassWithoutIcon, L"to be closed"});
    windows.PostSystemCommand(window.Number(), SystemCommand::Close);
    vitrex::testing::WaitUntil([&] { return !::IsWindow(window.Handle()); }, std::chrono::seconds(5));
    EXPECT_FALSE(::IsWindow(window.Handle())) << "SC_CLOSE became WM_CLOSE";
}

TEST_F(WindowCommands, MaximiseAndRestoreArePostedAndZoomedReportsTheState) {
    ForeignWindow window({kClassWithoutIcon, L"to be maximised"});
    ::ShowWindow(window.Handle(), SW_SHOWNOACTIVATE);
    EXPECT_FALSE(windows.IsZoomed(window.Number()));
    windows.PostSystemCommand(window.Number(), SystemCommand::Maximize);
    vitrex::testing::WaitUntil([&] { return windows.IsZoomed(window.Number()); }, std::chrono::seconds(5));
    EXPECT_TRUE(windows.IsZoomed(window.Number()));
    windows.PostSystemCommand(window.Number(), SystemCommand::Restore);
    vitrex::testing::WaitUntil([&] { return !windows.IsZoomed(window.Number()); }, std::chrono::seconds(5));
    EXPECT_FALSE(windows.IsZoomed(window.Number()));
    windows.PostSystemCommand(window.Number(), SystemCommand::Minimize);
    vitrex::testing::WaitUntil([&] { return ::IsIconic(window.Handle()) != FALSE; }, std::chrono::seconds(5));
    EXPECT_TRUE(::IsIconic(window.Handle())) << "SC_MINIMIZE";
}

TEST_F(WindowCommands, NewTitleIsTakenWholeAndAHungWindowDoesNotHoldUsUp) {
    ForeignWindow window({kClassWithoutIcon, L"old"});
    const std::string longTitle = "\xC3\x9C" + std::string(400, 'n');
    windows.SetText(window.Number(), longTitle);
    EXPECT_EQ(windows.FullTextOf(window.Number()), longTitle);
    EXPECT_EQ(windows.TextOf(window.Number()).size(), 2u + 259u) << "the short form stops at 260 characters";
    windows.SetText(window.Number(), "");
    EXPECT_EQ(windows.FullTextOf(window.Number()), "");

    ForeignWindow hung({kClassWithoutIcon, L"hung title", nullptr, nullptr, true});
    const auto start = Clock::now();
    windows.SetText(hung.Number(), "never");
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(3));
    // Read without a message: a window of this process would be asked for its text.
    wchar_t title[32] = {};
    ::InternalGetWindowText(hung.Handle(), title, 32);
    EXPECT_STREQ(title, L"hung title");
}

TEST(IconPicture, KeepsTheIconsAlphaAndColours) {
    imaging::Bitmap source{16, 16, std::vector<std::uint32_t>(256, 0)};
    for (int y = 4; y < 12; ++y) {
        for (int x = 4; x < 12; ++x)
            source.pixels[y * 16 + x] = 0xFF2060C0u;
    }
    source.pixels[0] = 0x80FF0000u;
    UniqueIcon icon = CreateIconFromBitmap(source, 16);
    ASSERT_TRUE(icon);
    const std::optional<imaging::Bitmap> picture = IconToBitmap(icon.Get(), 16);
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->At(8, 8), 0xFF2060C0u);
    EXPECT_EQ(picture->At(1, 1) >> 24, 0u);
    EXPECT_NEAR(static_cast<int>(picture->At(0, 0) >> 24), 0x80, 2);
    EXPECT_NEAR(static_cast<int>((picture->At(0, 0) >> 16) & 0xFF), 0xFF, 3);

    EXPECT_FALSE(IconToBitmap(nullptr, 16).has_value());
}

TEST(IconPicture, AMaskedIconIsClearWhereItsMaskSaysSo) {
    // A 1-bit icon: the top half transparent (AND 1, XOR 0), the bottom half black.
    BYTE andMask[32 * 4] = {};
    BYTE xorMask[32 * 4] = {};
    for (int row = 0; row < 16; ++row) {
        for (int byte = 0; byte < 4; ++byte)
            andMask[row * 4 + byte] = 0xFF;
    }
    UniqueIcon icon(::CreateIcon(::GetModuleHandleW(nullptr), 32, 32, 1, 1, andMask, xorMask));
    ASSERT_TRUE(icon);
    const std::optional<imaging::Bitmap> picture = IconToBitmap(icon.Get(), 32);
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->At(5, 5) >> 24, 0u);
    EXPECT_EQ(picture->At(5, 25), 0xFF000000u);
}

}  // namespace
}  // namespace vitrex::win32
