// The server's answer to the update check, which decides whether a downloaded installer runs.
#include <string>

#include "FuzzCheck.h"
#include "core/views/exceptions/ListFile.h"
#include "core/views/update/UpdateInfo.h"

using namespace vitrex;
using fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view reply = fuzz::Text(data, size);
    namespace update = views::update;

    const std::optional<update::UpdateInfo> info = update::ParseUpdateInfo(reply);
    const std::vector<std::string> lines = views::exceptions::ParseListText(reply);
    Require(info.has_value() == (lines.size() >= 6), "six lines make an answer, fewer none");
    Require(update::IsBuildNumberReply(reply) ==
                (!lines.empty() && lines.size() == 1 && !lines[0].empty() &&
                 lines[0].find_first_not_of("0123456789") == std::string::npos &&
                 (reply.size() == lines[0].size() || reply.substr(lines[0].size()) == "\r\n" ||
                  reply.substr(lines[0].size()) == "\n" || reply.substr(lines[0].size()) == "\r")),
            "a build number is digits with at most one line end");
    if (!info) return 0;
    Require(info->build == lines[0] && info->changeLogUrl == lines[5], "each field is its own line");
    Require(!info->sha256 || (!info->sha256->empty() && *info->sha256 == lines[6]),
            "the digest is the seventh line when it has one");

    // The installer may start only with the digest it was announced with, in either case.
    if (info->sha256) {
        std::string upper = *info->sha256;
        for (char& c : upper)
            if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
        Require(update::MayStartInstaller(*info, info->downloadUrl, upper),
                "the announced digest passes in any case");
        Require(!update::MayStartInstaller(*info, info->downloadUrl, *info->sha256 + "0"),
                "a longer digest never passes");
        Require(!update::MayStartInstaller(*info, info->downloadUrl, ""), "no digest never passes");
    } else {
        Require(update::MayStartInstaller(*info, info->downloadUrl, "") ==
                    update::MayStartInstaller(*info, info->downloadUrl, "00"),
                "without a digest only the address decides");
    }
    return 0;
}
