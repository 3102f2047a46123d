#pragma once

#include <cstdint>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

// One prepared SQLite statement, finalised when it goes. Parameters are
// bound by position from 1, columns read by position from 0.
class CSqlStatement {
public:
    CSqlStatement(sqlite3* db, const std::string& sql);
    ~CSqlStatement();
    CSqlStatement(const CSqlStatement&) = delete;
    CSqlStatement& operator=(const CSqlStatement&) = delete;

    bool IsValid() const { return m_statement != nullptr; }
    CSqlStatement& Bind(int index, const std::string& text);
    CSqlStatement& Bind(int index, std::int64_t value);
    CSqlStatement& Bind(int index, double value);
    // True while there is a row to read; false at the end or on an error.
    bool Next();
    // Runs a statement that returns no rows; false on an error.
    bool Run();
    // Not prepared, a bind failed, or a step ended in an error.
    bool Failed() const { return m_failed || !m_statement; }

    std::int64_t Integer(int column) const;
    double Real(int column) const;
    std::string Text(int column) const;

private:
    sqlite3_stmt* m_statement = nullptr;
    bool m_failed = false;
};
