// Database tables read through SQLite: a connection and a forward-only record set.
#include "platform/office/Database.h"

#include <sqlite3.h>

#include <filesystem>

#include "platform/office/OfficeErrors.h"
#include "platform/rtl/Paths.h"

namespace office {

namespace {

std::string FileOfConnection(const std::string& text)
{
    const std::size_t at = text.find("DBQ=");
    if (at == std::string::npos) return text;
    const std::size_t start = at + 4;
    const std::size_t end = text.find(';', start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

}  // namespace

TDbConnection::~TDbConnection() { Close(); }

void TDbConnection::Open(const std::string& connectionText)
{
    Close();
    FFileName = FileOfConnection(connectionText);
    const std::string path = rtl::MapPath(FFileName);
    if (!std::filesystem::is_regular_file(path)) throw EOfficeFileError("Cannot open database " + FFileName + ": file not found");
    if (sqlite3_open_v2(path.c_str(), &FDb, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        const std::string reason = FDb ? sqlite3_errmsg(FDb) : "out of memory";
        Close();
        throw EOfficeFileError("Cannot open database " + FFileName + ": " + reason);
    }
}

void TDbConnection::Close()
{
    if (FDb) sqlite3_close_v2(FDb);
    FDb = nullptr;
}

TRecordSet::~TRecordSet() { Close(); }

void TRecordSet::Open(const std::string& sql, TDbConnection& connection)
{
    Close();
    FConnection = &connection;
    FSql = sql;
    if (!connection.Handle()) throw EOfficeFileError("Database connection is not open");
    if (sqlite3_prepare_v2(connection.Handle(), sql.c_str(), -1, &FStmt, nullptr) != SQLITE_OK || !FStmt) {
        const std::string reason = sqlite3_errmsg(connection.Handle());
        Close();
        throw EOfficeFileError("Query \"" + sql + "\" on " + connection.FileName() + " failed: " + reason);
    }
    Step();
}

void TRecordSet::Close()
{
    if (FStmt) sqlite3_finalize(FStmt);
    FStmt = nullptr;
    FEof = true;
}

void TRecordSet::Step()
{
    const int rc = sqlite3_step(FStmt);
    if (rc == SQLITE_ROW) {
        FEof = false;
        return;
    }
    FEof = true;
    if (rc != SQLITE_DONE)
        throw EOfficeFileError("Query \"" + FSql + "\" on " + FConnection->FileName() + " failed: " +
                               sqlite3_errmsg(FConnection->Handle()));
}

int TRecordSet::FieldCount() const { return FStmt ? sqlite3_column_count(FStmt) : 0; }

std::string TRecordSet::FieldName(int i) const
{
    const char* name = FStmt ? sqlite3_column_name(FStmt, i) : nullptr;
    return name ? name : "";
}

void TRecordSet::MoveNext()
{
    if (!FEof) Step();
}

std::string TRecordSet::Value(int i) const
{
    if (FEof) return {};
    const unsigned char* text = sqlite3_column_text(FStmt, i);
    return text ? std::string(reinterpret_cast<const char*>(text), sqlite3_column_bytes(FStmt, i)) : "";
}

int TRecordSet::ActualSize(int i) const
{
    if (FEof || sqlite3_column_type(FStmt, i) == SQLITE_NULL) return 0;
    sqlite3_column_text(FStmt, i);
    return sqlite3_column_bytes(FStmt, i);
}

}  // namespace office
