#include "update/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vitrex::update {
namespace {

// Splits a command line as CommandLineToArgvW (and the C runtime's startup) reads arguments after
// the program's name: 2n backslashes before a quote are n and the quote opens or closes, 2n+1 are
// n and a literal quote; other backslashes are literal; blanks outside quotes separate.
std::vector<std::wstring> SplitLikeWindows(const std::wstring& line) {
    std::vector<std::wstring> arguments;
    std::wstring current;
    bool inQuotes = false;
    bool any = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const wchar_t c = line[i];
        if (c == L'\\') {
            std::size_t count = 0;
            while (i < line.size() && line[i] == L'\\')
                ++count, ++i;
            if (i < line.size() && line[i] == L'"') {
                current.append(count / 2, L'\\');
                if (count % 2 == 1) {
                    current += L'"';
                } else {
                    inQuotes = !inQuotes;
                }
            } else {
                current.append(count, L'\\');
                --i;
            }
            any = true;
        } else if (c == L'"') {
            inQuotes = !inQuotes;
            any = true;
        } else if ((c == L' ' || c == L'\t') && !inQuotes) {
            if (any) arguments.push_back(current);
            current.clear();
            any = false;
        } else {
            current += c;
            any = true;
        }
    }
    if (any) arguments.push_back(current);
    return arguments;
}

TEST(QuoteArgument, EveryArgumentReadsBackWhole) {
    const std::vector<std::wstring> arguments = {
        L"C:\\Users\\Anna Maria\\AppData\\Local\\Temp\\Vitrex-update-12.msi",
        L"plain",
        L"",
        L"tab\there",
        L"say \"hi\"",
        L"C:\\folder with blank\\",
        L"ends in two\\\\",
        L"a\\\\\"b",
        L"\\\\server\\share\\x.msi",
        L"\"",
    };
    for (const std::wstring& argument : arguments) {
        const std::wstring line = QuoteArgument(argument) + L" next";
        const std::vector<std::wstring> back = SplitLikeWindows(line);
        ASSERT_EQ(back.size(), 2u) << "one argument, then the next, for: "
                                   << std::string(line.begin(), line.end());
        EXPECT_EQ(back[0], argument);
        EXPECT_EQ(back[1], L"next");
    }
}

TEST(QuoteArgument, APlainArgumentStaysAsItIsAndAnEmptyOneIsQuoted) {
    EXPECT_EQ(QuoteArgument(L"C:\\Windows\\System32\\msiexec.exe"), L"C:\\Windows\\System32\\msiexec.exe");
    EXPECT_EQ(QuoteArgument(L""), L"\"\"");
    EXPECT_EQ(QuoteArgument(L"a b\\"), L"\"a b\\\\\"") << "the closing quote is not escaped";
}

TEST(InstallCommandLine, InstallsThePackageQuietlyWithoutARestart) {
    const std::wstring line = InstallCommandLine(L"C:\\Windows\\System32\\msiexec.exe",
                                                 L"C:\\Users\\A B\\Temp\\Vitrex-update-7.msi");
    EXPECT_EQ(SplitLikeWindows(line), (std::vector<std::wstring>{L"C:\\Windows\\System32\\msiexec.exe", L"/i",
                                                                 L"C:\\Users\\A B\\Temp\\Vitrex-update-7.msi",
                                                                 L"/passive", L"REBOOT=ReallySuppress"}));
}

TEST(RemovalCommandLine, NamesOnlyTheFolderRelativeToCmdsWorkingFolderAndIsBounded) {
    const std::wstring name = PrivateFolderName(
        {0x00, 0x01, 0x7f, 0x80, 0xff, 0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0x70, 0x8a, 0x9b, 0xac, 0xbd});
    EXPECT_EQ(name, L"Vitrex-update-00017f80ff102030405060708a9bacbd");
    const std::wstring line = RemovalCommandLine(L"C:\\Windows\\System32\\cmd.exe", name, 30);
    EXPECT_EQ(line, L"C:\\Windows\\System32\\cmd.exe /d /q /c for /l %i in (1,1,30) do @if exist " + name +
                        L" (ping -n 2 127.0.0.1 >nul & rd /s /q " + name + L" 2>nul )");
    // cmd expands "%X%" even inside quotes and runs what follows "&": no path or other name reaches
    // its command line.
    for (const wchar_t* bad : {L"", L"Vitrex-update-%TEMP%", L"C:\\Temp\\Vitrex-update-1", L"a b", L"a&b",
                               L"\"a\"", L"a^b", L"..", L"a!b"}) {
        EXPECT_THROW(RemovalCommandLine(L"cmd.exe", bad, 30), std::invalid_argument);
    }
}

}  // namespace
}  // namespace vitrex::update
