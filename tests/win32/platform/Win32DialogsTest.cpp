#include <gtest/gtest.h>

#include "win32/platform/Win32Dialogs.h"

namespace vitrex::win32 {
namespace {

TEST(Win32Dialogs, FiltersBecomeNulSeparatedPairsWithADoubleEnd) {
    const std::wstring filter = FilterForDialog("Programs|*.exe|All Files|*.*");
    EXPECT_EQ(filter, std::wstring(L"Programs\0*.exe\0All Files\0*.*\0\0", 30));
    EXPECT_EQ(FilterForDialog("Liste \xC3\xA4|*.lst"), std::wstring(L"Liste \u00e4\0*.lst\0\0", 15));
}

}  // namespace
}  // namespace vitrex::win32
