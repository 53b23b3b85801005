#include "core/views/web/ErrorPages.h"

#include <array>
#include <string_view>
#include <utility>

#include "core/text/AsciiCase.h"

namespace vitrex::views::web {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kFromTheInternet = "<!-- saved from url=(0014)about:internet -->";

// The tags a message may keep, as they stand in the page.
constexpr std::array<std::string_view, 6> kKeptTags{"<br>", "<b>", "</b>", "<i>", "</i>", "<br/>"};

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsHexDigit(char c) {
    return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// The length of the character reference at the text's start ("&amp;", "&#252;", "&#xFC;"); 0 when
// there is none.
std::size_t ReferenceLength(std::string_view text) {
    if (text.size() < 3 || text[0] != '&') return 0;
    std::size_t at = 1;
    if (text[at] == '#') {
        ++at;
        const bool hex = at < text.size() && (text[at] == 'x' || text[at] == 'X');
        if (hex) ++at;
        const std::size_t first = at;
        while (at < text.size() && (hex ? IsHexDigit(text[at]) : IsDigit(text[at])))
            ++at;
        if (at == first || at - first > 8) return 0;
    } else {
        while (at < text.size() && IsAsciiLetter(text[at]))
            ++at;
        if (at == 1 || at > 32) return 0;
    }
    return at < text.size() && text[at] == ';' ? at + 1 : 0;
}

// The kept tag at the text's start, in its shortest form ("<br>"), empty when there is none.
std::string_view KeptTagAt(std::string_view text) {
    for (const std::string_view tag : kKeptTags) {
        if (text.size() >= tag.size() && text::EqualIgnoringCase(text.substr(0, tag.size()), tag)) return tag;
    }
    return {};
}

constexpr std::string_view kMessageHead =
    "<html><head><title>Vitrex WebBrowser</title><style> html, body, td {  background: Menu;  color: "
    "ButtonText;  "
    "font: 12px sans-serif,Tahoma,Verdana;  margin: 0px;  padding: 0px; }</style></head><body><table "
    "border=\"0\" cellspacing=\"5\" cellpadding=\"0\" width=\"100%\" height=\"100%\"><tr><td "
    "valign=\"middle\" "
    "align=\"center\">";
constexpr std::string_view kMessageTail = "</td></tr></table></body></html>";

}  // namespace

std::string MessageMarkup(std::string_view text) {
    std::string markup;
    for (std::size_t at = 0; at < text.size();) {
        const std::string_view rest = text.substr(at);
        if (const std::string_view tag = KeptTagAt(rest); !tag.empty()) {
            markup += tag == "<br/>" ? std::string_view("<br>") : tag;
            at += tag.size();
            continue;
        }
        if (const std::size_t reference = ReferenceLength(rest); reference != 0) {
            markup.append(rest.substr(0, reference));
            at += reference;
            continue;
        }
        switch (text[at]) {
            case '<':
                markup += "&lt;";
                break;
            case '>':
                markup += "&gt;";
                break;
            case '&':
                markup += "&amp;";
                break;
            case '"':
                markup += "&quot;";
                break;
            default:
                markup += text[at];
                break;
        }
        ++at;
    }
    return markup;
}

std::string FramesetPage() {
    std::string page = std::string(kFromTheInternet) +
                       "<html><head><title>Vitrex WebBrowser</title></head><frameset cols=\"*\"><frame "
                       "src=\"vtxerror2.html\" "
                       "name=\"page\" scrolling=\"no\"></frameset></html>";
    page += kLineEnd;
    return page;
}

std::string MessagePage(const std::string& firstLine, const std::string& secondLine) {
    std::string page(kFromTheInternet);
    page += kMessageHead;
    page += MessageMarkup(firstLine);
    page += "<br>";
    page += MessageMarkup(secondLine);
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
            if (text::EqualIgnoringCase(tag, "br")) text += '\n';
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
