#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <string>

namespace vitrex::server {

// The SHA-256 of the update files, each hashed once and again only when its size or
// modification time changes: the update information is asked for often, the files rarely change.
class FileDigests {
public:
    std::optional<std::string> Sha256Of(const std::filesystem::path& path);

private:
    struct Known {
        std::uintmax_t size = 0;
        std::filesystem::file_time_type modified;
        std::string digest;
    };
    std::mutex lock_;
    std::map<std::filesystem::path, Known> known_;
};

}  // namespace vitrex::server
