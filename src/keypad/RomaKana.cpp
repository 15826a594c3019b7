#include "keypad/RomaKana.h"

#include "library/Cp932Text.h"

namespace kirune {

namespace {

constexpr int kDoubling = 17;
constexpr int kRows[4] = {0, 6, 97, 122};

}  // namespace

QStringList QuotedFields(const QString& line) {
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar ch = line[i];
        if (quoted) {
            if (ch == u'"')
                quoted = false;
            else
                field += ch;
        } else if (ch == u'"') {
            quoted = true;
        } else if (ch == u',') {
            fields << field;
            field.clear();
        } else {
            field += ch;
        }
    }
    fields << field;
    return fields;
}

Result<RomaKanaTable> RomaKanaTable::Load(const QString& path) {
    const auto file = ReadTextFile(path);
    auto fail = [](const QString& why) { return Result<RomaKanaTable>{{}, why}; };
    if (!file)
        return fail(QStringLiteral("%1 cannot be opened").arg(path));
    const QStringList& lines = file->lines;
    const int needed = 3 + kRows[1] + kRows[2] + kRows[3];
    if (lines.size() < needed)
        return fail(QStringLiteral("%1 holds %2 lines; the table needs %3").arg(path).arg(lines.size()).arg(needed));
    RomaKanaTable table;
    table.Doubling = QuotedFields(lines[1]).mid(1, kDoubling);
    if (table.Doubling.size() != kDoubling)
        return fail(QStringLiteral("%1: line 2 names %2 doubling letters, not 17").arg(path).arg(table.Doubling.size()));
    int row = 3;
    for (int keys = 1; keys <= 3; ++keys)
        for (int k = 0; k < kRows[keys]; ++k, ++row) {
            const QStringList fields = QuotedFields(lines[row]);
            if (fields.size() < 4 || fields[1].isEmpty())
                return fail(QStringLiteral("%1: line %2 is not a table row").arg(path).arg(row + 1));
            table.Keys[keys].push_back({fields[1], fields[2], fields[3]});
        }
    return {std::move(table), std::nullopt};
}

const KanaEntry* RomaKanaTable::Find(const QString& keys) const {
    if (keys.size() < 1 || keys.size() > 3)
        return nullptr;
    for (const KanaEntry& entry : Keys[keys.size()])
        if (entry.Key == keys)
            return &entry;
    return nullptr;
}

}  // namespace kirune
