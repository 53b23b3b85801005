#include "core/views/update/UpdateInfo.h"

#include <algorithm>
#include <cctype>

#include "core/net/ServerAddress.h"
#include "core/views/exceptions/ListFile.h"

namespace vitrex::views::update {

std::optional<UpdateInfo> ParseUpdateInfo(std::string_view reply) {
    // The list files' reading of lines: CR LF, CR or LF, and no empty last line for a final break.
    const std::vector<std::string> lines = exceptions::ParseListText(reply);
    if (lines.size() < 6) return std::nullopt;
    UpdateInfo info{lines[0], lines[1], lines[2], lines[3], lines[4], lines[5], std::nullopt};
    if (lines.size() > 6 && !lines[6].empty()) info.sha256 = lines[6];
    return info;
}

bool MayStartInstaller(const UpdateInfo& info, std::string_view fileSha256Hex) {
    if (!info.sha256) return net::IsHttps(info.downloadUrl);
    const std::string& expected = *info.sha256;
    return expected.size() == fileSha256Hex.size() &&
           std::equal(expected.begin(), expected.end(), fileSha256Hex.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           });
}

}  // namespace vitrex::views::update
