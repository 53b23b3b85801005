#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vitrex::server {

struct Release {
    std::string build;    // digits, e.g. "0022"
    std::string version;  // e.g. "0.22 PreBuild"
    std::string date;     // e.g. "1. Dezember 2005"
    std::string file;     // the update's file name in files/
};

// The folder the server is given: releases.txt, changelog/<build>.<language>.txt,
// pages/<name>.<language>.html and files/<update file>. Texts are UTF-8.
class DataFolder {
public:
    // Reads releases.txt; a line that does not parse is an error naming it, so a typo in a release
    // is found when the server starts rather than by the users.
    static DataFolder Open(const std::filesystem::path& root, std::string& error);

    const std::filesystem::path& Root() const { return root_; }
    const std::vector<Release>& Releases() const { return releases_; }

    // The release with the greatest build number.
    const Release* Newest() const;
    const Release* Find(std::string_view build) const;
    std::vector<Release> NewerThan(long build) const;

    std::filesystem::path FileOf(const Release& release) const { return root_ / "files" / release.file; }
    // The release key's signature of the update (files/<file>.sig, DER as OpenSSL writes it) in
    // hex; nothing when there is none or it is too large to be one.
    std::optional<std::string> SignatureOf(const Release& release) const;

    // The text in that language, or else in English; nothing when neither exists.
    std::optional<std::string> ChangeLog(std::string_view build, std::string_view language) const;
    std::optional<std::string> Page(std::string_view name, std::string_view language) const;

private:
    std::optional<std::string> Localised(const std::filesystem::path& folder, std::string_view stem,
                                         std::string_view language, std::string_view extension) const;

    std::filesystem::path root_;
    std::vector<Release> releases_;
};

// Language codes become parts of file names: anything but letters, digits, "_" and "-" (or a code
// longer than 16) reads as English, so a request can never reach outside the data folder.
std::string SafeLanguage(std::string_view language);

// A build number as the program sends it: one to nine digits.
std::optional<long> ParseBuild(std::string_view text);

}  // namespace vitrex::server
