// The project's web server: answers the program's update checks, change logs, downloads, bug
// reports and pages from a data folder, and keeps the reports in SQLite.
#include <pthread.h>
#include <signal.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "Options.h"
#include "Server.h"

int main(int argc, char** argv) {
    using namespace vitrex::server;
    std::string error;
    bool help = false;
    const auto options = ParseOptions(std::vector<std::string>(argv + 1, argv + argc), error, help);
    if (help) {
        std::cout << kUsage;
        return 0;
    }
    if (!options) {
        std::cerr << "vitrex_server: " << error << "\n" << kUsage;
        return 2;
    }
    // The signals are taken by sigwait below, never by a handler on some worker thread; the mask
    // is set before any thread starts so that every thread inherits it.
    sigset_t ending;
    sigemptyset(&ending);
    sigaddset(&ending, SIGINT);
    sigaddset(&ending, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &ending, nullptr);
    // A client that hangs up mid-reply must not end the server.
    signal(SIGPIPE, SIG_IGN);

    auto server = Server::Start(*options, error);
    if (!server) {
        std::cerr << "vitrex_server: " << error << "\n";
        return 1;
    }
    std::cout << server->Port() << std::endl;
    std::cerr << "vitrex_server: serving " << options->data.string() << " at " << server->BaseUrl()
              << ", reports in " << options->database.string() << std::endl;
    int received = 0;
    sigwait(&ending, &received);
    std::cerr << "vitrex_server: stopping on signal " << received << std::endl;
    server->Stop();
    return 0;
}
