#include "core/platform/Registry.h"

#include "core/platform/Errors.h"

namespace vitrex {

std::string FetchFailedMessage(std::string_view valueName) {
    return "Fehler beim Holen der Daten f\xC3\xBCr '" + std::string(valueName) + "'";
}

std::string InvalidTypeMessage(std::string_view valueName) {
    return "Ung\xC3\xBCltiger Datentyp f\xC3\xBCr '" + std::string(valueName) + "'";
}

std::int32_t RegistryKey::ReadInteger(std::string_view name) const {
    // The number is fetched into a four-byte buffer before its type is looked at, so longer data
    // fails as a fetch whatever its type, and only data that fits is judged by its type.
    const std::optional<RegistryValue> value = QueryValue(name);
    if (!value || value->byteSize > 4) throw UnreadableValueError(FetchFailedMessage(name));
    if (value->type != RegistryType::Dword) throw UnreadableValueError(InvalidTypeMessage(name));
    return static_cast<std::int32_t>(value->number);
}

bool RegistryKey::ReadBool(std::string_view name) const {
    return ReadInteger(name) != 0;
}

std::string RegistryKey::ReadText(std::string_view name) const {
    const std::optional<RegistryValue> value = QueryValue(name);
    if (!value || value->byteSize == 0) return {};
    if (value->type != RegistryType::Sz && value->type != RegistryType::ExpandSz) {
        throw UnreadableValueError(InvalidTypeMessage(name));
    }
    return value->text;
}

}  // namespace vitrex
