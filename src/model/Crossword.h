#pragma once

#include <QChar>
#include <QString>

#include <vector>

namespace kirune {

inline constexpr QChar kEmptyCell = QChar(0x3000);  // "　", an empty white cell
inline constexpr QChar kBlackCell = QChar(0x25A0);  // "■"

// Cell kinds as the play file writes them.
enum CellKind { KindBlack = 1, KindAcross = 2, KindDown = 3, KindCrossing = 4 };

struct MasRec {
    qint32 Kind = 0;
    qint32 Select = 0;  // 0, or the step of the selected word when the cell belongs to it
    qint32 AcrossNo = 0;
    qint32 DownNo = 0;
    qint32 AcrossOf = 0;
    qint32 DownOf = 0;
    // A null QChar means "never set": frame cells only ever receive their Kind.
    QChar Entered;
    QChar Answer;
    QChar UndoChr;
};

struct QuesRec {
    qint32 Start = 0;
    qint32 Length = 0;
    QString AnswerText;
    QString QuesText;
    QString AnsText, Yomi, ID, CN, BN, QN, AN, SN;  // shown only by the debug report
};

// One stage: a grid with a black frame one cell wide, index = row * MasStride + column, and its
// words, across first (1 .. QuesDownFirst - 1), then down (QuesDownFirst .. QuesNmbMax).
struct Crossword {
    qint32 MasMaxY = 0;
    qint32 MasMaxX = 0;
    qint32 MasStride = 0;
    qint32 MasLast = -1;
    qint32 QuesNmbMax = 0;
    qint32 QuesDownFirst = 0;
    qint32 Level = 0;
    std::vector<MasRec> Mas;
    std::vector<QuesRec> Ques;  // element 0 is not used

    int Row(int cell) const { return cell / MasStride; }
    int Column(int cell) const { return cell % MasStride; }
    int Cell(int row, int column) const { return row * MasStride + column; }
    bool IsAcrossWord(int word) const { return word >= 1 && word < QuesDownFirst; }
};

// Fill AcrossOf and DownOf: every cell of a run gets the number that starts it.
void BuildWordMembership(Crossword& x);
// Fill Start, Length and AnswerText of every word.
void BuildWords(Crossword& x);

}  // namespace kirune
