#include <gtest/gtest.h>

#include <windows.h>

#include <cwchar>

#include "app/CrashRestoreChild.h"

int wmain(int argc, wchar_t** argv) {
    if (argc == 3 && std::wcscmp(argv[1], vitrex::win32::kCrashRestoreChildFlag) == 0)
        return vitrex::win32::RunCrashRestoreChild(argv[2]);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
