#pragma once

#include <string>
#include <string_view>

namespace vitrex::views::web {

// The title the project's pages carry, and with it the local error pages: any other title in the
// web tab means a page that is not the project's (the browser's own error page, a page reached by
// a link), which the error page replaces.
inline constexpr const char* kProjectPageTitle = "Vitrex WebBrowser";

// The two local files: a frameset whose only frame shows the message page.
inline constexpr const char* kFramesetFile = "vtxerror1.html";
inline constexpr const char* kMessageFile = "vtxerror2.html";

// Each a single line ending in CR LF, marked as saved from the internet
// ("<!-- saved from url=(0014)about:internet -->"), so the browser shows them in the internet
// zone rather than the local machine's. The messages come from a language file, which anyone may
// write: they go in escaped (MessageMarkup), with only line breaks, bold and italics kept.
std::string FramesetPage();
std::string MessagePage(const std::string& firstLine, const std::string& secondLine);

// A language file's text for an HTML page: "<br>", "<b>", "</b>", "<i>" and "</i>" (any case,
// "<br/>" too) and character references ("&amp;", "&#252;") stay markup; every other "<", ">",
// "&" and '"' is escaped, so no tag, attribute or script of a translator's reaches the page.
std::string MessageMarkup(std::string_view text);

// The message as plain text for a place that shows no markup: "<br>" starts a new line, other
// tags go, the common character references become their characters.
std::string MessageAsText(const std::string& markup);

}  // namespace vitrex::views::web
