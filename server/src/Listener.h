#pragma once

#include <string>

namespace vitrex::server {

// A listening TCP socket of its own: exclusive to this process (no SO_REUSEPORT, so a second
// server on a taken port fails instead of sharing its requests), with the system's usual backlog.
// The descriptor, or -1 with the reason in `error`. Port 0 picks a free port; `port` is then set.
int OpenListener(const std::string& address, int& port, std::string& error);

}  // namespace vitrex::server
