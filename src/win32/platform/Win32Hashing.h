#pragma once

#include "core/platform/Hashing.h"

namespace vitrex::win32 {

// SHA-256 through the system's cryptography (CNG).
class Win32Hashing : public Hashing {
public:
    std::unique_ptr<Hash> StartSha256() override;
};

}  // namespace vitrex::win32
