#pragma once

#include <string>

#include "DataFolder.h"
#include "Delivery.h"
#include "FileDigests.h"
#include "ReportStore.h"
#include "Script.h"

namespace httplib {
class Server;
struct Request;
}  // namespace httplib

namespace vitrex::server {

// What the program's requests are answered from.
struct Site {
    DataFolder data;
    ReportStore& reports;
    Script& script;
    StopSignal& stop;
    std::string base_url;  // ends in "/"
    bool behind_proxy = false;
    FileDigests digests;
};

// The most fields a bug report is read with: the program sends nine.
inline constexpr std::size_t kLargestFieldCount = 64;

// The client's address: the front end's X-Real-IP behind a proxy, else the connection's.
std::string SenderAddress(const Site& site, const httplib::Request& request);

// update.php, changelog.php, download.php, sendbug.php, page.php and the root.
void AddContractRoutes(httplib::Server& server, Site& site);

}  // namespace vitrex::server
