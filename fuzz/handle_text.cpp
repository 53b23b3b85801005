// A window handle typed on the debug page: a number, or the one documented error.
#include "FuzzCheck.h"
#include "core/platform/Errors.h"
#include "core/views/debug/DebugTools.h"

using namespace vitrex;
using fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::Text(data, size);
    try {
        const WindowHandle handle = views::debug::ParseHandleText(text);
        // Up to 32 bits as typed, or a negative number's bits as a signed handle holds them.
        Require(handle <= 0xFFFFFFFFu || handle >= static_cast<WindowHandle>(-0x80000000LL),
                "a handle fits the range a typed number may have");
        Require(text.find_first_not_of(" \t+-$xX0123456789abcdefABCDEF") == std::string_view::npos,
                "only numbers are read as handles");
    } catch (const ConvertError&) {
        // What a typing mistake gives: the dispatch boundary records it.
    }
    return 0;
}
