// vtxtrust CERT.pem: adds the certificate (PEM or DER) to the user's trusted root authorities, so
// that the system's TLS accepts the servers it signed. For tests in a Wine prefix of their own.
// Exit 0 when added (or there already), 1 otherwise, with the reason on stderr.

#include <windows.h>

#include <wincrypt.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fputs("usage: vtxtrust CERT.pem\n", stderr);
        return 1;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (text.empty()) {
        std::fputs("vtxtrust: the certificate file is empty or unreadable\n", stderr);
        return 1;
    }
    std::vector<BYTE> der(text.begin(), text.end());
    if (text.find("-----BEGIN") != std::string::npos) {
        DWORD size = 0;
        if (!CryptStringToBinaryA(text.c_str(), static_cast<DWORD>(text.size()), CRYPT_STRING_BASE64HEADER,
                                  nullptr, &size, nullptr, nullptr)) {
            std::fprintf(stderr, "vtxtrust: no PEM certificate (%lu)\n", GetLastError());
            return 1;
        }
        der.resize(size);
        CryptStringToBinaryA(text.c_str(), static_cast<DWORD>(text.size()), CRYPT_STRING_BASE64HEADER,
                             der.data(), &size, nullptr, nullptr);
        der.resize(size);
    }
    HCERTSTORE root = CertOpenStore(CERT_STORE_PROV_SYSTEM_W, 0, 0, CERT_SYSTEM_STORE_CURRENT_USER, L"Root");
    if (root == nullptr) {
        std::fprintf(stderr, "vtxtrust: CertOpenStore failed (%lu)\n", GetLastError());
        return 1;
    }
    const BOOL added =
        CertAddEncodedCertificateToStore(root, X509_ASN_ENCODING, der.data(), static_cast<DWORD>(der.size()),
                                         CERT_STORE_ADD_REPLACE_EXISTING, nullptr);
    const DWORD error = GetLastError();
    CertCloseStore(root, 0);
    if (!added) {
        std::fprintf(stderr, "vtxtrust: CertAddEncodedCertificateToStore failed (%lu)\n", error);
        return 1;
    }
    return 0;
}
