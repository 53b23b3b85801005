#include "Listener.h"

#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vitrex::server {

int OpenListener(const std::string& address, int& port, std::string& error) {
    const std::string where = address + " port " + std::to_string(port);
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_PASSIVE | AI_NUMERICHOST | AI_NUMERICSERV;
    addrinfo* found = nullptr;
    const int resolved = getaddrinfo(address.c_str(), std::to_string(port).c_str(), &hints, &found);
    if (resolved != 0) {
        error = "cannot listen on " + where + ": " + address + " is not an IP address";
        return -1;
    }
    const int fd = socket(found->ai_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        error = "cannot listen on " + where + ": " + std::strerror(errno);
        freeaddrinfo(found);
        return -1;
    }
    // Only so that a restarted server can bind while the old connections linger in TIME_WAIT; on
    // Linux it never lets two listeners share a port.
    const int yes = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    const bool bound = bind(fd, found->ai_addr, found->ai_addrlen) == 0 && listen(fd, SOMAXCONN) == 0;
    const int failure = errno;
    freeaddrinfo(found);
    if (!bound) {
        close(fd);
        error = failure == EADDRINUSE
                    ? "cannot listen on " + where + ": the port is in use (is another server running?)"
                    : "cannot listen on " + where + ": " + std::strerror(failure);
        return -1;
    }
    sockaddr_storage local{};
    socklen_t length = sizeof local;
    getsockname(fd, reinterpret_cast<sockaddr*>(&local), &length);
    port = ntohs(local.ss_family == AF_INET6 ? reinterpret_cast<sockaddr_in6*>(&local)->sin6_port
                                             : reinterpret_cast<sockaddr_in*>(&local)->sin_port);
    return fd;
}

}  // namespace vitrex::server
