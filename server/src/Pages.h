#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "DataFolder.h"

namespace vitrex::server {

// The program tells its own pages from anything else by this title alone.
inline constexpr std::string_view kPageTitle = "Vitrex WebBrowser";

// The pages the server knows, by the name used for their files: home (the server's root), intern
// and languages (shown in the program's browser tab), paypal, update and manual (opened in the
// user's browser).
bool IsKnownPage(std::string_view name);

// Values put in for "{name}" in a page, HTML-escaped: language, build (the asking program's),
// newest, version, date, download, base. An unknown "{...}" stays as it is.
using PageValues = std::map<std::string, std::string, std::less<>>;

// The page's file for that language (or English) from the data folder, else a built-in page; for
// a name not known, a page saying so (no file is looked at).
std::string RenderPage(const DataFolder& data, std::string_view name, std::string_view language,
                       const PageValues& values);

std::string EscapeHtml(std::string_view text);

}  // namespace vitrex::server
