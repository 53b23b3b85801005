// A remembered program's stored value ("level=40;ontop=1"), which a user may have edited by hand.
#include <string>

#include "FuzzCheck.h"
#include "core/transparency/RememberedPrograms.h"

using namespace vitrex;
using namespace vitrex::transparency;
using fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::Text(data, size);

    if (const std::optional<Remembered> remembered = ParseRemembered(text)) {
        Require(!remembered->level || (*remembered->level >= 0 && *remembered->level <= 90),
                "levels are 0 to 90");
        const std::string stored = FormatRemembered(*remembered);
        Require(ParseRemembered(stored) == remembered, "what is written reads back the same");
        Require(FormatRemembered(*ParseRemembered(stored)) == stored, "the written form is settled");
    }

    const std::string key = ProgramKey(text);
    Require(key.size() == text.size() && ProgramKey(key) == key, "a program's key is its name in lower case");
    return 0;
}
