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

    // Words across, then down, each numbered in the reading order of its first cell.
    std::vector<std::vector<int>> numbers[2] = {std::vector<std::vector<int>>(R + 2, std::vector<int>(C + 2)),
                                                std::vector<std::vector<int>>(R + 2, std::vector<int>(C + 2))};
    QStringList answers;
    int word = 0, downFirst = 0;
    for (int d = 0; d < 2; ++d) {
        const int dr = d, dc = 1 - d;
        if (d == 1)
            downFirst = word + 1;
        for (int r = 1; r <= R; ++r)
            for (int c = 1; c <= C; ++c)
                if (white(r, c) && !white(r - dr, c - dc) && white(r + dr, c + dc)) {
                    numbers[d][r][c] = ++word;
                    QString text;
                    for (int k = 0; white(r + k * dr, c + k * dc); ++k)
                        text += s.rows[r - 1 + k * dr][c - 1 + k * dc];
                    answers << text;
                }
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
    for (const auto& grid : numbers) {
        out << QStringLiteral("[numbers]");
        for (int r = 1; r <= R; ++r) {
            QStringList line;
            for (int c = 1; c <= C; ++c)
                line << QString::number(grid[r][c]);
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
