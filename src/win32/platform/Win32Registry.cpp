#include "win32/platform/Win32Registry.h"

#include <windows.h>

#include <cstring>

#include "core/platform/Errors.h"
#include "core/platform/GrowingBuffer.h"
#include "win32/UniqueHandle.h"
#include "win32/platform/SystemMessage.h"
#include "win32/platform/TextConvert.h"

namespace vitrex::win32 {
namespace {

// "\Software\X" names the same key as "Software\X"; the API wants the relative form.
std::wstring SubKey(std::string_view path) {
    while (!path.empty() && path.front() == '\\')
        path.remove_prefix(1);
    return Widen(path);
}

[[noreturn]] void Fail(const std::string& what, const char* api, LSTATUS status) {
    ThrowErrorCode<RegistryError>(api, static_cast<std::uint32_t>(status), what);
}

class Win32Key : public RegistryKey {
public:
    explicit Win32Key(UniqueRegKey key) : key_(std::move(key)) {}

    std::optional<RegistryValue> QueryValue(std::string_view name) const override {
        const std::wstring wideName = Widen(name);
        std::vector<BYTE> data(64);
        DWORD type = REG_NONE;
        DWORD size = 0;
        // The value may grow between two calls; a few rounds settle it.
        for (int round = 0;; ++round) {
            size = static_cast<DWORD>(data.size());
            const LSTATUS status =
                RegQueryValueExW(key_.Get(), wideName.c_str(), nullptr, &type, data.data(), &size);
            if (status == ERROR_FILE_NOT_FOUND) return std::nullopt;
            if (status == ERROR_MORE_DATA && round < 8) {
                data.resize(size + sizeof(wchar_t));
                continue;
            }
            if (status != ERROR_SUCCESS)
                Fail("Value '" + std::string(name) + "'", "RegQueryValueExW", status);
            break;
        }
        RegistryValue value;
        value.type = static_cast<RegistryType>(type);
        value.byteSize = size;
        if (type == REG_DWORD && size <= 4) {
            for (DWORD i = 0; i < size; ++i)
                value.number |= static_cast<std::uint32_t>(data[i]) << (8 * i);
        } else if (type == REG_SZ || type == REG_EXPAND_SZ) {
            std::wstring text(size / sizeof(wchar_t), L'\0');
            std::memcpy(text.data(), data.data(), text.size() * sizeof(wchar_t));
            text.resize(std::wcslen(text.c_str()));  // stored text need not end in NUL, or may hold several
            value.text = Narrow(text);
        }
        return value;
    }

    void SetDwordValue(std::string_view name, std::uint32_t value) override {
        const DWORD data = value;
        Set(name, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data);
    }

    void SetSzValue(std::string_view name, std::string_view utf8) override {
        const std::wstring text = Widen(utf8);
        Set(name, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
            static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }

    bool DeleteValue(std::string_view name) override {
        const LSTATUS status = RegDeleteValueW(key_.Get(), Widen(name).c_str());
        if (status == ERROR_FILE_NOT_FOUND) return false;
        if (status != ERROR_SUCCESS) Fail("Value '" + std::string(name) + "'", "RegDeleteValueW", status);
        return true;
    }

    std::vector<std::string> ValueNames() const override {
        std::vector<std::string> names;
        // Value names are at most 16383 characters.
        std::wstring name(16384, L'\0');
        for (DWORD index = 0;; ++index) {
            DWORD length = static_cast<DWORD>(name.size());
            const LSTATUS status =
                RegEnumValueW(key_.Get(), index, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
            if (status == ERROR_NO_MORE_ITEMS) return names;
            if (status != ERROR_SUCCESS) Fail("Values of the key", "RegEnumValueW", status);
            names.push_back(Narrow(std::wstring_view(name.data(), length)));
        }
    }

private:
    void Set(std::string_view name, DWORD type, const BYTE* data, DWORD size) {
        const LSTATUS status = RegSetValueExW(key_.Get(), Widen(name).c_str(), 0, type, data, size);
        if (status != ERROR_SUCCESS) Fail("Value '" + std::string(name) + "'", "RegSetValueExW", status);
    }

    UniqueRegKey key_;
};

// Closes the performance-data pseudo key, which a query opens behind the caller's back.
struct PerformanceDataCloser {
    ~PerformanceDataCloser() { RegCloseKey(HKEY_PERFORMANCE_DATA); }
};

}  // namespace

std::unique_ptr<RegistryKey> Win32Registry::OpenOrCreateKey(std::string_view path) {
    const std::wstring subKey = SubKey(path);
    UniqueRegKey key;
    const char* api = "RegCreateKeyExW";
    LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                     KEY_READ | KEY_WRITE, nullptr, key.Put(), nullptr);
    if (status == ERROR_ACCESS_DENIED) {
        // A key the user may read but not change: reads work, writes fail when they happen.
        api = "RegOpenKeyExW";
        status = RegOpenKeyExW(HKEY_CURRENT_USER, subKey.c_str(), 0, KEY_READ, key.Put());
    }
    if (status != ERROR_SUCCESS) Fail("Key '" + std::string(path) + "'", api, status);
    return std::make_unique<Win32Key>(std::move(key));
}

bool Win32Registry::KeyExists(std::string_view path) const {
    UniqueRegKey key;
    const LSTATUS status = RegOpenKeyExW(HKEY_CURRENT_USER, SubKey(path).c_str(), 0, KEY_READ, key.Put());
    return status == ERROR_SUCCESS || status == ERROR_ACCESS_DENIED;
}

std::vector<std::uint8_t> Win32Registry::QueryPerformanceData(std::string_view counters) {
    const std::wstring name = Widen(counters);
    PerformanceDataCloser closer;
    return ReadWithGrowingBuffer([&](std::vector<std::uint8_t>& buffer) {
        DWORD size = static_cast<DWORD>(buffer.size());
        DWORD type = 0;
        const LSTATUS status =
            RegQueryValueExW(HKEY_PERFORMANCE_DATA, name.c_str(), nullptr, &type, buffer.data(), &size);
        // The size reported with ERROR_MORE_DATA is not the size needed (it can be 0).
        if (status == ERROR_MORE_DATA) return FillAttempt{true, 0};
        if (status != ERROR_SUCCESS)
            Fail("Performance data '" + std::string(counters) + "'", "RegQueryValueExW", status);
        return FillAttempt{false, size};
    });
}

}  // namespace vitrex::win32
