#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/Files.h"

namespace vitrex::net {

// The largest form body the program posts and the project's server accepts (a larger one is
// refused with 413). The bug report's fields are held to lengths whose encoded form, every
// character at its longest, stays below it.
inline constexpr std::size_t kLargestFormBody = 1024 * 1024;

// One field of a form the program posts; the value is UTF-8 text as the user typed it.
struct FormField {
    std::string name;
    std::string value;
};

// Every byte outside A-Z a-z 0-9 and "*-._" as %XX with upper-case digits, a blank too, so that
// a decoder that knows nothing of "+" for a blank reads the same text.
std::string PercentEncode(std::string_view bytes);

// The text in the system's ANSI code page, where a character the code page cannot carry goes as
// a numeric character reference ("&#26085;"), as browsers send such characters in a form; the
// project's server turns them back into the characters. Nothing typed is lost on the way.
std::string AnsiWithReferences(std::string_view utf8, Files& files);

// The body of an application/x-www-form-urlencoded post: each field as name=value followed by
// "&" (the last one too), the values in the system's ANSI code page (with references for what it
// cannot carry), both percent-encoded, so a value holding "&", "=", "+" or "%" reaches the server
// as typed and cannot add fields of its own.
std::string EncodeForm(const std::vector<FormField>& fields, Files& files);

}  // namespace vitrex::net
