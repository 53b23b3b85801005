#include "Pages.h"

#include <array>
#include <utility>

namespace vitrex::server {
namespace {

constexpr std::string_view kHead =
    "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Vitrex WebBrowser</title>"
    "<style>body { font: 13px sans-serif; margin: 12px; }</style></head><body>\n";
constexpr std::string_view kTail = "\n</body></html>\n";

// Built-in pages, used while the data folder has no file for them.
constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kBuiltIn = {{
    {"home",
     "<h1>Vitrex</h1><p>Vitrex makes the windows of other programs translucent.</p>"
     "<p>Newest build: {newest} ({version}, {date}).</p>"},
    {"intern",
     "<h1>Vitrex</h1><p>Welcome. The newest build is {newest} ({version}, {date}).</p>"
     "<p>Use the update page to fetch it, and the bug report page to tell us about a problem.</p>"},
    {"languages",
     "<h1>More languages</h1><p>Further language files will be offered here. Put a language file "
     "into the folder <code>languages</code> beside Vitrex.exe and choose it on the general page.</p>"},
    {"paypal",
     "<h1>Support Vitrex</h1><p>Thank you for wanting to support Vitrex. Donations are not taken "
     "through this server.</p>"},
    {"update",
     "<h1>Vitrex update</h1><p>Your build: {build}. The newest build is {newest} ({version}, "
     "{date}).</p><p><a href=\"{download}\">Download the installer</a></p>"},
    {"manual",
     "<h1>Updating Vitrex by hand</h1><p>Your build: {build}. The newest build is {newest} "
     "({version}, {date}).</p><ol><li><a href=\"{download}\">Download the installer</a>.</li>"
     "<li>Quit Vitrex from its tray menu.</li><li>Run the installer.</li></ol>"},
}};

std::string Fill(std::string_view text, const PageValues& values) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const std::size_t open = text.find('{');
        const std::size_t close = open == std::string_view::npos ? open : text.find('}', open);
        if (close == std::string_view::npos) {
            out += text;
            break;
        }
        const auto found = values.find(text.substr(open + 1, close - open - 1));
        out += text.substr(0, open);
        out += found == values.end() ? std::string(text.substr(open, close - open + 1))
                                     : EscapeHtml(found->second);
        text.remove_prefix(close + 1);
    }
    return out;
}

}  // namespace

bool IsKnownPage(std::string_view name) {
    for (const auto& [known, body] : kBuiltIn) {
        if (known == name) return true;
    }
    return false;
}

std::string EscapeHtml(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&#39;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string RenderPage(const DataFolder& data, std::string_view name, std::string_view language,
                       const PageValues& values) {
    if (!IsKnownPage(name)) {
        return std::string(kHead) + "<h1>Not found</h1><p>There is no such page.</p>" + std::string(kTail);
    }
    if (auto file = data.Page(name, language)) return Fill(*file, values);
    for (const auto& [known, body] : kBuiltIn) {
        if (known == name) return std::string(kHead) + Fill(body, values) + std::string(kTail);
    }
    return {};
}

}  // namespace vitrex::server
