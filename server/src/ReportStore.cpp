#include "ReportStore.h"

#include <sqlite3.h>

#include <memory>

namespace vitrex::server {
namespace {

constexpr const char* kSchema =
    "CREATE TABLE IF NOT EXISTS reports ("
    " id INTEGER PRIMARY KEY,"
    " received TEXT NOT NULL,"
    " address TEXT NOT NULL,"
    " language TEXT, title TEXT, mail TEXT, os TEXT, text TEXT,"
    " version TEXT, datum TEXT, buildnumber TEXT,"
    " body BLOB NOT NULL)";

constexpr const char* kInsert =
    "INSERT INTO reports (received, address, language, title, mail, os, text, version, datum, "
    "buildnumber, body) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";

}  // namespace

void ReportStore::CloseDatabase::operator()(sqlite3* db) const noexcept {
    sqlite3_close(db);
}

std::unique_ptr<ReportStore> ReportStore::Open(const std::filesystem::path& path, std::string& error) {
    sqlite3* raw = nullptr;
    const int opened =
        sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    // Closed whatever happens below, also when the open failed half-way.
    Connection connection(raw);
    sqlite3* db = connection.get();
    if (opened != SQLITE_OK) {
        error = path.string() + ": " + (db ? sqlite3_errmsg(db) : sqlite3_errstr(opened));
        return nullptr;
    }
    // Someone reading the reports with the sqlite3 tool holds a lock for a moment.
    sqlite3_busy_timeout(db, 5000);
    // A write-ahead log synced at its checkpoints: a report is safe from a crash of the server as
    // soon as it is answered, and only a power cut can lose the last moment's reports; the
    // rollback journal's sync per report held the server to about a hundred reports a second.
    sqlite3_exec(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL", nullptr, nullptr, nullptr);
    char* message = nullptr;
    if (sqlite3_exec(db, kSchema, nullptr, nullptr, &message) != SQLITE_OK) {
        error = path.string() + ": " + (message ? message : "cannot create the reports table");
        sqlite3_free(message);
        return nullptr;
    }
    return std::unique_ptr<ReportStore>(new ReportStore(std::move(connection)));
}

std::optional<long long> ReportStore::Add(const Report& report) {
    std::lock_guard<std::mutex> hold(lock_);
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db_.get(), kInsert, -1, &raw, nullptr) != SQLITE_OK) return std::nullopt;
    const std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)> statement(raw, &sqlite3_finalize);
    int column = 0;
    for (const std::string* value :
         {&report.received, &report.address, &report.language, &report.title, &report.mail, &report.os,
          &report.text, &report.version, &report.datum, &report.buildnumber}) {
        sqlite3_bind_text(raw, ++column, value->data(), static_cast<int>(value->size()), SQLITE_TRANSIENT);
    }
    sqlite3_bind_blob(raw, ++column, report.body.data(), static_cast<int>(report.body.size()),
                      SQLITE_TRANSIENT);
    if (sqlite3_step(raw) != SQLITE_DONE) return std::nullopt;
    return sqlite3_last_insert_rowid(db_.get());
}

}  // namespace vitrex::server
