// The journal of windows a run changed, read back by the next start to undo what a killed run left.
#include <algorithm>
#include <string>

#include "FuzzCheck.h"
#include "core/transparency/WindowJournal.h"

using namespace vitrex;
using namespace vitrex::transparency;
using fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::Text(data, size);
    const std::vector<JournalEntry> entries = ParseJournal(text);
    Require(entries.size() <= static_cast<std::size_t>(std::count(text.begin(), text.end(), ';')) + 1,
            "no more entries than the text holds");
    Require(ParseJournal(FormatJournal(entries)) == entries, "what is written reads back the same");
    return 0;
}
