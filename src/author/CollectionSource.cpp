#include "author/CollectionSource.h"

#include <optional>

namespace kirune {

namespace {

// Only ASCII blanks: the full-width space is a character of the grid and of clues.
QString TrimBlanks(const QString& text) {
    qsizetype from = 0, to = text.size();
    while (from < to && (text[from] == u' ' || text[from] == u'\t'))
        ++from;
    while (to > from && (text[to - 1] == u' ' || text[to - 1] == u'\t'))
        --to;
    return text.mid(from, to - from);
}

struct Directive {
    QString name, value;
};

std::optional<Directive> AsDirective(const QString& line) {
    static const QStringList names = {QStringLiteral("title"), QStringLiteral("input"), QStringLiteral("stage"),
                                      QStringLiteral("level"), QStringLiteral("grid"),  QStringLiteral("across"),
                                      QStringLiteral("down")};
    const qsizetype colon = line.indexOf(u':');
    if (colon < 0 || !names.contains(line.left(colon)))
        return std::nullopt;
    return Directive{line.left(colon), TrimBlanks(line.mid(colon + 1))};
}

class Reader {
public:
    explicit Reader(std::vector<SourceError>& errors) : errors(errors) {}

    void Line(int number, const QString& line) {
        if (const auto d = AsDirective(line))
            OnDirective(number, *d);
        else if (part == Part::Grid)
            stage().rows.push_back({number, line});
        else if (part == Part::Across || part == Part::Down)
            OnClue(number, line);
        else
            Fail(number, QStringLiteral("unexpected line: a stage holds level:, grid:, across: and down:"));
    }

    void Finish(int lastLine) {
        if (source.title.line == 0)
            Fail(0, QStringLiteral("no title: line"));
        if (source.inputMode < 0 && source.inputLine == 0)
            Fail(0, QStringLiteral("no input: line (kana or alphabet)"));
        if (source.stages.empty())
            Fail(lastLine, QStringLiteral("no stage"));
    }

    CollectionSource source;

private:
    enum class Part { Header, Stage, Grid, Across, Down };

    SourceStage& stage() { return source.stages.back(); }
    void Fail(int line, const QString& text) { errors.push_back({line, text}); }

    void OnDirective(int line, const Directive& d) {
        const bool inStage = part != Part::Header;
        if (d.name == QLatin1String("title") || d.name == QLatin1String("input")) {
            if (inStage)
                return Fail(line, QStringLiteral("%1: belongs before the first stage").arg(d.name));
            if (d.name == QLatin1String("title")) {
                source.title = {line, d.value};
            } else {
                source.inputLine = line;
                source.inputMode = d.value == QLatin1String("alphabet") ? 0 : d.value == QLatin1String("kana") ? 1 : -1;
                if (source.inputMode < 0)
                    Fail(line, QStringLiteral("input: is kana or alphabet, not \"%1\"").arg(d.value));
            }
            return;
        }
        if (d.name == QLatin1String("stage")) {
            const int expected = int(source.stages.size()) + 1;
            if (d.value != QString::number(expected))
                Fail(line, QStringLiteral("stage: %1 expected here, not \"%2\"").arg(expected).arg(d.value));
            source.stages.push_back(SourceStage{});
            stage().line = line;
            part = Part::Stage;
            return;
        }
        if (!inStage)
            return Fail(line, QStringLiteral("%1: outside a stage").arg(d.name));
        if (d.name == QLatin1String("level")) {
            bool ok = false;
            const int level = d.value.toInt(&ok);
            if (!ok || level < 0 || level > 5)
                return Fail(line, QStringLiteral("level: is 0 (custom) to 5, not \"%1\"").arg(d.value));
            if (stage().level >= 0)
                return Fail(line, QStringLiteral("a second level: in the stage"));
            stage().level = level;
            return;
        }
        if (!d.value.isEmpty())
            return Fail(line, QStringLiteral("%1: stands alone on its line").arg(d.name));
        const Part next = d.name == QLatin1String("grid") ? Part::Grid
                          : d.name == QLatin1String("across") ? Part::Across
                                                               : Part::Down;
        if (next <= part)
            return Fail(line, QStringLiteral("%1: out of order: a stage holds grid:, across:, down: once each, in this order")
                                  .arg(d.name));
        if (next == Part::Across || next == Part::Down)
            stage().listLine[next == Part::Down] = line;
        part = next;
    }

    void OnClue(int line, const QString& text) {
        SourceClue clue;
        clue.line = line;
        const qsizetype equals = text.indexOf(u'=');
        if (equals < 0)
            return Fail(line, QStringLiteral("a clue line is \"ANSWER = clue\""));
        clue.answer = TrimBlanks(text.left(equals));
        const QStringList parts = text.mid(equals + 1).split(u'|');
        clue.clue = TrimBlanks(parts[0]);
        for (qsizetype i = 1; i < parts.size(); ++i) {
            const qsizetype colon = parts[i].indexOf(u':');
            const QString key = TrimBlanks(parts[i].left(colon));
            const QString value = colon < 0 ? QString() : TrimBlanks(parts[i].mid(colon + 1));
            if (colon >= 0 && key == QLatin1String("reading")) {
                clue.reading = value;
            } else if (colon >= 0 && key == QLatin1String("written")) {
                clue.written = value;
            } else if (colon >= 0 && key == QLatin1String("code")) {
                clue.codes = value.split(u',');
                for (QString& code : clue.codes)
                    code = TrimBlanks(code);
                if (clue.codes.size() > 5)
                    Fail(line, QStringLiteral("code: holds at most five values (ID,CN,BN,QN,AN)"));
            } else {
                Fail(line, QStringLiteral("\"| %1\": a clue may add \"| reading:\", \"| written:\" or \"| code:\"")
                               .arg(TrimBlanks(parts[i])));
            }
        }
        stage().clues[part == Part::Down].push_back(std::move(clue));
    }

    std::vector<SourceError>& errors;
    Part part = Part::Header;
};

}  // namespace

CollectionSource ReadCollectionSource(const QStringList& lines, std::vector<SourceError>& errors) {
    Reader reader(errors);
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = TrimBlanks(lines[i]);
        if (!line.isEmpty() && !line.startsWith(u'#'))
            reader.Line(i + 1, line);
    }
    reader.Finish(int(lines.size()));
    return std::move(reader.source);
}

}  // namespace kirune
