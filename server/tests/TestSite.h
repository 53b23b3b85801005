#pragma once

#include <gtest/gtest.h>
#include <httplib.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "Server.h"

namespace vitrex::server::testing {

// A data folder of its own in the temporary folder, removed afterwards, and a server on a free
// port answering from it.
class TestSite : public ::testing::Test {
protected:
    TestSite() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        root_ = std::filesystem::temp_directory_path() / ("vitrex-server-" + std::to_string(::getpid()) +
                                                          "-" + info->test_suite_name() + "-" + info->name());
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_);
    }
    ~TestSite() override {
        server_.reset();
        std::filesystem::remove_all(root_);
    }

    void Write(const std::string& relative, const std::string& bytes) {
        const auto path = root_ / relative;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    }

    // Two releases and their change logs; the update of 0022 is `update`.
    void WriteReleases(const std::string& update = "MZ update 0022") {
        Write("releases.txt",
              "# build | version | date | file\n"
              "0021 | 0.21 PreBuild | 26. Oktober 2005 | update-0021.exe\n"
              "\n"
              "0022 | 0.22 PreBuild | 1. März 2006 | update-0022.exe\n");
        Write("files/update-0021.exe", "MZ update 0021");
        Write("files/update-0022.exe", update);
        Write("changelog/0022.en.txt", "Faster.\nSafer.\n");
        Write("changelog/0022.de.txt", "Schneller.\nGrößer.\n");
        Write("changelog/0021.en.txt", "First.\n");
    }

    Server& Start(Options options = {}) {
        options.port = 0;
        if (options.data.empty()) options.data = root_;
        if (options.database.empty()) options.database = root_ / "reports.sqlite";
        std::string error;
        server_ = Server::Start(options, error, [this](const std::string& line) {
            std::lock_guard<std::mutex> hold(log_lock_);
            log_.push_back(line);
        });
        if (!server_) throw std::runtime_error(error);
        return *server_;
    }

    httplib::Client Client() {
        httplib::Client client("127.0.0.1", server_->Port());
        client.set_read_timeout(10, 0);
        return client;
    }

    std::string Body(const std::string& target) {
        auto client = Client();
        const auto reply = client.Get(target.c_str());
        if (!reply) throw std::runtime_error(target + ": " + httplib::to_string(reply.error()));
        return reply->body;
    }

    std::vector<std::string> LogLines() {
        std::lock_guard<std::mutex> hold(log_lock_);
        return log_;
    }

    std::filesystem::path root_;
    std::unique_ptr<Server> server_;
    std::mutex log_lock_;
    std::vector<std::string> log_;
};

}  // namespace vitrex::server::testing
