#pragma once

#include <string>

namespace vitrex::server {

// The current time in UTC, "2005-10-26T12:00:00Z": the reports' time and the log's.
std::string UtcTimestamp();

}  // namespace vitrex::server
