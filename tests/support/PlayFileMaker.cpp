#include "support/PlayFileMaker.h"

#include "library/Cp932Text.h"

#include <QDir>

namespace kirune {

namespace {

const QChar kBlock(0x25A0);

QString Section(const StageSketch& s, int n) {
    const int R = int(s.rows.size());
    const int C = int(s.rows[0].size());
    auto white = [&](int r, int c) {
        return r >= 1 && r <= R && c >= 1 && c <= C && s.rows[r - 1][c - 1] != kBlock;
    };
    auto acrossRun = [&](int r, int c) { return white(r, c) && (white(r, c - 1) || white(r, c + 1)); };
    auto downRun = [&](int r, int c) { return white(r, c) && (white(r - 1, c) || white(r + 1, c)); };

    std::vector<std::vector<int>> across(R + 2, std::vector<int>(C + 2)), down = across;
    QStringList answers;
    int word = 0;
    for (int r = 1; r <= R; ++r)
        for (int c = 1; c <= C; ++c)
            if (acrossRun(r, c) && !white(r, c - 1)) {
                across[r][c] = ++word;
                QString text;
                for (int k = c; white(r, k); ++k)
                    text += s.rows[r - 1][k - 1];
                answers << text;
            }
    const int downFirst = word + 1;
    for (int r = 1; r <= R; ++r)
        for (int c = 1; c <= C; ++c)
            if (downRun(r, c) && !white(r - 1, c)) {
                down[r][c] = ++word;
                QString text;
                for (int k = r; white(k, c); ++k)
                    text += s.rows[k - 1][c - 1];
                answers << text;
            }

    QStringList out;
    out << QStringLiteral(";#%1").arg(n) << QStringLiteral("[size rows,columns]")
        << QStringLiteral("%1,%2").arg(R).arg(C) << QStringLiteral("[level,words,first down]")
        << QStringLiteral("%1,%2,%3").arg(s.level).arg(word).arg(downFirst) << QStringLiteral("[kinds]");
    for (int r = 0; r <= R + 1; ++r) {
        QStringList kinds;
        for (int c = 0; c <= C + 1; ++c) {
            const bool a = acrossRun(r, c), d = downRun(r, c);
            kinds << QString::number(!white(r, c) ? 1 : a && d ? 4 : a ? 2 : d ? 3 : 0);
        }
        out << kinds.join(u',');
    }
    out << QStringLiteral("[solution]");
    out += s.rows;
    for (const auto* numbers : {&across, &down}) {
        out << QStringLiteral("[numbers]");
        for (int r = 1; r <= R; ++r) {
            QStringList line;
            for (int c = 1; c <= C; ++c)
                line << QString::number((*numbers)[r][c]);
            out << line.join(u',');
        }
    }
    out << QStringLiteral("[words]");
    for (int k = 1; k <= word; ++k)
        out << QStringLiteral("%1,clue %1,%2,,,,,,").arg(k).arg(answers[k - 1]);
    return out.join(QStringLiteral("\r\n"));
}

}  // namespace

QString PlayFileText(const std::vector<StageSketch>& stages, int inputMode) {
    QStringList parts;
    parts << QStringLiteral("Kirune test play file") << QString::number(inputMode) << QStringLiteral("stages")
          << QString::number(stages.size());
    for (size_t i = 0; i < stages.size(); ++i)
        parts << Section(stages[i], int(i) + 1);
    return parts.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

QString WritePlayFile(const QString& dir, const QString& name, const QString& text) {
    QDir().mkpath(dir);
    const QString path = dir + u'/' + name;
    WriteTextFile(path, SplitLines(text));
    return path;
}

QStringList PatternGrid(int rows, int columns) {
    // Blocks on every other cell of every fourth row and column leave long interlocking runs.
    QStringList grid;
    for (int r = 1; r <= rows; ++r) {
        QString row;
        for (int c = 1; c <= columns; ++c) {
            const bool block = r % 4 == 0 && c % 4 == 0;
            row += block ? kBlock : QChar(char16_t(0xFF21 + (r * 7 + c * 3) % 26));
        }
        grid << row;
    }
    return grid;
}

}  // namespace kirune
