#include <windows.h>

#include <string>
#include <vector>

#include "Commands.h"
#include "Output.h"
#include "Target.h"

namespace vitrex::probe {
namespace {

std::wstring WithoutHive(std::wstring key) {
    for (const wchar_t* hive : {L"HKCU\\", L"HKEY_CURRENT_USER\\"}) {
        std::wstring prefix = hive;
        if (key.size() >= prefix.size() && _wcsnicmp(key.c_str(), hive, prefix.size()) == 0) {
            return key.substr(prefix.size());
        }
    }
    return key;
}

const char* TypeName(DWORD type) {
    switch (type) {
        case REG_SZ:
            return "REG_SZ";
        case REG_EXPAND_SZ:
            return "REG_EXPAND_SZ";
        case REG_MULTI_SZ:
            return "REG_MULTI_SZ";
        case REG_DWORD:
            return "REG_DWORD";
        case REG_QWORD:
            return "REG_QWORD";
        case REG_BINARY:
            return "REG_BINARY";
        case REG_NONE:
            return "REG_NONE";
        default:
            return "REG_OTHER";
    }
}

void PrintData(DWORD type, const std::vector<BYTE>& data) {
    auto text = [&](size_t byteCount) {
        std::wstring value(reinterpret_cast<const wchar_t*>(data.data()), byteCount / sizeof(wchar_t));
        while (!value.empty() && value.back() == L'\0')
            value.pop_back();
        return value;
    };
    if ((type == REG_DWORD && data.size() >= 4) || (type == REG_QWORD && data.size() >= 8)) {
        unsigned long long number = 0;
        memcpy(&number, data.data(), type == REG_DWORD ? 4 : 8);
        Field("data", std::to_string(number));
    } else if (type == REG_SZ || type == REG_EXPAND_SZ) {
        Field("data", Escaped(text(data.size())));
    } else if (type == REG_MULTI_SZ) {
        // One item= line per string; the list ends at the first empty string.
        std::wstring all = text(data.size());
        size_t start = 0;
        while (start < all.size()) {
            size_t end = all.find(L'\0', start);
            if (end == std::wstring::npos) end = all.size();
            if (end == start) break;
            Field("item", Escaped(all.substr(start, end - start)));
            start = end + 1;
        }
    } else {
        std::string hex;
        char pair[3];
        for (BYTE b : data) {
            snprintf(pair, sizeof pair, "%02x", b);
            hex += pair;
        }
        Field("data", hex);
    }
}

int ListKey(HKEY key) {
    wchar_t name[16384];
    for (DWORD i = 0;; ++i) {
        DWORD length = 16384;
        if (RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        Line("key\t" + Escaped(name));
    }
    for (DWORD i = 0;; ++i) {
        DWORD length = 16384;
        DWORD type = 0;
        if (RegEnumValueW(key, i, name, &length, nullptr, &type, nullptr, nullptr) != ERROR_SUCCESS) break;
        Line("value\t" + Escaped(name) + "\t" + TypeName(type));
    }
    return kDone;
}

}  // namespace

// reg KEY [VALUE]: KEY under HKEY_CURRENT_USER. With VALUE: type= and data= (or item= lines);
// without: the key's subkeys and values, one a row. A missing key or value gives error=<code>.
int RegistryCommand(Args& args) {
    auto keyName = args.Next();
    auto valueName = args.Next();
    if (!keyName || !NoLeftovers(args)) {
        Error("reg wants KEY [VALUE]");
        return kMisuse;
    }
    HKEY key = nullptr;
    LONG status = RegOpenKeyExW(HKEY_CURRENT_USER, WithoutHive(*keyName).c_str(), 0, KEY_READ, &key);
    if (status != ERROR_SUCCESS) {
        Field("error", static_cast<long long>(status));
        return kFailed;
    }
    int code = kDone;
    if (!valueName) {
        code = ListKey(key);
    } else {
        DWORD type = 0;
        DWORD size = 0;
        status = RegQueryValueExW(key, valueName->c_str(), nullptr, &type, nullptr, &size);
        std::vector<BYTE> data(size);
        if (status == ERROR_SUCCESS) {
            status = RegQueryValueExW(key, valueName->c_str(), nullptr, &type, data.data(), &size);
            data.resize(size);
        }
        if (status != ERROR_SUCCESS) {
            Field("error", static_cast<long long>(status));
            code = kFailed;
        } else {
            Field("type", TypeName(type));
            PrintData(type, data);
        }
    }
    RegCloseKey(key);
    return code;
}

// regprotect KEY --read-only|--writable: a DACL that lets everyone only read the key (so every
// write and delete is refused with access denied), or the default DACL back.
int RegistryProtectCommand(Args& args) {
    const bool readOnly = args.Flag(L"--read-only");
    const bool writable = args.Flag(L"--writable");
    auto keyName = args.Next();
    if (!keyName || readOnly == writable || !NoLeftovers(args)) {
        Error("regprotect wants KEY --read-only|--writable");
        return kMisuse;
    }
    HKEY key = nullptr;
    LONG status =
        RegOpenKeyExW(HKEY_CURRENT_USER, WithoutHive(*keyName).c_str(), 0, READ_CONTROL | WRITE_DAC, &key);
    if (status != ERROR_SUCCESS) {
        Field("error", static_cast<long long>(status));
        return kFailed;
    }
    SECURITY_DESCRIPTOR descriptor;
    InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
    alignas(ACL) BYTE aclBuffer[256];
    PACL acl = reinterpret_cast<PACL>(aclBuffer);
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID everyone = nullptr;
    AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone);
    InitializeAcl(acl, sizeof aclBuffer, ACL_REVISION);
    AddAccessAllowedAce(acl, ACL_REVISION, readOnly ? (KEY_READ | WRITE_DAC | READ_CONTROL) : KEY_ALL_ACCESS,
                        everyone);
    SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE);
    status = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &descriptor);
    FreeSid(everyone);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) {
        Field("error", static_cast<long long>(status));
        return kFailed;
    }
    Field("protected", readOnly ? 1 : 0);
    return kDone;
}

}  // namespace vitrex::probe
