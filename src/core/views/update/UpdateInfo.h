#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/platform/ReleaseSignature.h"

namespace vitrex::views::update {

// The downloaded installer's name, beside the program.
inline constexpr std::string_view kInstallerFileName = "update.exe";

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
    // The release key's signature of the installer (DER in hex), from the eighth line. Programs
    // before it read six or seven lines and pass over it.
    std::optional<std::string> signature;
};

// Lines end at CR LF, CR or LF. A reply of fewer than six lines gives nothing, as a failed
// request does; an empty seventh or eighth line counts as none.
std::optional<UpdateInfo> ParseUpdateInfo(std::string_view reply);

// Whether the start-up check's reply is a build number: ASCII digits, with at most one line end
// after them. Anything else (an HTML page, "0021x", random bytes) is no answer of the server's.
bool IsBuildNumberReply(std::string_view reply);

// Whether a downloaded installer may be started: only one the release key signed. Whoever
// controls the server (or, over plain HTTP, the way to it) can send any file with its digest, but
// cannot sign it. `fileDigest` is the SHA-256 of the file as it will be started; a digest line
// the server sent must match it as well (digits in either case).
bool MayStartInstaller(const UpdateInfo& info, const std::array<std::uint8_t, 32>& fileDigest,
                       ReleaseSignature& releaseKey);

}  // namespace vitrex::views::update
