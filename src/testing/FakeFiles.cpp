#include "testing/FakeFiles.h"

#include <algorithm>

#include "core/i18n/Cp1252.h"
#include "core/platform/Errors.h"
#include "core/text/AsciiCase.h"
#include "core/text/Utf8.h"

namespace vitrex::fakes {
namespace {

// One separator, a backslash, however the path was written (C:\Vitrex\/languages/de.ini).
std::string Normalised(std::string_view path) {
    std::string out;
    for (char c : path) {
        if (c == '/') c = '\\';
        if (c == '\\' && !out.empty() && out.back() == '\\') continue;
        out += c;
    }
    return out;
}

}  // namespace

void FakeFiles::Seed(const std::string& path, std::string bytes) {
    files_[text::LowerAscii(Normalised(path))] = std::move(bytes);
    Remember(path, false);
}

void FakeFiles::SeedFolder(const std::string& path, bool hidden, bool system) {
    Listed& folder = Remember(path, true);
    folder.hidden = hidden;
    folder.system = system;
}

void FakeFiles::SetAttributes(const std::string& path, bool hidden, bool system) {
    Listed& file = Remember(path, false);
    file.hidden = hidden;
    file.system = system;
}

FakeFiles::Listed& FakeFiles::Remember(const std::string& path, bool directory) {
    std::string normalised = Normalised(path);
    while (normalised.size() > 1 && normalised.back() == '\\')
        normalised.pop_back();
    for (Listed& listed : listed_) {
        if (text::LowerAscii(listed.path) == text::LowerAscii(normalised)) return listed;
    }
    listed_.push_back({normalised, directory, false, false});
    return listed_.back();
}

std::vector<FolderEntry> FakeFiles::ListFolder(const std::string& folder) {
    std::string prefix = Normalised(folder);
    if (prefix.empty() || prefix.back() != '\\') prefix += '\\';
    const std::string lowerPrefix = text::LowerAscii(prefix);
    std::vector<FolderEntry> entries;
    bool exists = false;
    for (const Listed& listed : listed_) {
        const std::string lower = text::LowerAscii(listed.path);
        if (listed.directory && lower + '\\' == lowerPrefix) exists = true;
        if (!lower.starts_with(lowerPrefix)) continue;
        exists = true;
        const std::string rest = listed.path.substr(prefix.size());
        if (rest.empty() || rest.find('\\') != std::string::npos) continue;
        entries.push_back({rest, listed.directory, listed.hidden, listed.system});
    }
    if (!exists) return {};
    entries.insert(entries.begin(), {FolderEntry{".", true}, FolderEntry{"..", true}});
    return entries;
}

std::optional<std::string> FakeFiles::File(const std::string& path) const {
    auto it = files_.find(text::LowerAscii(Normalised(path)));
    if (it == files_.end()) return std::nullopt;
    return it->second;
}

std::string FakeFiles::ReadWholeFile(const std::string& path) {
    auto it = files_.find(text::LowerAscii(Normalised(path)));
    if (it == files_.end()) throw FileError("Cannot open file \"" + path + "\"", "CreateFileW", 2);
    return it->second;
}

void FakeFiles::RefuseDenied(const std::string& path) const {
    const std::string lower = text::LowerAscii(path);
    for (const std::string& folder : deniedFolders_) {
        if (lower.starts_with(text::LowerAscii(folder))) {
            throw FileError("Cannot create file \"" + path + "\". Access denied", "CreateFileW", 5);
        }
    }
    if (IsHeld(path))
        throw FileError("Cannot create file \"" + path + "\". The file is in use", "CreateFileW", 32);
}

void FakeFiles::WriteWholeFile(const std::string& path, std::string_view bytes) {
    RefuseDenied(path);
    ++writeCount_;
    files_[text::LowerAscii(Normalised(path))] = std::string(bytes);
    Remember(path, false);
}

// Appends to the file's bytes in the map as it goes, so a test sees a partly written download.
class FakeFiles::Writer : public WritableFile {
public:
    Writer(FakeFiles& files, std::string key) : files_(files), key_(std::move(key)) {}
    void Write(std::string_view bytes) override {
        if (closed_) throw FileError("File is closed");
        auto it = files_.files_.find(key_);
        if (it == files_.files_.end()) throw FileError("Cannot write file: it was deleted", "WriteFile", 6);
        it->second.append(bytes);
    }
    void Close() override { closed_ = true; }

private:
    FakeFiles& files_;
    std::string key_;
    bool closed_ = false;
};

// Reads the bytes as they were when it was opened; while it is open, the path refuses writes and
// deletion, as a handle without write or delete sharing does.
class FakeFiles::Holder : public HeldFile {
public:
    Holder(FakeFiles& files, std::string key, std::string bytes)
        : files_(files), key_(std::move(key)), bytes_(std::move(bytes)) {
        ++files_.held_[key_];
    }
    ~Holder() override {
        if (--files_.held_[key_] == 0) files_.held_.erase(key_);
    }
    std::size_t Read(char* buffer, std::size_t size) override {
        const std::size_t n = std::min(size, bytes_.size() - offset_);
        std::copy_n(bytes_.data() + offset_, n, buffer);
        offset_ += n;
        return n;
    }

private:
    FakeFiles& files_;
    std::string key_;
    std::string bytes_;
    std::size_t offset_ = 0;
};

std::unique_ptr<HeldFile> FakeFiles::OpenHeld(const std::string& path) {
    const std::string key = text::LowerAscii(Normalised(path));
    auto it = files_.find(key);
    if (it == files_.end()) throw FileError("Cannot open file \"" + path + "\"", "CreateFileW", 2);
    return std::make_unique<Holder>(*this, key, it->second);
}

bool FakeFiles::IsHeld(const std::string& path) const {
    return held_.contains(text::LowerAscii(Normalised(path)));
}

std::unique_ptr<WritableFile> FakeFiles::CreateForWriting(const std::string& path) {
    RefuseDenied(path);
    ++writeCount_;
    const std::string key = text::LowerAscii(Normalised(path));
    files_[key].clear();
    Remember(path, false);
    return std::make_unique<Writer>(*this, key);
}

bool FakeFiles::RemoveFile(const std::string& path) {
    const std::string normalised = Normalised(path);
    if (held_.contains(text::LowerAscii(normalised))) return false;
    if (files_.erase(text::LowerAscii(normalised)) == 0) return false;
    std::erase_if(listed_, [&](const Listed& listed) {
        return text::LowerAscii(listed.path) == text::LowerAscii(normalised);
    });
    return true;
}

std::string FakeFiles::Utf8ToAnsi(std::string_view utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();)
        out += i18n::Cp1252Byte(text::NextUtf8(utf8, i));
    return out;
}

std::optional<std::string> FakeFiles::Utf8ToAnsiExactly(std::string_view utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t c = text::NextUtf8(utf8, i);
        const char byte = i18n::Cp1252Byte(c);
        if (byte == '?' && c != U'?') return std::nullopt;
        out += byte;
    }
    return out;
}

std::string FakeFiles::AnsiToUtf8(std::string_view ansi) {
    return i18n::Cp1252ToUtf8(ansi);
}

}  // namespace vitrex::fakes
