#include "core/views/web/ErrorPages.h"

#include <array>
#include <string_view>
#include <utility>

#include "core/i18n/AsciiCase.h"

namespace vitrex::views::web {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

constexpr std::string_view kMessageHead =
    "<html><head><title>Vitrex WebBrowser</title><style> html, body, td {  background: Menu;  color: "
    "ButtonText;  "
    "font: 12px sans-serif,Tahoma,Verdana;  margin: 0px;  padding: 0px; }</style></head><body><table "
    "border=\"0\" cellspacing=\"5\" cellpadding=\"0\" width=\"100%\" height=\"100%\"><tr><td "
    "valign=\"middle\" "
    "align=\"center\">";
constexpr std::string_view kMessageTail = "</td></tr></table></body></html>";

}  // namespace

std::string FramesetPage() {
    std::string page =
        "<html><head><title>Vitrex WebBrowser</title></head><frameset cols=\"*\"><frame "
        "src=\"vtxerror2.html\" "
        "name=\"page\" scrolling=\"no\"></frameset></html>";
    page += kLineEnd;
    return page;
}

std::string MessagePage(const std::string& firstLine, const std::string& secondLine) {
    std::string page(kMessageHead);
    page += firstLine;
    page += "<br>";
    page += secondLine;
    page += kMessageTail;
    page += kLineEnd;
    return page;
}

std::string MessageAsText(const std::string& markup) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kReferences{
        {{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&#39;", "'"}, {"&nbsp;", " "}, {"&amp;", "&"}}};
    std::string text;
    std::size_t at = 0;
    while (at < markup.size()) {
        if (markup[at] == '<') {
            const std::size_t end = markup.find('>', at);
            if (end == std::string::npos) {
                text.append(markup, at, std::string::npos);
                break;
            }
            std::string tag = markup.substr(at + 1, end - at - 1);
            while (!tag.empty() && (tag.back() == '/' || tag.back() == ' '))
                tag.pop_back();
            if (i18n::EqualIgnoringCase(tag, "br")) text += '\n';
            at = end + 1;
            continue;
        }
        if (markup[at] == '&') {
            bool replaced = false;
            for (const auto& [reference, character] : kReferences) {
                if (markup.compare(at, reference.size(), reference) == 0) {
                    text += character;
                    at += reference.size();
                    replaced = true;
                    break;
                }
            }
            if (replaced) continue;
        }
        text += markup[at++];
    }
    return text;
}

}  // namespace vitrex::views::web
