#include "library/PlayFile.h"

#include "library/Cp932Text.h"
#include "library/Csv.h"
#include "model/StageCheck.h"

namespace kirune {

namespace {

PlayFileError Error(PlayFileProblem problem, int line, QString detail) {
    return PlayFileError{problem, line, std::move(detail)};
}

std::optional<PlayFileError> Open(const QString& path, TextFile& file) {
    auto read = ReadTextFile(path);
    if (!read)
        return Error(PlayFileProblem::CannotOpen, 0, QStringLiteral("cannot open %1").arg(path));
    file = std::move(*read);
    return std::nullopt;
}

PlayFileRead<qint32> HeaderLine(const QString& path, int lineNumber) {
    PlayFileRead<qint32> result;
    TextFile file;
    if ((result.error = Open(path, file)))
        return result;
    // A header shorter than the line asked for reads as a line without a number.
    result.value = lineNumber <= file.lines.size() ? HeaderNumber(file.lines[lineNumber - 1]) : 0;
    return result;
}

// Reads a stage section the way a line-and-value reader walks a text file: whole lines for the
// skipped lines, the solution grid and the word lines; comma-separated values for the numeric
// blocks, which may spread over lines in any way.
class SectionReader {
public:
    SectionReader(const QStringList& lines, int next) : lines(lines), next(next) {}

    std::optional<PlayFileError> SkipLine() {
        if (midLine) {
            // The rest of a line whose last value ended at a comma is what gets skipped.
            midLine = false;
            return std::nullopt;
        }
        QString ignored;
        return TakeLine(ignored);
    }

    std::optional<PlayFileError> TakeLine(QString& line) {
        if (midLine) {
            line = rest;
            midLine = false;
            return std::nullopt;
        }
        if (next >= lines.size())
            return Ended();
        line = lines[next++];
        return std::nullopt;
    }

    std::optional<PlayFileError> TakeValue(qint32& value) {
        if (!midLine) {
            // Blank lines never hold a value: the reader looks further for one.
            do {
                if (next >= lines.size())
                    return Ended();
                rest = lines[next++];
            } while (rest.trimmed().isEmpty());
            midLine = true;
        }
        const qsizetype comma = rest.indexOf(u',');
        const QStringView field = comma < 0 ? QStringView(rest) : QStringView(rest).left(comma);
        const auto number = StrictNumber(field);
        if (!number)
            return Error(PlayFileProblem::NotANumber, next,
                         QStringLiteral("\"%1\" is not a whole number").arg(field.toString()));
        value = *number;
        if (comma < 0) {
            midLine = false;
            rest.clear();
        } else {
            rest.remove(0, comma + 1);
        }
        return std::nullopt;
    }

private:
    PlayFileError Ended() const {
        return Error(PlayFileProblem::EndsInsideSection, int(lines.size()),
                     QStringLiteral("the file ends inside the stage"));
    }

