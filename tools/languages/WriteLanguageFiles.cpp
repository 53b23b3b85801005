// Writes languages/en.ini and de.ini from the program's list of texts (core/i18n/Texts.def), or
// checks that the files say what the list says:
//   vitrex_languages --write DIR     writes DIR/en.ini and DIR/de.ini
//   vitrex_languages --check DIR     names every missing key, extra key and different text; exits 1
// The files are Windows-1252 with CR LF, a section each in the order the list first names it.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/i18n/CatalogueKeys.h"
#include "core/i18n/Cp1252.h"
#include "core/text/Utf8.h"

namespace {

using vitrex::i18n::CatalogueKey;
using vitrex::i18n::CatalogueKeys;

struct Language {
    const char* file;
    std::string_view CatalogueKey::*text;
};
constexpr Language kLanguages[] = {{"en.ini", &CatalogueKey::english}, {"de.ini", &CatalogueKey::german}};

std::string ToCp1252(std::string_view utf8) {
    std::string bytes;
    for (std::size_t i = 0; i < utf8.size();)
        bytes += vitrex::i18n::Cp1252Byte(vitrex::text::NextUtf8(utf8, i));
    return bytes;
}

// The reader takes the blanks around a value away; quotes keep a blank that belongs to it.
std::string ValueText(std::string_view value) {
    const bool blankAtEdge = !value.empty() && (value.front() == ' ' || value.back() == ' ');
    return blankAtEdge ? "\"" + std::string(value) + "\"" : std::string(value);
}

std::string FileText(const Language& language) {
    std::vector<std::string_view> sections;
    for (const CatalogueKey& entry : CatalogueKeys()) {
        if (std::find(sections.begin(), sections.end(), entry.section) == sections.end())
            sections.push_back(entry.section);
    }
    std::string text = "[Compatible]\r\n0021=1\r\n";
    for (std::string_view section : sections) {
        text += "\r\n[" + std::string(section) + "]\r\n";
        for (const CatalogueKey& entry : CatalogueKeys()) {
            if (entry.section == section)
                text += std::string(entry.key) + "=" + ValueText(entry.*language.text) + "\r\n";
        }
    }
    return ToCp1252(text);
}

// "section\nkey" to value, as the file gives them (UTF-8; the quotes around a value taken off).
std::map<std::string, std::string> Entries(const std::string& bytes) {
    std::map<std::string, std::string> entries;
    const std::string text = vitrex::i18n::Cp1252ToUtf8(bytes);
    std::string section;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() > 1 && line.front() == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos || section == "Compatible") continue;
        std::string value = line.substr(equals + 1);
        if (value.size() > 1 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        entries.emplace(section + "\n" + line.substr(0, equals), value);
    }
    return entries;
}

std::string Named(const std::string& id) {
    const std::size_t newline = id.find('\n');
    return "[" + id.substr(0, newline) + "] " + id.substr(newline + 1);
}

// Prints each disagreement of one file with the list; true when there is none.
bool Check(const std::string& folder, const Language& language) {
    const std::string path = folder + "/" + language.file;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::printf("%s: missing\n", path.c_str());
        return false;
    }
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    const std::string wanted = FileText(language);
    if (bytes == wanted) return true;
    std::map<std::string, std::string> file = Entries(bytes);
    int faults = 0;
    for (const CatalogueKey& entry : CatalogueKeys()) {
        const std::string id = std::string(entry.section) + "\n" + std::string(entry.key);
        const auto found = file.find(id);
        if (found == file.end()) {
            std::printf("%s: lacks %s\n", path.c_str(), Named(id).c_str());
            ++faults;
            continue;
        }
        if (found->second != entry.*language.text) {
            std::printf("%s: %s says \"%s\", the list \"%s\"\n", path.c_str(), Named(id).c_str(),
                        found->second.c_str(), std::string(entry.*language.text).c_str());
            ++faults;
        }
        file.erase(found);
    }
    for (const auto& [id, value] : file) {
        std::printf("%s: %s is not in the list\n", path.c_str(), Named(id).c_str());
        ++faults;
    }
    if (faults == 0) std::printf("%s: differs from what the list writes (order or layout)\n", path.c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc == 3 ? argv[1] : "";
    if (mode != "--write" && mode != "--check") {
        std::fprintf(stderr, "usage: vitrex_languages --write|--check FOLDER\n");
        return 2;
    }
    const std::string folder = argv[2];
    bool agree = true;
    for (const Language& language : kLanguages) {
        if (mode == "--check") {
            agree = Check(folder, language) && agree;
            continue;
        }
        std::ofstream out(folder + "/" + language.file, std::ios::binary);
        out << FileText(language);
        if (!out) {
            std::fprintf(stderr, "could not write %s/%s\n", folder.c_str(), language.file);
            return 1;
        }
    }
    if (mode == "--write")
        std::printf("%zu keys written to %s/en.ini and de.ini\n", CatalogueKeys().size(), folder.c_str());
    if (mode == "--check" && agree)
        std::printf("%zu keys: en.ini and de.ini say what the list says\n", CatalogueKeys().size());
    return agree ? 0 : 1;
}
