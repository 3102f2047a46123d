#pragma once

#include <QString>

#include <string>

// The order in which the desktop systems that plot files come from list a
// folder: letters without regard to case, and a run of digits by its
// number, so "sheet 2" comes before "sheet 10".
class CNaturalNameOrder {
public:
    static bool Less(const std::string& left, const std::string& right);

private:
    // Negative, zero or positive, as strcmp; moves both past their digits.
    static int CompareNumbers(const QString& left, qsizetype& at, const QString& right, qsizetype& other);
};
