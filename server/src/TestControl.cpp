#include "TestControl.h"

#include <arpa/inet.h>
#include <httplib.h>

#include <algorithm>

#include "Contract.h"

namespace vitrex::server {
namespace {

bool IsLoopback(const std::string& address) {
    in_addr v4{};
    if (inet_pton(AF_INET, address.c_str(), &v4) == 1) return (ntohl(v4.s_addr) >> 24) == 127;
    in6_addr v6{};
    if (inet_pton(AF_INET6, address.c_str(), &v6) == 1) {
        static const in6_addr loopback = IN6ADDR_LOOPBACK_INIT;
        if (std::equal(std::begin(v6.s6_addr), std::end(v6.s6_addr), std::begin(loopback.s6_addr)))
            return true;
        // ::ffff:127.x.y.z
        static const unsigned char mapped[12] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF};
        return std::equal(mapped, mapped + 12, v6.s6_addr) && v6.s6_addr[12] == 127;
    }
    return false;
}

// Compares every byte whatever the first difference, so the time of a refusal tells nothing.
bool SameToken(const std::string& given, const std::string& expected) {
    unsigned char difference = given.size() == expected.size() ? 0 : 1;
    for (std::size_t i = 0; i < expected.size(); ++i)
        difference |= static_cast<unsigned char>(expected[i] ^ (i < given.size() ? given[i] : 0));
    return difference == 0;
}

}  // namespace

bool IsValidControlToken(const std::string& token) {
    return token.size() >= 16 && token.size() <= 128 && std::all_of(token.begin(), token.end(), [](char c) {
               return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                      c == '-' || c == '_';
           });
}

void AddTestControlRoute(httplib::Server& server, Site& site, const std::string& token) {
    server.Get("/test-control", [&site, token](const httplib::Request& request, httplib::Response& response) {
        // Behind a front end every connection comes from this machine; the sender it names counts.
        const bool local = IsLoopback(request.remote_addr) && IsLoopback(SenderAddress(site, request));
        if (!local || !SameToken(request.get_param_value("token"), token)) {
            response.status = 404;
            response.set_content("not found\n", "text/plain; charset=utf-8");
            return;
        }
        httplib::Params changes = request.params;
        changes.erase("token");
        std::string error;
        if (site.script.Apply(changes, error)) {
            response.set_content("ok\n", "text/plain");
        } else {
            response.status = 400;
            response.set_content(error + "\n", "text/plain");
        }
    });
}

}  // namespace vitrex::server
