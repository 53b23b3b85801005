#pragma once

#include "core/platform/Hashing.h"

namespace vitrex::host {

// SHA-256 through OpenSSL's libcrypto.
class OpenSslHashing : public Hashing {
public:
    std::unique_ptr<Hash> StartSha256() override;
};

}  // namespace vitrex::host
