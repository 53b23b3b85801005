#pragma once

namespace vitrex::net {

// The project's web server and contact mailbox. The server is reached over HTTPS, so that no one
// on the way can read a report's mail address or swap the update; net::ServerBase lets the
// environment name another.
inline constexpr const char* kProjectServer = "https://vitrex.example.org/";
inline constexpr const char* kContactMailbox = "contact@vitrex.example.org";

}  // namespace vitrex::net
