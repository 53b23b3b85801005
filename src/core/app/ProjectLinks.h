#pragma once

namespace vitrex::app {

// The project's web server and contact mailbox.
inline constexpr const char* kProjectServer = "http://vitrex.example.org/";
inline constexpr const char* kContactMailbox = "contact@vitrex.example.org";

}  // namespace vitrex::app
