#include "CSqlStatement.h"

#include <sqlite3.h>

CSqlStatement::CSqlStatement(sqlite3* db, const std::string& sql)
{
    if (sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &m_statement, nullptr) != SQLITE_OK)
        m_statement = nullptr;
}

CSqlStatement::~CSqlStatement()
{
    sqlite3_finalize(m_statement);
}

CSqlStatement& CSqlStatement::Bind(int index, const std::string& text)
{
    const auto size = static_cast<int>(text.size());
    if (m_statement && sqlite3_bind_text(m_statement, index, text.data(), size, SQLITE_TRANSIENT) != SQLITE_OK)
        m_failed = true;
    return *this;
}

CSqlStatement& CSqlStatement::Bind(int index, std::int64_t value)
{
    if (m_statement && sqlite3_bind_int64(m_statement, index, value) != SQLITE_OK)
        m_failed = true;
    return *this;
}

CSqlStatement& CSqlStatement::Bind(int index, double value)
{
    if (m_statement && sqlite3_bind_double(m_statement, index, value) != SQLITE_OK)
        m_failed = true;
    return *this;
}

bool CSqlStatement::Next()
{
    if (Failed())
        return false;
    const int code = sqlite3_step(m_statement);
    m_failed = code != SQLITE_ROW && code != SQLITE_DONE;
    return code == SQLITE_ROW;
}

bool CSqlStatement::Run()
{
    return !Next() && !Failed();
}

std::int64_t CSqlStatement::Integer(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

double CSqlStatement::Real(int column) const
{
    return sqlite3_column_double(m_statement, column);
}

std::string CSqlStatement::Text(int column) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    const auto size = static_cast<std::size_t>(sqlite3_column_bytes(m_statement, column));
    return text ? std::string(text, size) : std::string();
}
