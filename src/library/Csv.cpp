#include "library/Csv.h"

#include <algorithm>
#include <limits>

namespace kirune {

namespace {

bool IsBlank(QChar ch) { return ch == u' ' || ch == u'\t'; }
bool IsDigit(QChar ch) { return ch >= u'0' && ch <= u'9'; }

constexpr qint64 kClamp = qint64(std::numeric_limits<qint32>::max()) + 1;

}  // namespace

qint32 HeaderNumber(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    qint64 whole = 0;
    while (i < n && IsDigit(text[i])) {
        whole = std::min(kClamp, whole * 10 + (text[i].unicode() - u'0'));
        ++i;
    }
    if (i < n && text[i] == u'.') {
        ++i;
        // Only the first fraction digit and whether anything follows it decide the rounding.
        int first = -1;
        bool moreAfterFirst = false;
        while (i < n && IsDigit(text[i])) {
            const int d = text[i].unicode() - u'0';
            if (first < 0)
                first = d;
            else if (d != 0)
                moreAfterFirst = true;
            ++i;
        }
        if (first > 5 || (first == 5 && (moreAfterFirst || whole % 2 == 1)))
            whole = std::min(kClamp, whole + 1);
    }
    const qint64 value = negative ? -whole : whole;
    return qint32(std::clamp<qint64>(value, std::numeric_limits<qint32>::min(),
                                     std::numeric_limits<qint32>::max()));
}

std::optional<qint32> StrictNumber(QStringView text) {
    const QStringView t = text.trimmed();
    if (t.isEmpty())
        return 0;
    qsizetype i = 0;
    bool negative = false;
    if (t[0] == u'-' || t[0] == u'+') {
        negative = t[0] == u'-';
        ++i;
    }
    if (i == t.size())
        return std::nullopt;
    qint64 value = 0;
    for (; i < t.size(); ++i) {
        if (!IsDigit(t[i]))
            return std::nullopt;
        value = value * 10 + (t[i].unicode() - u'0');
        if (value > kClamp)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(value);
}

QString TakeCsvField(QString& line) {
    const qsizetype comma = line.indexOf(u',');
    if (comma < 0) {
        QString field = line;
        line.clear();
        return field;
    }
    QString field = comma == 0 ? QStringLiteral("0") : line.left(comma);
    line.remove(0, comma + 1);
    return field;
}

qint32 TakeCsvLong(QString& line) { return HeaderNumber(TakeCsvField(line)); }

}  // namespace kirune
