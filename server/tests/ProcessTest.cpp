#include <gtest/gtest.h>
#include <httplib.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

// The server program as scripts start it: a child on a free port, its port read from the first
// line it prints, ended by a signal.
class ServerProcess {
public:
    explicit ServerProcess(std::vector<std::string> args)
        : errors_(std::filesystem::temp_directory_path() /
                  ("vitrex-process-" + std::to_string(getpid()) + "-" + std::to_string(++count_) + ".err")) {
        int out[2];
        if (pipe(out) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            if (!freopen(errors_.c_str(), "w", stderr)) _exit(126);
            dup2(out[1], STDOUT_FILENO);
            close(out[0]);
            close(out[1]);
            std::vector<char*> argv{const_cast<char*>(VITREX_SERVER_EXE)};
            for (auto& arg : args)
                argv.push_back(arg.data());
            argv.push_back(nullptr);
            execv(VITREX_SERVER_EXE, argv.data());
            _exit(127);
        }
        close(out[1]);
        stdout_ = fdopen(out[0], "r");
    }
    ~ServerProcess() {
        if (pid_ > 0 && !exited_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (stdout_) fclose(stdout_);
        std::filesystem::remove(errors_);
    }

    std::string Errors() const {
        std::ifstream in(errors_);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    // A figure of /proc/PID/status ("VmRSS" in kB) or of /proc/PID/stat (utime + stime in ticks).
    long StatusKb(const std::string& key) const {
        std::ifstream in("/proc/" + std::to_string(pid_) + "/status");
        for (std::string line; std::getline(in, line);) {
            if (line.starts_with(key + ":")) return std::stol(line.substr(key.size() + 1));
        }
        return -1;
    }
    long CpuTicks() const {
        std::ifstream in("/proc/" + std::to_string(pid_) + "/stat");
        std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::istringstream fields(stat.substr(stat.rfind(')') + 2));
        std::string field;
        long ticks = 0;
        for (int i = 3; fields >> field && i <= 15; ++i) {
            if (i == 14 || i == 15) ticks += std::stol(field);
        }
        return ticks;
    }

    std::string FirstLine() {
        char line[64] = {};
        if (!stdout_ || !fgets(line, sizeof line, stdout_)) return {};
        return std::string(line);
    }

    // The exit status, or -1 when the process has not ended within the time.
    int EndsWithin(std::chrono::seconds limit) {
        for (auto end = std::chrono::steady_clock::now() + limit; std::chrono::steady_clock::now() < end;) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                exited_ = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return -1;
    }

    pid_t Pid() const { return pid_; }

private:
    static inline int count_ = 0;
    std::filesystem::path errors_;
    pid_t pid_ = -1;
    FILE* stdout_ = nullptr;
    bool exited_ = false;
};

TEST(ServerProcess, PrintsItsPortAnswersAndEndsCleanlyOnTheSignals) {
    const auto database =
        std::filesystem::temp_directory_path() / ("vitrex-process-" + std::to_string(getpid()) + ".sqlite");
    for (const int signal : {SIGTERM, SIGINT}) {
        ServerProcess server(
            {"--port", "0", "--data", VITREX_SERVER_SAMPLE, "--database", database.string()});
        const std::string line = server.FirstLine();
        ASSERT_FALSE(line.empty());
        const int port = std::stoi(line);
        ASSERT_GT(port, 0);
        httplib::Client client("127.0.0.1", port);
        const auto reply = client.Get("/update.php?check=1");
        ASSERT_TRUE(reply);
        EXPECT_EQ(reply->body, "0022") << "the sample data announces build 0022";
        kill(server.Pid(), signal);
        EXPECT_EQ(server.EndsWithin(std::chrono::seconds(10)), 0);
    }
    std::filesystem::remove(database);
}

TEST(ServerProcess, ABadCommandLineOrDataFolderEndsWithAnError) {
    ServerProcess no_data({"--port", "0"});
    EXPECT_EQ(no_data.EndsWithin(std::chrono::seconds(10)), 2);
    ServerProcess missing({"--port", "0", "--data", "/nonexistent/vitrex"});
    EXPECT_EQ(missing.EndsWithin(std::chrono::seconds(10)), 1);
    ServerProcess bogus({"--data", VITREX_SERVER_SAMPLE, "--bogus"});
    EXPECT_EQ(bogus.EndsWithin(std::chrono::seconds(10)), 2);
    EXPECT_TRUE(bogus.Errors().starts_with("vitrex_server: unknown option --bogus\n")) << bogus.Errors();
    ServerProcess not_url({"--data", VITREX_SERVER_SAMPLE, "--base-url", "not a url"});
    EXPECT_EQ(not_url.EndsWithin(std::chrono::seconds(10)), 2);
    EXPECT_NE(not_url.Errors().find("--base-url takes an http:// or https:// URL"), std::string::npos);
}

class RunningServer : public ::testing::Test {
protected:
    RunningServer()
        : database_(std::filesystem::temp_directory_path() /
                    ("vitrex-running-" + std::to_string(getpid()) + ".sqlite")),
          server_({"--port", "0", "--data", VITREX_SERVER_SAMPLE, "--database", database_.string()}) {
        const std::string line = server_.FirstLine();
        port_ = line.empty() ? 0 : std::stoi(line);
    }
    ~RunningServer() override {
        for (const char* suffix : {"", "-wal", "-shm"})
            std::filesystem::remove(database_.string() + suffix);
    }

    std::filesystem::path database_;
    ServerProcess server_;
    int port_ = 0;
};

TEST_F(RunningServer, ASecondServerOnItsPortEndsWithAClearError) {
    ASSERT_GT(port_, 0);
    ServerProcess second({"--port", std::to_string(port_), "--data", VITREX_SERVER_SAMPLE, "--database",
                          database_.string() + "-second"});
    EXPECT_EQ(second.EndsWithin(std::chrono::seconds(10)), 1);
    EXPECT_NE(second.Errors().find("port " + std::to_string(port_) + ": the port is in use"),
              std::string::npos)
        << second.Errors();
    std::filesystem::remove(database_.string() + "-second");
    httplib::Client client("127.0.0.1", port_);
    EXPECT_EQ(client.Get("/update.php?check=1")->body, "0022") << "the first one still answers alone";
}

TEST_F(RunningServer, EndlessHeadersAreRefusedAndCostNoMemory) {
    ASSERT_GT(port_, 0);
    httplib::Client client("127.0.0.1", port_);
    ASSERT_TRUE(client.Get("/update.php?check=1"));
    const long before = server_.StatusKb("VmRSS");
    int refused = 0;
    for (int round = 0; round < 5; ++round) {
        const int fd = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<std::uint16_t>(port_));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ASSERT_EQ(connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        std::string request = "GET / HTTP/1.1\r\n";
        const std::string line = "X-Filler: " + std::string(8000, 'h') + "\r\n";
        // 12,000 lines of 8 KB, as far as the server takes them.
        for (int i = 0; i < 12000; ++i) {
            if (send(fd, line.data(), line.size(), MSG_NOSIGNAL) <= 0) break;
        }
        char reply[64] = {};
        if (recv(fd, reply, sizeof reply - 1, 0) > 0 && std::string(reply).starts_with("HTTP/1.1 431"))
            ++refused;
        close(fd);
    }
    EXPECT_EQ(refused, 5);
    // Unbounded, one such head took 153 MB; the sanitizers' quarantine of freed blocks counts here too.
    EXPECT_LT(server_.StatusKb("VmRSS") - before, 48 * 1024) << "kB resident after the refused heads";
    EXPECT_EQ(client.Get("/update.php?check=1")->body, "0022");
}

TEST(ServerProcess, TheUpdateInformationHashesTheUpdateOnce) {
    const auto root =
        std::filesystem::temp_directory_path() / ("vitrex-process-digest-" + std::to_string(getpid()));
    std::filesystem::create_directories(root / "files");
    std::ofstream(root / "releases.txt") << "0022 | 0.22 | d | update.exe\n";
    std::ofstream(root / "files" / "update.exe", std::ios::binary) << std::string(2500 * 1024, 'u');
    {
        ServerProcess server({"--port", "0", "--data", root.string()});
        const std::string line = server.FirstLine();
        ASSERT_FALSE(line.empty());
        httplib::Client client("127.0.0.1", std::stoi(line));
        const long before = server.CpuTicks();
        for (int i = 0; i < 200; ++i) {
            const auto reply = client.Get("/update.php?infos=1&language=en");
            ASSERT_TRUE(reply);
            ASSERT_EQ(reply->status, 200);
        }
        EXPECT_LT(server.CpuTicks() - before, sysconf(_SC_CLK_TCK)) << "200 requests within a second of CPU";
    }
    std::filesystem::remove_all(root);
}

}  // namespace
