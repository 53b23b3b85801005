#pragma once

// The standard SHA-256 test messages and their digests, which every hashing of the project (the
// system's on Windows, OpenSSL's for the server and the host tests) must give, whole or in pieces.

#include <string>
#include <vector>

namespace vitrex::testing {

struct Sha256Vector {
    const char* label;
    std::string message;
    const char* digest;  // lower-case hex
};

inline std::vector<Sha256Vector> Sha256Vectors() {
    return {
        {"empty", "", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"448 bits, two blocks", "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {"a million a", std::string(1'000'000, 'a'),
         "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
    };
}

// Pieces that end inside a block, on a block's edge and across several blocks.
inline std::vector<std::size_t> Sha256PieceSizes() {
    return {1, 55, 56, 63, 64, 65, 1000, 65536};
}

}  // namespace vitrex::testing
