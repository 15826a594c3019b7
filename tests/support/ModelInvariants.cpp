#include "support/ModelInvariants.h"

#include "library/Cp932Text.h"

namespace kirune {

bool AllowedEntry(QChar ch, int inputMode) {
    if (inputMode == 0)
        return ch.unicode() >= 0xFF21 && ch.unicode() <= 0xFF3A;
    static const QString small = QStringLiteral("ァィゥェォッャュョヮヵヶ・");
    return ch.unicode() >= 0x30A1 && ch.unicode() <= 0x30FC && !small.contains(ch);
}

namespace {

QString Where(const Crossword& x, int cell) {
    return QStringLiteral("(%1,%2)").arg(x.Row(cell)).arg(x.Column(cell));
}

QString Show(QChar ch) { return ch.isNull() ? QStringLiteral("null") : QStringLiteral("U+%1").arg(ch.unicode(), 4, 16); }

void CheckGrid(const Crossword& x, int inputMode, QStringList& out) {
    if (x.MasMaxX < 1 || x.MasMaxY < 1 || x.MasStride < x.MasMaxX + 2 || x.MasLast + 1 != qint32(x.Mas.size()) ||
        x.Cell(x.MasMaxY + 1, x.MasMaxX + 1) > x.MasLast) {
        out << QStringLiteral("grid %1x%2, stride %3, last %4 and %5 cells do not fit")
                   .arg(x.MasMaxX).arg(x.MasMaxY).arg(x.MasStride).arg(x.MasLast).arg(x.Mas.size());
        return;
    }
    for (int r = 0; r <= x.MasMaxY + 1; ++r)
        for (int c = 0; c <= x.MasMaxX + 1; ++c) {
            const int i = x.Cell(r, c);
            const MasRec& m = x.Mas[size_t(i)];
            const bool frame = r == 0 || c == 0 || r == x.MasMaxY + 1 || c == x.MasMaxX + 1;
            if (frame) {
                if (m.Kind != KindBlack)
                    out << QStringLiteral("frame cell %1 is not black").arg(Where(x, i));
                continue;
            }
            if (m.Kind == KindBlack) {
                if (m.Entered != kBlackCell || m.Answer != kBlackCell || m.Select != 0)
                    out << QStringLiteral("black cell %1 holds an entry or a selection").arg(Where(x, i));
                continue;
            }
            if (m.Entered != kEmptyCell && !AllowedEntry(m.Entered, inputMode))
                out << QStringLiteral("cell %1 holds %2, not a character of input mode %3")
                           .arg(Where(x, i), Show(m.Entered)).arg(inputMode);
            if (m.UndoChr != kEmptyCell && !AllowedEntry(m.UndoChr, inputMode))
                out << QStringLiteral("cell %1 keeps %2 to undo to").arg(Where(x, i), Show(m.UndoChr));
            if (!AllowedEntry(m.Answer, inputMode))
                out << QStringLiteral("cell %1 has the answer %2").arg(Where(x, i), Show(m.Answer));
            const bool across = m.AcrossOf != 0, down = m.DownOf != 0;
            const int kind = across && down ? KindCrossing : across ? KindAcross : down ? KindDown : 0;
            if (m.Kind != kind)
                out << QStringLiteral("cell %1 has kind %2 but belongs to words %3/%4")
                           .arg(Where(x, i)).arg(m.Kind).arg(m.AcrossOf).arg(m.DownOf);
        }
    if (x.QuesNmbMax < 1 || x.QuesDownFirst < 1 || x.QuesDownFirst > x.QuesNmbMax + 1 ||
        qint32(x.Ques.size()) != x.QuesNmbMax + 1) {
        out << QStringLiteral("%1 words, the first down word %2, %3 records")
                   .arg(x.QuesNmbMax).arg(x.QuesDownFirst).arg(x.Ques.size());
        return;
    }
    for (int w = 1; w <= x.QuesNmbMax; ++w) {
        const QuesRec& q = x.Ques[size_t(w)];
        const bool across = x.IsAcrossWord(w);
        const int step = across ? 1 : x.MasStride;
        const int last = q.Start + (q.Length - 1) * step;
        if (q.Length < 1 || q.Start <= 0 || last > x.MasLast || q.AnswerText.size() != q.Length) {
            out << QStringLiteral("word %1 starts at %2 with length %3 and answer \"%4\"")
                       .arg(w).arg(q.Start).arg(q.Length).arg(q.AnswerText);
            continue;
        }
        const MasRec& start = x.Mas[size_t(q.Start)];
        if ((across ? start.AcrossNo : start.DownNo) != w)
            out << QStringLiteral("word %1 does not start at its first cell %2").arg(w).arg(Where(x, q.Start));
        if (x.Mas[size_t(q.Start - step)].Kind != KindBlack || x.Mas[size_t(last + step)].Kind != KindBlack)
            out << QStringLiteral("word %1 is not a whole run").arg(w);
        for (int k = 0; k < q.Length; ++k) {
            const MasRec& m = x.Mas[size_t(q.Start + k * step)];
            if (m.Kind == KindBlack || (across ? m.AcrossOf : m.DownOf) != w || m.Answer != q.AnswerText[k]) {
                out << QStringLiteral("cell %1 of word %2 is not the word's").arg(k + 1).arg(w);
                break;
            }
        }
    }
}

void CheckSelection(const Story& story, const Crossword& x, QStringList& out) {
    const int c = story.board.CurMas();
    if (c <= 0 || c > x.MasLast || x.Mas[size_t(c)].Kind == KindBlack) {
        out << QStringLiteral("the cursor %1 is not on a white cell").arg(c);
        return;
    }
    const int w = story.board.CurQuesNmb();
    if (w < 1 || w > x.QuesNmbMax) {
        out << QStringLiteral("no word is selected (%1)").arg(w);
        return;
    }
    const QuesRec& q = x.Ques[size_t(w)];
    const int step = x.IsAcrossWord(w) ? 1 : x.MasStride;
    if (story.board.CurStep() != step || story.board.CurQuesStart() != q.Start || story.board.CurQuesLen() != q.Length)
        out << QStringLiteral("word %1 is selected with step %2, start %3, length %4")
                   .arg(w).arg(story.board.CurStep()).arg(story.board.CurQuesStart()).arg(story.board.CurQuesLen());
    const int offset = c - q.Start;
    if (offset < 0 || offset % step != 0 || offset / step >= q.Length)
        out << QStringLiteral("the cursor %1 lies outside the selected word %2").arg(Where(x, c)).arg(w);
    // Exactly the selected word's cells carry the selection, with its step.
    int selected = 0;
    for (int i = 0; i <= x.MasLast; ++i) {
        const qint32 s = x.Mas[size_t(i)].Select;
        if (s == 0)
            continue;
        ++selected;
        const int o = i - q.Start;
        if (s != step || o < 0 || o % step != 0 || o / step >= q.Length)
            out << QStringLiteral("cell %1 is marked selected (%2) outside word %3").arg(Where(x, i)).arg(s).arg(w);
    }
    if (selected != q.Length)
        out << QStringLiteral("%1 cells are marked selected, word %2 has %3").arg(selected).arg(w).arg(q.Length);
}

void CheckScreen(const Story& story, const Screen& screen, const Crossword& x, QStringList& out) {
    if (qint32(screen.lblCell.size()) != x.MasLast + 1) {
        out << QStringLiteral("%1 cell labels for %2 cells").arg(screen.lblCell.size()).arg(x.MasLast + 1);
        return;
    }
    const int w = story.board.CurQuesNmb();
    const bool wordShown = w >= 1 && w <= x.QuesNmbMax;
    for (int r = 1; r <= x.MasMaxY; ++r)
        for (int c = 1; c <= x.MasMaxX; ++c) {
            const int i = x.Cell(r, c);
            const MasRec& m = x.Mas[size_t(i)];
            const CellLabel& label = screen.lblCell[size_t(i)];
            if (!label.Visible)
                out << QStringLiteral("cell %1 is hidden").arg(Where(x, i));
            if (m.Kind == KindBlack) {
                if (label.BackColor != CellColor::Black)
                    out << QStringLiteral("black cell %1 shows colour %2").arg(Where(x, i)).arg(label.BackColor, 6, 16);
                continue;
            }
            if (label.Caption != QString(m.Entered))
                out << QStringLiteral("cell %1 shows \"%2\" but holds \"%3\"").arg(Where(x, i), label.Caption, QString(m.Entered));
            Rgb expected = m.Select ? CellColor::Selected : CellColor::Plain;
            if (i == story.board.CurMas() && label.BackColor == CellColor::Cursor)
                expected = CellColor::Cursor;  // the cursor blinks between the two
            if (label.BackColor != expected || !label.Opaque)
                out << QStringLiteral("cell %1 shows colour %2%3, expected %4")
                           .arg(Where(x, i)).arg(label.BackColor, 6, 16)
                           .arg(label.Opaque ? QString() : QStringLiteral(" (transparent)")).arg(expected, 6, 16);
        }
    if (wordShown) {
        if (screen.lblQuesNmb != FullWidthDigits(w) || screen.lblQues != x.Ques[size_t(w)].QuesText)
            out << QStringLiteral("the clue panel shows word \"%1\", not word %2").arg(screen.lblQuesNmb).arg(w);
        const bool across = x.IsAcrossWord(w);
        if (screen.picControlerVisible[1] != across || screen.picControlerVisible[2] == across)
            out << QStringLiteral("the dial shown does not match the direction of word %1").arg(w);
    }
    if (story.board.ViewLeft() < 1 || story.board.ViewLeft() > story.board.ViewLeftMax() || story.board.ViewTop() < 1 || story.board.ViewTop() > story.board.ViewTopMax())
        out << QStringLiteral("the view starts at column %1 of %2, row %3 of %4")
                   .arg(story.board.ViewLeft()).arg(story.board.ViewLeftMax()).arg(story.board.ViewTop()).arg(story.board.ViewTopMax());
    if (!screen.lblAnswerOpenVisible || screen.lblMarkSpeedUpVisible || !screen.lblEndEnabled || !screen.lblHelpEnabled)
        out << QStringLiteral("a control is left in the state of a running handler");
}

}  // namespace

QStringList CheckModelInvariants(const Story& story, const Screen& screen) {
    QStringList out;
    if (story.Flags().GamePhase != Phase::Play || story.Flags().ModalBusy || story.Flags().AnswerOpenBusy || story.board.MasAnimBusy() ||
        !story.board.InputBuff().isEmpty())
        out << QStringLiteral("play is not at rest: %1%2%3%4typed \"%5\"")
                   .arg(story.Flags().GamePhase == Phase::Play ? QString() : QStringLiteral("the title, "))
                   .arg(story.Flags().ModalBusy ? QStringLiteral("a talk sequence, ") : QString())
                   .arg(story.Flags().AnswerOpenBusy ? QStringLiteral("the answer check, ") : QString())
                   .arg(story.board.MasAnimBusy() ? QStringLiteral("a cell animation, ") : QString())
                   .arg(story.board.InputBuff());
    if (story.board.InputMode() != 0 && story.board.InputMode() != 1)
        out << QStringLiteral("input mode %1").arg(story.board.InputMode());
    if (story.flow.StageMax() < 1 || qint32(story.flow.StageClear().size()) != story.flow.StageMax() + 1) {
        out << QStringLiteral("%1 stages with %2 solved flags").arg(story.flow.StageMax()).arg(story.flow.StageClear().size());
        return out;
    }
    for (size_t i = 1; i < story.flow.StageClear().size(); ++i)
        if (story.flow.StageClear()[i] != 0 && story.flow.StageClear()[i] != 1)
            out << QStringLiteral("stage %1 has the solved flag %2").arg(i).arg(story.flow.StageClear()[i]);
    if (story.flow.StageNmb() < 1 || story.flow.StageNmb() > story.flow.StageMax())
        out << QStringLiteral("stage %1 of %2").arg(story.flow.StageNmb()).arg(story.flow.StageMax());
    else if (story.flow.StageClear()[size_t(story.flow.StageNmb())] != 0)
        out << QStringLiteral("stage %1 is played but already solved").arg(story.flow.StageNmb());
    if (story.clock.PassedH() < 0 || story.clock.PassedH() >= 10 || story.clock.PassedM() < 0 || story.clock.PassedM() > 59)
        out << QStringLiteral("the clock reads %1:%2").arg(story.clock.PassedH()).arg(story.clock.PassedM());
    if (!story.board.HasStage()) {
        out << QStringLiteral("no stage is loaded");
        return out;
    }
    const Crossword& x = story.board.Stage();
    const int before = int(out.size());
    CheckGrid(x, story.board.InputMode(), out);
    if (out.size() > before)
        return out;  // the rest reads the grid through its words
    CheckSelection(story, x, out);
    CheckScreen(story, screen, x, out);
    return out;
}

QStringList CheckScoreFile(const QString& path, const std::vector<qint32>& stageClear, const QString& name) {
    const auto lines = ReadByteLines(path);
    if (!lines)
        return {QStringLiteral("the score file %1 cannot be read").arg(path)};
    if (lines->size() != 5)
        return {QStringLiteral("the score file has %1 lines").arg(lines->size())};
    QStringList out;
    QByteArray status;
    for (size_t i = 1; i < stageClear.size(); ++i)
        status += (i > 1 ? "," : "") + QByteArray::number(stageClear[i]);
    if (lines->at(4) != status)
        out << QStringLiteral("the score file says %1, the game %2").arg(QString::fromLatin1(lines->at(4)), QString::fromLatin1(status));
    if (DecodeCp932(lines->at(2)) != name)
        out << QStringLiteral("the score file names %1").arg(DecodeCp932(lines->at(2)));
    return out;
}

}  // namespace kirune
