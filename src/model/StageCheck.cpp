#include "model/StageCheck.h"

namespace kirune {

namespace {

QString Where(const Crossword& x, int cell) {
    return QStringLiteral("row %1, column %2").arg(x.Row(cell)).arg(x.Column(cell));
}

void CheckNumbers(const Crossword& x, std::vector<StageProblem>& out) {
    for (int i = 0; i <= x.MasLast; ++i) {
        const int r = x.Row(i), c = x.Column(i);
        if ((r == 0 || c == 0 || r == x.MasMaxY + 1 || c == x.MasMaxX + 1) && x.Mas[i].Kind != KindBlack) {
            out.push_back({true, QStringLiteral("frame cell at %1 is not black (kind %2)")
                                     .arg(Where(x, i)).arg(x.Mas[i].Kind)});
            return;
        }
    }
    std::vector<int> starts(x.QuesNmbMax + 1, 0);
    for (int r = 1; r <= x.MasMaxY; ++r)
        for (int c = 1; c <= x.MasMaxX; ++c) {
            const int i = x.Cell(r, c);
            const MasRec& m = x.Mas[i];
            for (const bool across : {true, false}) {
                const int w = across ? m.AcrossNo : m.DownNo;
                if (w == 0)
                    continue;
                if (w < 0 || w > x.QuesNmbMax || across != x.IsAcrossWord(w)) {
                    out.push_back({true, QStringLiteral("%1 word number %2 at %3 is outside the %1 words")
                                             .arg(across ? QStringLiteral("across") : QStringLiteral("down"))
                                             .arg(w).arg(Where(x, i))});
                    continue;
                }
                if (m.Kind == KindBlack)
                    out.push_back({true, QStringLiteral("word %1 starts in the black cell at %2")
                                             .arg(w).arg(Where(x, i))});
                else if (++starts[w] == 2)
                    out.push_back({false, QStringLiteral("word %1 starts in more than one cell").arg(w)});
            }
        }
    for (int w = 1; w <= x.QuesNmbMax; ++w)
        if (starts[w] == 0)
            out.push_back({true, QStringLiteral("word %1 starts in no cell").arg(w)});
}

void CheckCells(const Crossword& x, std::vector<StageProblem>& out) {
    for (int r = 1; r <= x.MasMaxY; ++r)
        for (int c = 1; c <= x.MasMaxX; ++c) {
            const int i = x.Cell(r, c);
            const MasRec& m = x.Mas[i];
            const bool blackAnswer = m.Answer == kBlackCell;
            if ((m.Kind == KindBlack) != blackAnswer) {
                out.push_back({false, QStringLiteral("cell at %1 has kind %2 but the solution holds \"%3\"")
                                          .arg(Where(x, i)).arg(m.Kind).arg(m.Answer)});
                continue;
            }
            if (m.Kind == KindBlack)
                continue;
            if (m.AcrossOf == 0 && m.DownOf == 0) {
                out.push_back({false, QStringLiteral("white cell at %1 belongs to no word").arg(Where(x, i))});
                continue;
            }
            const int expected = m.AcrossOf && m.DownOf ? KindCrossing : m.AcrossOf ? KindAcross : KindDown;
            if (m.Kind != expected)
                out.push_back({false, QStringLiteral("cell at %1 has kind %2 but its words make it kind %3")
                                          .arg(Where(x, i)).arg(m.Kind).arg(expected)});
            if (m.AcrossNo && x.Mas[i - 1].Kind != KindBlack)
                out.push_back({false, QStringLiteral("word %1 at %2 does not start a run")
                                          .arg(m.AcrossNo).arg(Where(x, i))});
            if (m.DownNo && x.Mas[i - x.MasStride].Kind != KindBlack)
                out.push_back({false, QStringLiteral("word %1 at %2 does not start a run")
                                          .arg(m.DownNo).arg(Where(x, i))});
        }
}

}  // namespace

std::vector<StageProblem> PrepareStage(Crossword& x) {
    std::vector<StageProblem> problems;
    CheckNumbers(x, problems);
    if (HasFatal(problems))
        return problems;
    BuildWordMembership(x);
    BuildWords(x);
    CheckCells(x, problems);
    return problems;
}

bool HasFatal(const std::vector<StageProblem>& problems) {
    for (const StageProblem& p : problems)
        if (p.fatal)
            return true;
    return false;
}

}  // namespace kirune
