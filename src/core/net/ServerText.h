#pragma once

#include <string>
#include <string_view>

#include "core/platform/Files.h"

namespace vitrex::net {

// The encodings a reply of the server can declare that the program reads.
enum class ReplyCharset { SystemAnsi, Windows1252, Utf8 };

// The charset a Content-Type value declares ("text/plain; charset=windows-1252"). The names are
// those of the web's encoding standard, in any letter case and quoted or not: windows-1252,
// iso-8859-1, latin1 and us-ascii (which that standard reads as windows-1252 alike), utf-8.
// None, or one the program does not know, reads in the system's ANSI code page, as the program's
// own files do.
ReplyCharset CharsetOf(std::string_view contentType);

// A reply's body as UTF-8 text, decoded by the charset its Content-Type declares. What cannot be
// read in it (a malformed UTF-8 sequence) becomes U+FFFD, so the text is always safe to show.
std::string DecodeServerText(std::string_view body, std::string_view contentType, Files& files);

// At most `length` bytes of a reply for a log line, every byte outside printable ASCII (and the
// backslash) as \xNN, so that whatever a server sends reads plainly in the crash log.
std::string Excerpt(std::string_view reply, std::size_t length = 40);

}  // namespace vitrex::net
