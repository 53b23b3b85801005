#pragma once

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <string>
#include <vector>

namespace vitrex::server::testing {

struct StoredReport {
    std::vector<std::string> columns;  // received, address, language ... buildnumber, body
};

inline std::vector<StoredReport> ReadReports(const std::filesystem::path& database) {
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open_v2(database.c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    sqlite3_stmt* statement = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db,
                                 "SELECT received, address, language, title, mail, os, text, version, datum, "
                                 "buildnumber, body FROM reports ORDER BY id",
                                 -1, &statement, nullptr),
              SQLITE_OK);
    std::vector<StoredReport> reports;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        StoredReport report;
        for (int i = 0; i < 11; ++i) {
            const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement, i));
            report.columns.emplace_back(bytes ? bytes : "", sqlite3_column_bytes(statement, i));
        }
        reports.push_back(std::move(report));
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return reports;
}

}  // namespace vitrex::server::testing
