#include "core/views/update/UpdateInfo.h"

#include <algorithm>
#include <cctype>

#include "core/net/EcdsaSignature.h"
#include "core/net/Hex.h"
#include "core/net/ServerAddress.h"
#include "core/views/exceptions/ListFile.h"

namespace vitrex::views::update {

std::optional<UpdateInfo> ParseUpdateInfo(std::string_view reply) {
    // The list files' reading of lines: CR LF, CR or LF, and no empty last line for a final break.
    const std::vector<std::string> lines = exceptions::ParseListText(reply);
    if (lines.size() < 6) return std::nullopt;
    UpdateInfo info{lines[0], lines[1], lines[2], lines[3], lines[4], lines[5], std::nullopt, std::nullopt};
    if (lines.size() > 6 && !lines[6].empty()) info.sha256 = lines[6];
    if (lines.size() > 7 && !lines[7].empty()) info.signature = lines[7];
    return info;
}

bool IsBuildNumberReply(std::string_view reply) {
    if (reply.ends_with("\r\n")) {
        reply.remove_suffix(2);
    } else if (reply.ends_with('\n') || reply.ends_with('\r')) {
        reply.remove_suffix(1);
    }
    return !reply.empty() &&
           std::all_of(reply.begin(), reply.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool MayStartInstaller(const UpdateInfo& info, const std::array<std::uint8_t, 32>& fileDigest,
                       ReleaseSignature& releaseKey) {
    if (info.sha256) {
        const std::string hex = net::Hex(fileDigest);
        const std::string& expected = *info.sha256;
        if (expected.size() != hex.size() ||
            !std::equal(expected.begin(), expected.end(), hex.begin(), [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) == static_cast<unsigned char>(b);
            })) {
            return false;
        }
    }
    if (!info.signature) return false;
    const auto signature = net::EcdsaP256FromDerHex(*info.signature);
    return signature && releaseKey.Verifies(fileDigest, *signature);
}

}  // namespace vitrex::views::update
