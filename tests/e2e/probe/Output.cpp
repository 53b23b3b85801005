#include "Output.h"

#include <cstdio>
#include <cwchar>

namespace vitrex::probe {

std::string Utf8(const std::wstring& text) {
    if (text.empty()) return {};
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                   nullptr, nullptr);
    std::string result(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size, nullptr,
                        nullptr);
    return result;
}

void Line(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
}

void Field(const char* key, const std::string& value) {
    Line(std::string(key) + "=" + value);
}
void Field(const char* key, const std::wstring& value) {
    Field(key, Utf8(value));
}
void Field(const char* key, long long value) {
    Field(key, std::to_string(value));
}

void Error(const std::string& text) {
    std::string line = "vtxprobe: " + text + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
}

std::string Hex(std::uint64_t value) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "0x%llX", static_cast<unsigned long long>(value));
    return buffer;
}

std::string HandleText(HWND hwnd) {
    return Hex(reinterpret_cast<std::uintptr_t>(hwnd));
}

std::string Escaped(const std::wstring& text) {
    std::wstring out;
    for (wchar_t c : text) {
        if (c == L'\t') {
            out += L"\\t";
        } else if (c == L'\n') {
            out += L"\\n";
        } else if (c == L'\r') {
            out += L"\\r";
        } else if (c == L'\\') {
            out += L"\\\\";
        } else {
            out += c;
        }
    }
    return Utf8(out);
}

std::optional<std::uint64_t> ParseNumber(const std::wstring& text) {
    if (text.empty()) return std::nullopt;
    wchar_t* end = nullptr;
    unsigned long long value = std::wcstoull(text.c_str(), &end, 0);
    if (end == nullptr || *end != L'\0') return std::nullopt;
    return value;
}

}  // namespace vitrex::probe
