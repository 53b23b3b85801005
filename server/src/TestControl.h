#pragma once

#include <string>

namespace httplib {
class Server;
}

namespace vitrex::server {

struct Site;

// GET /test-control?token=TOKEN&clear=1&newest=B&throttle=N&fault=MODE@PATH changes the scripted
// behaviour while the server runs. Only a client on this machine that knows the token given on
// the command line is answered; anyone else gets the 404 of an unknown page.
void AddTestControlRoute(httplib::Server& server, Site& site, const std::string& token);

// A token is 16 to 128 letters, digits, "-" or "_", so it fits a query unencoded.
bool IsValidControlToken(const std::string& token);

}  // namespace vitrex::server
