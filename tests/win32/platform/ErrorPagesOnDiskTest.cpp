#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "core/i18n/Catalogue.h"
#include "core/i18n/IniFile.h"
#include "core/views/web/WebPage.h"
#include "testing/FakeShell.h"
#include "win32/platform/TextConvert.h"
#include "win32/platform/Win32Files.h"
#include "win32/platform/Win32OperatingSystem.h"

namespace vitrex::win32 {
namespace {

// A folder of its own named by the "temp" variable for the length of a test; both are put back.
class TempVariable {
public:
    TempVariable() {
        wchar_t old[MAX_PATH + 1] = {};
        hadOld_ = ::GetEnvironmentVariableW(L"temp", old, MAX_PATH + 1) > 0;
        old_ = old;
        wchar_t temp[MAX_PATH + 1] = {};
        ::GetTempPathW(MAX_PATH + 1, temp);
        folder_ = std::wstring(temp) + L"Vitrex pages " + std::to_wstring(::GetCurrentProcessId());
        ::CreateDirectoryW(folder_.c_str(), nullptr);
        ::SetEnvironmentVariableW(L"temp", folder_.c_str());
    }
    ~TempVariable() {
        for (const wchar_t* name : {L"\\vtxerror1.html", L"\\vtxerror2.html"})
            ::DeleteFileW((folder_ + name).c_str());
        ::RemoveDirectoryW(folder_.c_str());
        ::SetEnvironmentVariableW(L"temp", hadOld_ ? old_.c_str() : nullptr);
    }
    TempVariable(const TempVariable&) = delete;
    TempVariable& operator=(const TempVariable&) = delete;
    std::string Folder() const { return Narrow(folder_); }

private:
    std::wstring folder_;
    std::wstring old_;
    bool hadOld_ = false;
};

std::string Bytes(const std::string& path) {
    return Win32Files().ReadWholeFile(path);
}

TEST(ErrorPagesOnDisk, BothFilesAreWrittenByteForByteInTheSystemsCodePage) {
    TempVariable temp;
    ui::WebBrowser browser{"WebBrowser", nullptr, {}};
    ui::Panel message{"WebBrowserMessage", nullptr, {}};
    ui::Label text{"WebBrowserMessageText", &message, {}};
    ui::Label link{"WebBrowserMessageLink", &message, {}};
    ui::Timer wait{"WebBrowserWait", nullptr, 1, false};
    Win32Files files;
    Win32OperatingSystem system;
    fakes::FakeShell shell;
    // As a translator's editor saves it: UTF-8 with its byte-order mark.
    i18n::Catalogue german;
    views::web::WebPage page{
        {browser, message, text, link, wait}, files, system, shell, "http://127.0.0.1/", german};
    german.Load(
        i18n::IniFile::Parse("\xEF\xBB\xBF[Other]\r\nSiteNotFound1=Die Seite konnte nicht geladen werden!\r\n"
                             "SiteNotFound2=Bitte <b>prüfen</b>.\r\n",
                             files));
    browser.OnDocumentComplete = [&] { page.WebBrowserDocumentComplete(); };

    browser.UserDocumentComplete("Error");

    EXPECT_EQ(browser.RequestedUrl(), temp.Folder() + "\\vtxerror1.html");
    EXPECT_EQ(
        Bytes(temp.Folder() + "\\vtxerror1.html"),
        "<!-- saved from url=(0014)about:internet --><html><head><title>Vitrex WebBrowser</title></head>"
        "<frameset cols=\"*\"><frame "
        "src=\"vtxerror2.html\" name=\"page\" scrolling=\"no\"></frameset></html>\r\n");
    EXPECT_EQ(
        Bytes(temp.Folder() + "\\vtxerror2.html"),
        "<!-- saved from url=(0014)about:internet --><html><head><title>Vitrex WebBrowser</title><style> "
        "html, body, td {  background: Menu;  color: "
        "ButtonText;  font: 12px sans-serif,Tahoma,Verdana;  margin: 0px;  padding: 0px; }</style></head>"
        "<body><table border=\"0\" cellspacing=\"5\" cellpadding=\"0\" width=\"100%\" height=\"100%\"><tr>"
        "<td valign=\"middle\" align=\"center\">Die Seite konnte nicht geladen werden!<br>Bitte <b>pr\xFC"
        "fen</b>.</td></tr></table></body></html>\r\n");
}

TEST(ErrorPagesOnDisk, TheUsersTemporaryFolderHasNoTrailingSeparatorAndExists) {
    const std::string folder = Win32Files().TemporaryFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '\\');
    const DWORD attributes = ::GetFileAttributesW(Widen(folder).c_str());
    EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY));
}

}  // namespace
}  // namespace vitrex::win32
