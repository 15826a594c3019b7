#include "support/ModelInvariants.h"

#include "library/Cp932Text.h"

namespace kirune {

namespace {

// A full-width capital for the alphabet; a full-size katakana or the long vowel mark for kana.
bool AllowedEntry(QChar ch, int inputMode) {
    if (ch == kEmptyCell)
        return true;
    if (inputMode == 0)
        return ch.unicode() >= 0xFF21 && ch.unicode() <= 0xFF3A;
    static const QString small = QStringLiteral("ァィゥェォッャュョヮヵヶ・");
    return ch.unicode() >= 0x30A1 && ch.unicode() <= 0x30FC && !small.contains(ch);
}

QString Where(const Crossword& x, int cell) { return QStringLiteral("(%1,%2)").arg(x.Row(cell)).arg(x.Column(cell)); }

// The cursor, the selected word, its cells' marks, and the clue panel and dial showing it.
void CheckSelection(const Board& board, const Screen& screen, const Crossword& x, QStringList& out) {
    const int c = board.CurMas(), w = board.CurQuesNmb();
    if (c <= 0 || c > x.MasLast || x.Mas[size_t(c)].Kind == KindBlack || w < 1 || w > x.QuesNmbMax) {
        out << QStringLiteral("the cursor %1 is not on a white cell of a selected word (%2)").arg(c).arg(w);
        return;
    }
    const QuesRec& q = x.Ques[size_t(w)];
    const int step = x.IsAcrossWord(w) ? 1 : x.MasStride;
    if (board.CurStep() != step || board.CurQuesStart() != q.Start || board.CurQuesLen() != q.Length)
        out << QStringLiteral("word %1 is selected with step %2, start %3, length %4")
                   .arg(w).arg(board.CurStep()).arg(board.CurQuesStart()).arg(board.CurQuesLen());
    auto inWord = [&](int i) {
        const int o = i - q.Start;
        return o >= 0 && o % step == 0 && o / step < q.Length;
    };
    if (!inWord(c))
        out << QStringLiteral("the cursor %1 lies outside the selected word %2").arg(Where(x, c)).arg(w);
    // Exactly the selected word's cells carry the selection, with its step.
    for (int i = 0; i <= x.MasLast; ++i)
        if (x.Mas[size_t(i)].Select != (inWord(i) ? step : 0))
            out << QStringLiteral("cell %1 has the selection mark %2, word %3 is selected")
                       .arg(Where(x, i)).arg(x.Mas[size_t(i)].Select).arg(w);
    if (screen.lblQuesNmb != FullWidthDigits(w) || screen.lblQues != q.QuesText ||
        screen.picControlerVisible[1] != (step == 1) || screen.picControlerVisible[2] == (step == 1))
        out << QStringLiteral("the clue panel or the dial does not show word %1").arg(w);
}

void CheckCells(const Board& board, const Screen& screen, const Crossword& x, QStringList& out) {
    for (int r = 1; r <= x.MasMaxY; ++r)
        for (int c = 1; c <= x.MasMaxX; ++c) {
            const int i = x.Cell(r, c);
            const MasRec& m = x.Mas[size_t(i)];
            const CellLabel& label = screen.lblCell[size_t(i)];
            if (!label.Visible || (m.Kind == KindBlack && (m.Entered != kBlackCell || label.BackColor != CellColor::Black)))
                out << QStringLiteral("cell %1 is hidden, or black with an entry or a colour").arg(Where(x, i));
            if (m.Kind == KindBlack)
                continue;
            if (!AllowedEntry(m.Entered, board.InputMode()) || !AllowedEntry(m.UndoChr, board.InputMode()))
                out << QStringLiteral("cell %1 holds U+%2 and keeps U+%3 to undo to, in input mode %4")
                           .arg(Where(x, i)).arg(m.Entered.unicode(), 4, 16).arg(m.UndoChr.unicode(), 4, 16)
                           .arg(board.InputMode());
            if (label.Caption != QString(m.Entered))
                out << QStringLiteral("cell %1 shows \"%2\" but holds \"%3\"")
                           .arg(Where(x, i), label.Caption, QString(m.Entered));
            // The cursor blinks between its colour and the selection's.
            const Rgb expected = i == board.CurMas() && label.BackColor == CellColor::Cursor ? CellColor::Cursor
                                 : m.Select                                                 ? CellColor::Selected
                                                                                            : CellColor::Plain;
            if (label.BackColor != expected || !label.Opaque)
                out << QStringLiteral("cell %1 shows colour %2%3, expected %4")
                           .arg(Where(x, i)).arg(label.BackColor, 6, 16)
                           .arg(label.Opaque ? QString() : QStringLiteral(" (transparent)")).arg(expected, 6, 16);
        }
}

}  // namespace

QStringList CheckModelInvariants(const Story& story, const Screen& screen) {
    QStringList out;
    const Board& board = story.board;
    const Flow& flow = story.flow;
    if (story.Flags().GamePhase != Phase::Play || story.Flags().ModalBusy || story.Flags().AnswerOpenBusy ||
        board.MasAnimBusy() || !board.InputBuff().isEmpty())
        out << QStringLiteral("play is not at rest: phase %1, talk %2, check %3, animation %4, typed \"%5\"")
                   .arg(int(story.Flags().GamePhase)).arg(story.Flags().ModalBusy).arg(story.Flags().AnswerOpenBusy)
                   .arg(board.MasAnimBusy()).arg(board.InputBuff());
    const std::vector<qint32>& clear = flow.StageClear();
    if (flow.StageMax() < 1 || qint32(clear.size()) != flow.StageMax() + 1)
        return out << QStringLiteral("%1 stages with %2 solved flags").arg(flow.StageMax()).arg(clear.size());
    for (size_t i = 1; i < clear.size(); ++i)
        if (clear[i] != 0 && clear[i] != 1)
            out << QStringLiteral("stage %1 has the solved flag %2").arg(i).arg(clear[i]);
    if (flow.StageNmb() < 1 || flow.StageNmb() > flow.StageMax() || clear[size_t(flow.StageNmb())] != 0)
        out << QStringLiteral("stage %1 of %2 is played, solved or not there").arg(flow.StageNmb()).arg(flow.StageMax());
    if (story.clock.PassedH() < 0 || story.clock.PassedH() >= 10 || story.clock.PassedM() < 0 || story.clock.PassedM() > 59)
        out << QStringLiteral("the clock reads %1:%2").arg(story.clock.PassedH()).arg(story.clock.PassedM());
    if (!board.HasStage())
        return out << QStringLiteral("no stage is loaded");
    const Crossword& x = board.Stage();
    if (qint32(screen.lblCell.size()) != x.MasLast + 1)
        return out << QStringLiteral("%1 cell labels for %2 cells").arg(screen.lblCell.size()).arg(x.MasLast + 1);
    CheckSelection(board, screen, x, out);
    CheckCells(board, screen, x, out);
    if (board.ViewLeft() < 1 || board.ViewLeft() > board.ViewLeftMax() || board.ViewTop() < 1 ||
        board.ViewTop() > board.ViewTopMax())
        out << QStringLiteral("the view starts at column %1 of %2, row %3 of %4")
                   .arg(board.ViewLeft()).arg(board.ViewLeftMax()).arg(board.ViewTop()).arg(board.ViewTopMax());
    if (!screen.lblAnswerOpenVisible || screen.lblMarkSpeedUpVisible || !screen.lblEndEnabled || !screen.lblHelpEnabled)
        out << QStringLiteral("a control is left in the state of a running handler");
    return out;
}

QStringList CheckScoreFile(const QString& path, const std::vector<qint32>& stageClear, const QString& name) {
    const auto lines = ReadByteLines(path);
    if (!lines || lines->size() != 5)
        return {QStringLiteral("the score file %1 cannot be read or has not five lines").arg(path)};
    QByteArray status;
    for (size_t i = 1; i < stageClear.size(); ++i)
        status += (i > 1 ? "," : "") + QByteArray::number(stageClear[i]);
    if (lines->at(4) == status && DecodeCp932(lines->at(2)) == name)
        return {};
    return {QStringLiteral("the score file names %1 with %2, the game %3 with %4")
                .arg(DecodeCp932(lines->at(2)), QString::fromLatin1(lines->at(4)), name, QString::fromLatin1(status))};
}

}  // namespace kirune
