#include <gtest/gtest.h>
#include <httplib.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace {

// The server program as scripts start it: a child on a free port, its port read from the first
// line it prints, ended by a signal.
class ServerProcess {
public:
    explicit ServerProcess(std::vector<std::string> args) {
        int out[2];
        if (pipe(out) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
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
}

}  // namespace
