// Database tables read through SQLite: a connection and a forward-only record set.
#pragma once

#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace office {

// A database connection. The connection text names the file after "DBQ=" (up to the next
// ";"); a text without it is the file name itself. The file must exist: opening raises
// EOfficeFileError naming it otherwise, or when it is no database.
class TDbConnection {
public:
    TDbConnection() = default;
    ~TDbConnection();
    TDbConnection(const TDbConnection&) = delete;
    TDbConnection& operator=(const TDbConnection&) = delete;

    void Open(const std::string& connectionText);
    void Close();
    const std::string& FileName() const { return FFileName; }
    sqlite3* Handle() const { return FDb; }

private:
    sqlite3* FDb = nullptr;
    std::string FFileName;
};

// The rows of a query, read front to back. RecordCount is -1 (not known before the end).
class TRecordSet {
public:
    TRecordSet() = default;
    ~TRecordSet();
    TRecordSet(const TRecordSet&) = delete;
    TRecordSet& operator=(const TRecordSet&) = delete;

    // Raises EOfficeFileError naming the file, the query and the database's reason.
    void Open(const std::string& sql, TDbConnection& connection);
    void Close();
    int FieldCount() const;
    std::string FieldName(int i) const;
    int RecordCount() const { return -1; }
    bool Eof() const { return FEof; }
    void MoveNext();
    // The field of the current record as text (numbers as the database writes them).
    std::string Value(int i) const;
    // Bytes the value holds; 0 for NULL.
    int ActualSize(int i) const;

private:
    void Step();
    sqlite3_stmt* FStmt = nullptr;
    TDbConnection* FConnection = nullptr;
    std::string FSql;
    bool FEof = true;
};

}  // namespace office
