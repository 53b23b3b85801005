#include "core/app/crashlog/CrashDispatcher.h"

#include <cstdlib>
#include <memory>
#include <typeinfo>

#include "core/platform/Errors.h"

#if __has_include(<cxxabi.h>)
#include <cxxabi.h>
#define VITREX_HAS_CXXABI 1
#endif

namespace vitrex::crashlog {
namespace {

constexpr const char* kFallbackClassName = "Exception";
constexpr const char* kUnknownMessage = "Unknown exception";

std::string Demangled(const std::type_info* type) noexcept {
    try {
        if (type == nullptr) return kFallbackClassName;
#ifdef VITREX_HAS_CXXABI
        int status = 0;
        std::unique_ptr<char, decltype(&std::free)> name(
            abi::__cxa_demangle(type->name(), nullptr, nullptr, &status), &std::free);
        if (status == 0 && name) return name.get();
#endif
        return type->name();
    } catch (...) {
        return {};
    }
}

// Inside a catch (...): the type of the exception in flight, if the runtime can tell.
const std::type_info* CurrentExceptionType() noexcept {
#ifdef VITREX_HAS_CXXABI
    return abi::__cxa_current_exception_type();
#else
    return nullptr;
#endif
}

}  // namespace

std::string ErrorClassName(const std::exception& error) noexcept {
    if (const auto* own = dynamic_cast<const Error*>(&error)) {
        try {
            return own->ClassName();
        } catch (...) {
            return {};
        }
    }
    return Demangled(&typeid(error));
}

bool CrashDispatcher::Run(const ui::Component* sender, const std::function<void()>& action) noexcept {
    try {
        action();
        return true;
    } catch (const SilentAbort&) {
        return false;
    } catch (const std::exception& error) {
        log_.AddEntry(error.what(), ErrorClassName(error), sender);
    } catch (...) {
        log_.AddEntry(kUnknownMessage, Demangled(CurrentExceptionType()), sender);
    }
    return false;
}

}  // namespace vitrex::crashlog
