#pragma once

#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>

struct sqlite3;

namespace vitrex::server {

struct Report {
    std::string received;  // UTC, "2005-10-26T12:00:00Z"
    std::string address;   // the sender's IP address
    std::string language, title, mail, os, text, version, datum, buildnumber;
    std::string body;  // the request body exactly as it came
};

// The received bug reports in one SQLite file (table "reports", made when missing). Requests are
// served on several threads; one connection behind a lock keeps the writes in order.
class ReportStore {
public:
    // Nothing, with the reason in `error`, when the file cannot be opened or made.
    static std::unique_ptr<ReportStore> Open(const std::filesystem::path& path, std::string& error);
    ReportStore(const ReportStore&) = delete;
    ReportStore& operator=(const ReportStore&) = delete;

    // The new row's id, or nothing when the write failed.
    std::optional<long long> Add(const Report& report);

private:
    struct CloseDatabase {
        void operator()(sqlite3* db) const noexcept;
    };
    using Connection = std::unique_ptr<sqlite3, CloseDatabase>;
    explicit ReportStore(Connection db) : db_(std::move(db)) {}

    std::mutex lock_;
    Connection db_;
};

}  // namespace vitrex::server
