// The server's answer to the update check, which decides whether a downloaded installer runs.
#include <array>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "core/net/EcdsaSignature.h"
#include "core/views/exceptions/ListFile.h"
#include "core/views/update/UpdateInfo.h"

using namespace vitrex;
using fuzz::Require;

namespace {

// A release key that answers the same for every signature.
struct AnswerKey : ReleaseSignature {
    explicit AnswerKey(bool answer) : answer(answer) {}
    bool Verifies(const std::array<std::uint8_t, 32>&, const std::array<std::uint8_t, 64>&) override {
        return answer;
    }
    bool answer;
};

}  // namespace

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

    // The installer may start only when the key verifies the signature line, and a digest line,
    // when there is one, names the file (its digits in either case).
    std::array<std::uint8_t, 32> digest{};
    const bool digestLine = info->sha256.has_value();
    bool digestReadable = digestLine && info->sha256->size() == 64;
    for (std::size_t i = 0; digestReadable && i < 32; ++i) {
        const auto nibble = [](char c) {
            if (c >= '0' && c <= '9') return c - '0';
            if (c >= 'a' && c <= 'f') return c - 'a' + 10;
            if (c >= 'A' && c <= 'F') return c - 'A' + 10;
            return -1;
        };
        const int high = nibble((*info->sha256)[2 * i]);
        const int low = nibble((*info->sha256)[2 * i + 1]);
        digestReadable = high >= 0 && low >= 0;
        digest[i] = static_cast<std::uint8_t>(high * 16 + low);
    }
    AnswerKey accepts{true};
    AnswerKey refuses{false};
    const bool signatureReadable = info->signature && net::EcdsaP256FromDerHex(*info->signature).has_value();
    Require(!update::MayStartInstaller(*info, digest, refuses), "what the key refuses never starts");
    if (!digestLine || digestReadable) {
        Require(update::MayStartInstaller(*info, digest, accepts) == signatureReadable,
                "a readable signature the key accepts starts the file the digest line names");
    }
    if (digestReadable) {
        std::array<std::uint8_t, 32> other = digest;
        other[0] ^= 1;
        Require(!update::MayStartInstaller(*info, other, accepts), "another file never starts");
    }
    return 0;
}
