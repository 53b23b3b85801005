#pragma once

#include <string>

namespace vitrex::views::web {

// The title the project's pages carry, and with it the local error pages: any other title in the
// web tab means a page that is not the project's (the browser's own error page, a page reached by
// a link), which the error page replaces.
inline constexpr const char* kProjectPageTitle = "Vitrex WebBrowser";

// The two local files: a frameset whose only frame shows the message page.
inline constexpr const char* kFramesetFile = "vtxerror1.html";
inline constexpr const char* kMessageFile = "vtxerror2.html";

// Each a single line ending in CR LF. The messages go in as they are, unescaped: translators may
// use markup in them.
std::string FramesetPage();
std::string MessagePage(const std::string& firstLine, const std::string& secondLine);

// The message as plain text for a place that shows no markup: "<br>" starts a new line, other
// tags go, the common character references become their characters.
std::string MessageAsText(const std::string& markup);

}  // namespace vitrex::views::web
