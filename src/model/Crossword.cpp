#include "model/Crossword.h"

namespace kirune {

namespace {

// Frame cells are black, so every walk along a row or column stops at the edge without a
// bounds check. A stage whose frame is not black never gets here (StageCheck refuses it).
template <typename Visit>
int Walk(const Crossword& x, int start, int step, Visit visit) {
    int c = start;
    while (x.Mas[c].Kind != KindBlack) {
        visit(c);
        c += step;
    }
    return c;
}

bool InRange(const Crossword& x, int word) { return word >= 1 && word <= x.QuesNmbMax; }

}  // namespace

void BuildWordMembership(Crossword& x) {
    for (int r = 1; r <= x.MasMaxY; ++r)
        for (int c = 1; c <= x.MasMaxX; ++c) {
            const MasRec& m = x.Mas[x.Cell(r, c)];
            if (m.Kind != KindBlack && m.AcrossNo != 0) {
                const int w = m.AcrossNo;
                Walk(x, x.Cell(r, c), 1, [&](int i) { x.Mas[i].AcrossOf = w; });
            }
        }
    for (int r = 1; r <= x.MasMaxY; ++r)
        for (int c = 1; c <= x.MasMaxX; ++c) {
            const MasRec& m = x.Mas[x.Cell(r, c)];
            if (m.Kind != KindBlack && m.DownNo != 0) {
                const int w = m.DownNo;
                Walk(x, x.Cell(r, c), x.MasStride, [&](int i) { x.Mas[i].DownOf = w; });
            }
        }
}

void BuildWords(Crossword& x) {
    for (int pass = 0; pass < 2; ++pass) {
        const int step = pass == 0 ? 1 : x.MasStride;
        for (int r = 1; r <= x.MasMaxY; ++r)
            for (int c = 1; c <= x.MasMaxX; ++c) {
                const int start = x.Cell(r, c);
                const MasRec& m = x.Mas[start];
                const int w = pass == 0 ? m.AcrossNo : m.DownNo;
                if (m.Kind == KindBlack || w == 0 || !InRange(x, w))
                    continue;
                QString text;
                const int stop = Walk(x, start, step, [&](int i) { text += x.Mas[i].Answer; });
                QuesRec& q = x.Ques[w];
                q.Start = start;
                q.Length = (stop - start) / step;
                q.AnswerText = text;
            }
    }
}

}  // namespace kirune
