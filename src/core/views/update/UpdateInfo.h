#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vitrex::views::update {

// The server's answer to the information request, line by line.
struct UpdateInfo {
    std::string build;         // the newest build number
    std::string version;       // its version name
    std::string date;          // its date text
    std::string downloadUrl;   // the installer
    std::string manualUrl;     // the manual-update page, before the build number
    std::string changeLogUrl;  // the change log, before the build number
    // The installer's SHA-256 in hex, from the seventh line; servers before it send six lines.
    std::optional<std::string> sha256;
};

// Lines end at CR LF, CR or LF. A reply of fewer than six lines gives nothing, as a failed
// request does; an empty seventh line counts as none.
std::optional<UpdateInfo> ParseUpdateInfo(std::string_view reply);

// Whether the start-up check's reply is a build number: ASCII digits, with at most one line end
// after them. Anything else (an HTML page, "0021x", random bytes) is no answer of the server's.
bool IsBuildNumberReply(std::string_view reply);

// Whether a downloaded installer may be started. A file the server gave a digest for must match
// it (digits in either case); without one only a file fetched over HTTPS (`fetchedUrl`, the
// address actually asked for) is trusted, since on plain HTTP anyone on the way could have
// replaced it.
bool MayStartInstaller(const UpdateInfo& info, std::string_view fetchedUrl, std::string_view fileSha256Hex);

}  // namespace vitrex::views::update
