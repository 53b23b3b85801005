#include "win32/UniqueHandle.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace vitrex::win32 {
namespace {

// A closer that records what it closes; 0 is the empty value.
struct CountingTraits {
    using Handle = int;
    static constexpr Handle Empty() noexcept { return 0; }
    static void Close(Handle handle) noexcept { closed.push_back(handle); }
    static inline std::vector<int> closed;
};
using Counted = UniqueHandleOf<CountingTraits>;

struct UniqueHandleTest : ::testing::Test {
    UniqueHandleTest() { CountingTraits::closed.clear(); }
};

TEST_F(UniqueHandleTest, ClosesEachHandleExactlyOnceWhateverPathOwnershipTakes) {
    {
        Counted a(1);
        Counted b(std::move(a));
        EXPECT_FALSE(a);
        Counted c(2);
        c = std::move(b);  // closes 2, takes 1
        EXPECT_EQ(c.Get(), 1);
        c = std::move(c);  // self-move keeps the handle
        EXPECT_EQ(c.Get(), 1);
        Counted empty;
    }
    EXPECT_EQ(CountingTraits::closed, (std::vector<int>{2, 1}));
}

TEST_F(UniqueHandleTest, ResetPutAndReleaseDecideWhatIsClosed) {
    Counted handle(5);
    handle.Reset(6);
    *handle.Put() = 7;  // an out parameter: 6 is closed first
    const int released = Counted(8).Release();
    EXPECT_EQ(released, 8);
    handle.Reset();
    handle.Reset();
    EXPECT_EQ(CountingTraits::closed, (std::vector<int>{5, 6, 7}));
}

TEST(UniqueHandleAliasesTest, FreeTheRealObjects) {
    HGDIOBJ brushHandle = nullptr;
    {
        UniqueBrush brush(::CreateSolidBrush(RGB(1, 2, 3)));
        brushHandle = brush.Get();
        ASSERT_EQ(::GetObjectType(brushHandle), static_cast<DWORD>(OBJ_BRUSH));
    }
    EXPECT_EQ(::GetObjectType(brushHandle), 0u);

    UniqueWindow window(
        ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr));
    const HWND raw = window.Get();
    window.Reset();
    EXPECT_FALSE(::IsWindow(raw));

    // Toolhelp and CreateFile report failure as INVALID_HANDLE_VALUE; that is not owned.
    UniqueFileHandle none;
    EXPECT_FALSE(none);
    UniqueFileHandle file(
        ::CreateFileW(L"Z:\\nonexistent\\vitrex", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_FALSE(file);
}

TEST(UniqueHandleAliasesTest, ScopesPutBackWhatWasSelectedAndValidateThePaint) {
    UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    UniqueFont font(::CreateFontW(-20, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, L"Tahoma"));
    const HGDIOBJ original = ::GetCurrentObject(dc.Get(), OBJ_FONT);
    {
        SelectObjectScope select(dc.Get(), font.Get());
        EXPECT_EQ(::GetCurrentObject(dc.Get(), OBJ_FONT), font.Get());
    }
    EXPECT_EQ(::GetCurrentObject(dc.Get(), OBJ_FONT), original);

    UniqueWindow window(::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                                          nullptr, nullptr, nullptr));
    ::InvalidateRect(window.Get(), nullptr, FALSE);
    ASSERT_TRUE(::GetUpdateRect(window.Get(), nullptr, FALSE));
    { PaintScope paint(window.Get()); }
    EXPECT_FALSE(::GetUpdateRect(window.Get(), nullptr, FALSE));
}

}  // namespace
}  // namespace vitrex::win32
