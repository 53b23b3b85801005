#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vitrex::server {

// A body of application/x-www-form-urlencoded fields, decoded by the form rules: "+" is a blank,
// "%XX" one byte; a "%" not followed by two hex digits stays as it is. Values are bytes, not text.
class Form {
public:
    // At most `largest_count` fields are read; the rest of the body is left undecoded.
    static Form Decode(std::string_view body, std::size_t largest_count);

    // The first field of that name. Older programs sent the report text unencoded, so an "&" in it
    // starts a stray field further on; the field the program itself sent always comes first.
    std::optional<std::string> Field(std::string_view name) const;

    const std::vector<std::pair<std::string, std::string>>& Fields() const { return fields_; }

private:
    std::vector<std::pair<std::string, std::string>> fields_;
};

std::string DecodeFormComponent(std::string_view text);

}  // namespace vitrex::server
