#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

namespace vitrex::probe {

// Everything is printed as UTF-8 with bare LF line ends, one `key=value` a line (or tab-separated
// rows), so the shell side can read it with sed and cut.
std::string Utf8(const std::wstring& text);
void Line(const std::string& text);
void Field(const char* key, const std::string& value);
void Field(const char* key, const std::wstring& value);
void Field(const char* key, long long value);
void Error(const std::string& text);

std::string Hex(std::uint64_t value);
std::string HandleText(HWND hwnd);
// Tabs and line breaks of a window text, escaped so one control stays one row.
std::string Escaped(const std::wstring& text);

std::optional<std::uint64_t> ParseNumber(const std::wstring& text);

}  // namespace vitrex::probe
