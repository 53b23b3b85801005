// The program lists a user imports from a file, and the same text stored as the exceptions list
// in the settings: both are read by one set of rules and must survive being written back.
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "core/app/settings/NoABList.h"
#include "core/views/exceptions/ListFile.h"
#include "testing/FakeFiles.h"

using namespace vitrex;
using fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::Text(data, size);
    namespace lists = views::exceptions;

    const std::vector<std::string> entries = lists::ParseListText(text);
    std::size_t total = 0;
    for (const std::string& entry : entries) {
        Require(entry.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos,
                "no entry holds a line break or a zero byte");
        total += entry.size();
    }
    Require(total <= text.size(), "entries hold no more than the text");
    Require(lists::ParseListText(lists::FormatListText(entries)) == entries,
            "a written list reads back the same");

    // The registry's copy: the same rules, the same round trip.
    const std::vector<std::string> stored = settings::SplitNoABList(text);
    Require(stored == entries, "the stored list reads as the list file does");
    Require(settings::SplitNoABList(settings::JoinNoABList(stored)) == stored,
            "a stored list reads back the same");

    // Through the file system, with the code page: whatever was read is written and read again
    // unchanged.
    fakes::FakeFiles files;
    files.Seed("C:\\lists\\in.lst", std::string(text));
    const std::vector<std::string> read = lists::ReadListFile(files, "C:\\lists\\in.lst");
    for (const std::string& entry : read)
        Require(fuzz::IsUtf8(entry), "an ANSI list reads as well-formed UTF-8");
    lists::WriteListFile(files, "C:\\lists\\out.lst", read);
    Require(lists::ReadListFile(files, "C:\\lists\\out.lst") == read, "an exported list imports the same");

    // The export's file name, from a name typed in the save dialog.
    for (int filter = 0; filter <= 3; ++filter) {
        const std::string target = lists::ExportTarget(text, filter);
        if (filter == 1) Require(target.ends_with(".lst"), "a program list ends in .lst");
        if (filter == 2) Require(target.ends_with(".txt"), "a text file ends in .txt");
        if (filter != 1 && filter != 2) Require(target == text, "other filters keep the name");
    }
    return 0;
}
