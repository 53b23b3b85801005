#include <gtest/gtest.h>

#include "core/transparency/KnownWindows.h"

namespace vitrex::transparency {
namespace {

TEST(KnownWindows, KeepsTheOrderOfFirstAdditionAndEachWindowOnce) {
    KnownWindows known;
    for (WindowHandle w : {30u, 10u, 30u, 0u, 20u, 10u})
        known.Add(w);
    EXPECT_EQ(known.Windows(), (std::vector<WindowHandle>{30, 10, 0, 20}));
    EXPECT_TRUE(known.Contains(WindowHandle{0}));
    known.Clear();
    EXPECT_TRUE(known.Empty());
    EXPECT_FALSE(known.Contains(WindowHandle{30}));
    EXPECT_FALSE(known.Contains(WindowHandle{0}));
    known.Add(10);
    EXPECT_EQ(known.Windows(), (std::vector<WindowHandle>{10}));
}

TEST(KnownWindows, StaysExactWithManyWindows) {
    KnownWindows known;
    for (WindowHandle w = 4; w <= 4 * 5000; w += 4)
        known.Add(w);
    EXPECT_EQ(known.Size(), 5000u);
    for (WindowHandle w = 0; w < 4 * 5001; ++w)
        ASSERT_EQ(known.Contains(w), w % 4 == 0 && w != 0) << w;
    EXPECT_FALSE(known.Contains(WindowHandle{0xFFFFFFFFFFFFFFF0ull}));
}

}  // namespace
}  // namespace vitrex::transparency
