#include "CNaturalNameOrder.h"

namespace {
bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

qsizetype DigitsEnd(const QString& text, qsizetype at)
{
    while (at < text.size() && IsDigit(text[at]))
        ++at;
    return at;
}
}

// Names equal in that order keep a fixed order by their bytes.
bool CNaturalNameOrder::Less(const std::string& leftName, const std::string& rightName)
{
    const QString left = QString::fromStdString(leftName);
    const QString right = QString::fromStdString(rightName);
    qsizetype at = 0;
    qsizetype other = 0;
    while (at < left.size() && other < right.size()) {
        int order = 0;
        if (IsDigit(left[at]) && IsDigit(right[other])) {
            order = CompareNumbers(left, at, right, other);
        } else {
            order = left[at].toCaseFolded().unicode() - right[other].toCaseFolded().unicode();
            ++at;
            ++other;
        }
        if (order != 0)
            return order < 0;
    }
    if (at < left.size() || other < right.size())
        return other < right.size();
    return leftName < rightName;
}

// Leading zeros count for nothing: "007" and "7" are the same number.
int CNaturalNameOrder::CompareNumbers(const QString& left, qsizetype& at, const QString& right, qsizetype& other)
{
    const qsizetype end = DigitsEnd(left, at);
    const qsizetype otherEnd = DigitsEnd(right, other);
    while (at + 1 < end && left[at] == u'0')
        ++at;
    while (other + 1 < otherEnd && right[other] == u'0')
        ++other;
    const QStringView number = QStringView(left).mid(at, end - at);
    const QStringView otherNumber = QStringView(right).mid(other, otherEnd - other);
    at = end;
    other = otherEnd;
    if (number.size() != otherNumber.size())
        return number.size() < otherNumber.size() ? -1 : 1;
    return number.compare(otherNumber);
}
