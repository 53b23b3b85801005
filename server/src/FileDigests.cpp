#include "FileDigests.h"

#include "Sha256.h"

namespace vitrex::server {

std::optional<std::string> FileDigests::Sha256Of(const std::filesystem::path& path) {
    std::error_code failed;
    const auto size = std::filesystem::file_size(path, failed);
    if (failed) return std::nullopt;
    const auto modified = std::filesystem::last_write_time(path, failed);
    if (failed) return std::nullopt;
    {
        std::lock_guard<std::mutex> hold(lock_);
        const auto found = known_.find(path);
        if (found != known_.end() && found->second.size == size && found->second.modified == modified) {
            return found->second.digest;
        }
    }
    // Hashed outside the lock, so that one large file does not hold up the other replies.
    auto digest = Sha256HexOfFile(path);
    if (!digest) return std::nullopt;
    std::lock_guard<std::mutex> hold(lock_);
    known_[path] = Known{size, modified, *digest};
    return digest;
}

}  // namespace vitrex::server