    const QStringList& lines;
    int next;
    QString rest;
    bool midLine = false;
};

// The sizes and word counts of a stage, refused when no grid could have them; the records sized to them.
std::optional<PlayFileError> ReadSizes(SectionReader& in, Crossword& x) {
    std::optional<PlayFileError> e;
    auto value = [&](qint32& v) { return (e = in.TakeValue(v)).has_value(); };
    auto skip = [&] { return (e = in.SkipLine()).has_value(); };
    if (skip() || value(x.MasMaxY) || value(x.MasMaxX))
        return e;
    if (skip() || value(x.Level) || value(x.QuesNmbMax) || value(x.QuesDownFirst))
        return e;

    if (x.MasMaxY < 1 || x.MasMaxX < 1 || x.MasMaxY > kMaxGridSide || x.MasMaxX > kMaxGridSide)
        return Error(PlayFileProblem::ImpossibleSize, 0,
                     QStringLiteral("a grid of %1 rows and %2 columns").arg(x.MasMaxY).arg(x.MasMaxX));
    if (x.QuesNmbMax < 1 || x.QuesNmbMax > 2 * x.MasMaxY * x.MasMaxX)
        return Error(PlayFileProblem::ImpossibleSize, 0,
                     QStringLiteral("%1 words in a grid of %2 x %3")
                         .arg(x.QuesNmbMax).arg(x.MasMaxX).arg(x.MasMaxY));
    if (x.QuesDownFirst < 1 || x.QuesDownFirst > x.QuesNmbMax + 1)
        return Error(PlayFileProblem::ImpossibleSize, 0,
                     QStringLiteral("first down word %1 of %2 words").arg(x.QuesDownFirst).arg(x.QuesNmbMax));

    x.MasStride = x.MasMaxX + 2;
    x.MasLast = (x.MasMaxY + 2) * x.MasStride - 1;
    x.Mas.assign(x.MasLast + 1, MasRec{});
    x.Ques.assign(x.QuesNmbMax + 1, QuesRec{});
    return std::nullopt;
}

// One row of answers a grid row: a black cell is written as such, a white one starts empty.
std::optional<PlayFileError> ReadAnswers(SectionReader& in, Crossword& x) {
    if (auto e = in.SkipLine())
        return e;
    for (int r = 1; r <= x.MasMaxY; ++r) {
        QString line;
        if (auto e = in.TakeLine(line))
            return e;
        for (int c = 1; c <= x.MasMaxX; ++c) {
            MasRec& m = x.Mas[x.Cell(r, c)];
            m.Answer = c <= line.size() ? line[c - 1] : QChar(u' ');
            if (m.Answer == kBlackCell) {
                m.Entered = kBlackCell;
            } else {
                m.Entered = kEmptyCell;
                m.UndoChr = kEmptyCell;
            }
        }
    }
    return std::nullopt;
}

// One CSV line a word: the clue, the answer, its reading and the collection's own fields.
std::optional<PlayFileError> ReadClues(SectionReader& in, Crossword& x) {
    if (auto e = in.SkipLine())
        return e;
    for (int k = 1; k <= x.QuesNmbMax; ++k) {
        QString line;
        if (auto e = in.TakeLine(line))
            return e;
        QuesRec& q = x.Ques[k];
        TakeCsvField(line);
        q.QuesText = TakeCsvField(line);
        q.AnsText = TakeCsvField(line);
        q.Yomi = TakeCsvField(line);
        q.ID = TakeCsvField(line);
        q.CN = TakeCsvField(line);
        q.BN = TakeCsvField(line);
        q.QN = TakeCsvField(line);
        q.AN = TakeCsvField(line);
        q.SN = line;
    }
    return std::nullopt;
}

std::optional<PlayFileError> ReadSection(SectionReader& in, Crossword& x) {
    std::optional<PlayFileError> e;
    auto value = [&](qint32& v) { return (e = in.TakeValue(v)).has_value(); };
    auto skip = [&] { return (e = in.SkipLine()).has_value(); };

    if ((e = ReadSizes(in, x)))
        return e;
    if (skip())
        return e;
    for (MasRec& m : x.Mas)
        if (value(m.Kind))
            return e;
    if ((e = ReadAnswers(in, x)))
        return e;
    for (qint32 MasRec::*field : {&MasRec::AcrossNo, &MasRec::DownNo}) {
        if (skip())
            return e;
        for (int r = 1; r <= x.MasMaxY; ++r)
            for (int c = 1; c <= x.MasMaxX; ++c)
                if (value(x.Mas[x.Cell(r, c)].*field))
                    return e;
    }
    return ReadClues(in, x);
}

}  // namespace

QString PlayFileError::Describe() const {
    QString where = line > 0 ? QStringLiteral("line %1: ").arg(line) : QString();
    return where + detail;
}

PlayFileRead<qint32> ReadInputMode(const QString& path) { return HeaderLine(path, 2); }

PlayFileRead<qint32> ReadStageMax(const QString& path) { return HeaderLine(path, 4); }

PlayFileRead<Crossword> LoadStageData(const QString& path, int n) {
    PlayFileRead<Crossword> result;
    TextFile file;
    if ((result.error = Open(path, file)))
        return result;
    const QString marker = QStringLiteral(";#") + QString::number(n);
    const int at = int(file.lines.indexOf(marker));
    if (at < 0 || at + 1 >= file.lines.size()) {
        result.error = Error(PlayFileProblem::NoStage, 0,
                             QStringLiteral("no section for stage %1 (a line \"%2\")").arg(n).arg(marker));
        return result;
    }
    SectionReader in(file.lines, at + 1);
    Crossword x;
    if ((result.error = ReadSection(in, x)))
        return result;
    result.value = std::move(x);
    return result;
}

QString FullWidthDigits(qint64 number) {
    QString text = QString::number(number);
    for (QChar& ch : text) {
        if (ch >= u'0' && ch <= u'9')
            ch = QChar(ch.unicode() - u'0' + 0xFF10);
        else if (ch == u'-')
            ch = QChar(0xFF0D);
    }
    return text;
}

StageCaptions CaptionsFor(const Crossword& x, const QString& playFileName, int n,
                          const QString& previousLevel) {
    StageCaptions captions;
    const QString base = playFileName.section(u'.', 0, 0);
    captions.lblTitle = base + QStringLiteral(" [") + QString::number(n) + u']';
    if (x.Level == 0)
        captions.lblLevel = QStringLiteral("ＣＵＳＴＯＭ");
    else if (x.Level > 0)
        // Five star places: a level above five still shows five.
        captions.lblLevel = QStringLiteral("★★★★★　　　　　").mid(5 - std::min(x.Level, 5), 5);
    else
        captions.lblLevel = previousLevel;
    captions.lblQuesNmbMax = FullWidthDigits(x.QuesNmbMax);
    captions.lblMasMaxXY = QStringLiteral("W%1xH%2").arg(x.MasMaxX).arg(x.MasMaxY);
    return captions;
}

std::optional<PlayFileError> PrepareForPlay(Crossword& x) {
    for (const StageProblem& p : PrepareStage(x))
        if (p.fatal)
            return PlayFileError{PlayFileProblem::Inconsistent, 0, p.text};
    return std::nullopt;
}

}  // namespace kirune
