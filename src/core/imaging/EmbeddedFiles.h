#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace vitrex::resources {

// A file of resources/ compiled into the program (tools/resources/Embed.cmake lists them).
struct EmbeddedFile {
    std::string_view name;  // path below resources/, e.g. "icons/logo-16.rgba"
    std::span<const std::uint8_t> bytes;
};

// Defined by the source that Embed.cmake generates at build time.
std::span<const EmbeddedFile> EmbeddedFiles();

}  // namespace vitrex::resources
