#pragma once

#include <gtest/gtest.h>
#include <httplib.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "Server.h"

namespace vitrex::server::testing {

// A plain TCP connection to the server, for requests no HTTP client would send.
class RawConnection {
public:
    explicit RawConnection(int port) {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<std::uint16_t>(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (::connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
            throw std::runtime_error("cannot connect to port " + std::to_string(port));
        }
    }
    ~RawConnection() { ::close(fd_); }
    RawConnection(const RawConnection&) = delete;
    RawConnection& operator=(const RawConnection&) = delete;

    // False when the server no longer takes bytes (it closed the connection).
    bool Send(const std::string& bytes) {
        for (std::size_t sent = 0; sent < bytes.size();) {
            const ssize_t n = ::send(fd_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
            if (n <= 0) return false;
            sent += static_cast<std::size_t>(n);
        }
        return true;
    }

    // Everything until `marker` has arrived, the connection closed or `seconds` passed.
    std::string ReadUntil(const std::string& marker, int seconds = 10) {
        while ((marker.empty() || pending_.find(marker) == std::string::npos) && ReadSome(seconds)) {
        }
        std::string got;
        got.swap(pending_);
        return got;
    }

    // The next reply, head and Content-Length body (after a 100 Continue, kept in front of it).
    std::string ReadReply(int seconds = 10) {
        for (;;) {
            std::size_t start = 0;
            if (pending_.compare(0, 12, "HTTP/1.1 100") == 0) {
                start = pending_.find("\r\n\r\n");
                if (start != std::string::npos) start += 4;
            }
            const std::size_t head = start == std::string::npos ? start : pending_.find("\r\n\r\n", start);
            if (head != std::string::npos) {
                const std::size_t at = pending_.find("Content-Length: ", start);
                const std::size_t length = at < head ? std::stoul(pending_.substr(at + 16)) : 0;
                if (pending_.size() >= head + 4 + length) {
                    std::string reply = pending_.substr(0, head + 4 + length);
                    pending_.erase(0, head + 4 + length);
                    return reply;
                }
            }
            if (!ReadSome(seconds)) return ReadUntil("", 0);
        }
    }

    // True when the server closes the connection within `seconds`.
    bool ClosedWithin(int seconds) { return ReadUntil("", seconds).empty() && Closed(); }

private:
    bool ReadSome(int seconds) {
        pollfd wait{fd_, POLLIN, 0};
        if (::poll(&wait, 1, seconds * 1000) <= 0) return false;
        char buffer[4096];
        const ssize_t n = ::recv(fd_, buffer, sizeof buffer, 0);
        if (n <= 0) return false;
        pending_.append(buffer, static_cast<std::size_t>(n));
        return true;
    }

    bool Closed() {
        char byte = 0;
        return ::recv(fd_, &byte, 1, MSG_DONTWAIT) == 0;
    }

    int fd_ = -1;
    std::string pending_;
};

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
