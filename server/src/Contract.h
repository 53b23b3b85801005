#pragma once

#include <string>

#include "DataFolder.h"
#include "Delivery.h"
#include "ReportStore.h"
#include "Script.h"

namespace httplib {
class Server;
}

namespace vitrex::server {

// What the program's requests are answered from.
struct Site {
    DataFolder data;
    ReportStore& reports;
    Script& script;
    StopSignal& stop;
    std::string base_url;  // ends in "/"
    bool behind_proxy = false;
};

// update.php, changelog.php, download.php, sendbug.php, page.php and the root.
void AddContractRoutes(httplib::Server& server, Site& site);

}  // namespace vitrex::server
