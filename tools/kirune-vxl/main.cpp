// kirune-vxl: builds, checks and dumps Kirune play files.
//   kirune-vxl build SOURCE -o FILE.vxl   compiles a UTF-8 collection source; "file:line: message"
//                                         on stderr and exit 1 for each problem, the content lint's
//                                         included
//   kirune-vxl check FILE.vxl             one line per problem, the content lint's included; exit 1
//                                         if there is any
//   kirune-vxl dump FILE.vxl N            stage N as the game loads it, as JSON; exit 3 if unreadable
//   kirune-vxl words --edict FILE [--kanjidic FILE] [--block FILE] --kind kanji|katakana|english
//                    -o LIST.tsv          a word list for puzzles from Debian's Japanese dictionaries
//   kirune-vxl generate --list LIST.tsv --size WxH[,WxH...]|--pattern FILE [--stages N] [--seed S]
//                       [--title TEXT] [--level L] [--report] -o OUT.vxl|OUT.vxl.txt
//                                         crosswords from a word list, on new grids or one given
//   kirune-vxl import FILE.ipuz... -o OUT.vxl   .ipuz crosswords as one collection, a stage each
//   kirune-vxl export FILE.vxl -o DIR           each stage as DIR/NAME-N.ipuz

#include "author/Build.h"
#include "author/ContentLint.h"
#include "author/Generate.h"
#include "author/Ipuz.h"
#include "keypad/RomaKana.h"
#include "kirune-vxl/Dump.h"
#include "kirune-vxl/Words.h"
#include "library/Cp932Text.h"
#include "library/PlayFile.h"
#include "model/StageCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <cstdio>

using namespace kirune;

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: kirune-vxl build SOURCE -o FILE.vxl\n"
                 "       kirune-vxl check FILE.vxl\n"
                 "       kirune-vxl dump FILE.vxl STAGE\n"
                 "       kirune-vxl words --edict FILE [--kanjidic FILE] [--block FILE]\n"
                 "                        --kind kanji|katakana|english -o LIST.tsv\n"
                 "       kirune-vxl generate --list LIST.tsv --size WxH[,WxH...]|--pattern FILE [--stages N] [--seed S]\n"
                 "                           [--title TEXT] [--level L] [--report] -o OUT.vxl|OUT.vxl.txt\n"
                 "       kirune-vxl import FILE.ipuz... -o OUT.vxl\n"
                 "       kirune-vxl export FILE.vxl -o DIR\n");
    return 2;
}

void Say(FILE* out, const QString& line) { std::fprintf(out, "%s\n", qUtf8Printable(line)); }

int Check(const QString& path) {
    const auto stageMax = ReadStageMax(path);
    if (!stageMax) {
        Say(stdout, QStringLiteral("%1: %2").arg(path, stageMax.error->Describe()));
        return 1;
    }
    const auto mode = ReadInputMode(path);
    int problems = 0;
    // The game plays such a file, reading each stray sequence as "・"; its author should know.
    if (const auto file = ReadTextFile(path))
        for (int line : file->badLines) {
            Say(stdout, QStringLiteral("%1: line %2: bytes that are not Shift_JIS (CP932) text, read as ・").arg(path).arg(line));
            ++problems;
        }
    if (stageMax.value < 1) {
        Say(stdout, QStringLiteral("%1: the header names no stages").arg(path));
        ++problems;
    }
    for (int n = 1; n <= stageMax.value; ++n) {
        auto stage = LoadStageData(path, n);
        if (!stage) {
            Say(stdout, QStringLiteral("%1: stage %2: unreadable: %3").arg(path).arg(n).arg(stage.error->Describe()));
            ++problems;
            continue;
        }
        for (const StageProblem& p : PrepareStage(stage.value)) {
            Say(stdout, QStringLiteral("%1: stage %2: %3").arg(path).arg(n).arg(p.text));
            ++problems;
        }
        std::vector<LintWord> words;
        for (int w = 1; w <= stage.value.QuesNmbMax && w < int(stage.value.Ques.size()); ++w)
            words.push_back({stage.value.Ques[size_t(w)].AnswerText, stage.value.Ques[size_t(w)].QuesText});
        for (const LintProblem& p : LintStage(words, mode && mode.value == 1, 0)) {
            Say(stdout, QStringLiteral("%1: stage %2: %3").arg(path).arg(n).arg(p.text));
            ++problems;
        }
    }
    return problems ? 1 : 0;
}

// The play file of a collection source, checked by the builder against the program folder's
// romaji table; the problems on stderr, each prefixed with what, in line order.
std::optional<QStringList> Compile(const QStringList& sourceLines, const QString& what, Lint lint) {
    const auto table = RomaKanaTable::Load(RomaKanaTablePath(QCoreApplication::applicationDirPath() + u'/'));
    const BuildResult built = BuildCollection(sourceLines, table ? &table.value : nullptr, lint);
    for (const SourceError& e : built.errors)
        Say(stderr, e.line > 0 ? QStringLiteral("%1:%2: %3").arg(what).arg(e.line).arg(e.text)
                               : QStringLiteral("%1: %2").arg(what, e.text));
    if (!built.errors.empty()) {
        if (!table)
            Say(stderr, *table.error);
        return std::nullopt;
    }
    return built.lines;
}

// Compile, then the play file written to out; the exit status.
int CompileTo(const QStringList& sourceLines, const QString& what, const QString& out, Lint lint) {
    const auto built = Compile(sourceLines, what, lint);
    if (!built) {
        QFile::remove(out);  // a stale file must not pass for the build's result
        return 1;
    }
    if (!WriteTextFile(out, *built)) {
        Say(stderr, QStringLiteral("%1: cannot write it").arg(out));
        return 1;
    }
    return 0;
}

int Build(const QString& sourcePath, const QString& outputPath) {
    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly)) {
        Say(stderr, QStringLiteral("%1: cannot open it").arg(sourcePath));
        return 1;
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(source.readAll());
    if (utf8.hasError()) {
        Say(stderr, QStringLiteral("%1: not UTF-8 text").arg(sourcePath));
        return 1;
    }
    // Kana grids are checked against the table the keypad of this program folder converts with.
    return CompileTo(SplitLines(text), sourcePath, outputPath, Lint::On);
}

int Dump(const QString& path, const QString& stageText) {
    bool isNumber = false;
    const int n = stageText.toInt(&isNumber);
    if (!isNumber)
        return Usage();
    const auto mode = ReadInputMode(path);
    const auto stageMax = ReadStageMax(path);
    auto stage = LoadStageData(path, n);
    const PlayFileError* error = !mode ? &*mode.error : !stageMax ? &*stageMax.error : !stage ? &*stage.error : nullptr;
    std::optional<PlayFileError> inconsistent;
    if (!error && (inconsistent = PrepareForPlay(stage.value)))
        error = &*inconsistent;
    if (error) {
        Say(stderr, QStringLiteral("%1: stage %2: %3").arg(path).arg(n).arg(error->Describe()));
        return 3;
    }
    const auto captions = CaptionsFor(stage.value, QFileInfo(path).fileName(), n, QString());
    const QByteArray json =
        QJsonDocument(DumpStage(stage.value, mode.value, stageMax.value, captions)).toJson(QJsonDocument::Compact);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    std::fputc('\n', stdout);
    return 0;
}

// The lines of a text file in the given encoding; nothing when it cannot be read whole.
std::optional<QStringList> ReadLines(const QString& path, const char* encoding) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QStringDecoder decode(encoding);
    const QString text = decode(file.readAll());
    if (!decode.isValid() || decode.hasError())
        return std::nullopt;
    return SplitLines(text);
}

int Words(const QStringList& args) {
    QHash<QString, QString> options;
    for (int i = 2; i + 1 < args.size(); i += 2)
        options.insert(args[i], args[i + 1]);
    static const QHash<QString, WordKind> kinds = {{QStringLiteral("kanji"), WordKind::Kanji},
                                                   {QStringLiteral("katakana"), WordKind::Katakana},
                                                   {QStringLiteral("english"), WordKind::English}};
    const QString edictPath = options.value(QStringLiteral("--edict")), out = options.value(QStringLiteral("-o"));
    if (args.size() % 2 != 0 || edictPath.isEmpty() || out.isEmpty() || !kinds.contains(options.value(QStringLiteral("--kind"))))
        return Usage();
    const auto edict = ReadLines(edictPath, "EUC-JP");
    if (!edict) {
        Say(stderr, QStringLiteral("%1: cannot read it as EUC-JP text").arg(edictPath));
        return 1;
    }
    QHash<QChar, int> grades;
    if (const QString path = options.value(QStringLiteral("--kanjidic")); !path.isEmpty()) {
        const auto kanjidic = ReadLines(path, "EUC-JP");
        if (!kanjidic) {
            Say(stderr, QStringLiteral("%1: cannot read it as EUC-JP text").arg(path));
            return 1;
        }
        grades = ParseKanjiGrades(*kanjidic);
    }
    QSet<QString> blocked;
    if (const QString path = options.value(QStringLiteral("--block")); !path.isEmpty()) {
        const auto lines = ReadLines(path, "UTF-8");
        if (!lines) {
            Say(stderr, QStringLiteral("%1: cannot read it as UTF-8 text").arg(path));
            return 1;
        }
        for (const QString& line : *lines)
            if (!line.trimmed().isEmpty() && !line.startsWith(u'#'))
                blocked.insert(line.trimmed());
    }
    std::vector<DictEntry> entries;
    for (const QString& line : *edict)
        if (auto entry = ParseDictLine(line))
            entries.push_back(std::move(*entry));
    QStringList lines = {QStringLiteral("# answer\tclue\treading\tlevel\theadword"),
                         QStringLiteral("# Derived from EDICT and KANJIDIC (Electronic Dictionary Research and "
                                        "Development Group), CC BY-SA 4.0.")};
    for (const ListWord& word : SelectWords(entries, kinds.value(options.value(QStringLiteral("--kind"))), grades, blocked))
        lines << ListLine(word);
    QFile file(out);
    const QByteArray bytes = (lines.join(u'\n') + u'\n').toUtf8();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        Say(stderr, QStringLiteral("%1: cannot write it").arg(out));
        return 1;
    }
    return 0;
}

// A grid's black cells as rows of text, the grid of a generated stage or drawn by hand: ■ or #
// for black, any other character for white; blank lines and the rows' outer spaces do not count.
std::optional<Pattern> ReadPattern(const QString& path) {
    const auto lines = ReadLines(path, "UTF-8");
    if (!lines)
        return std::nullopt;
    Pattern p;
    for (const QString& line : *lines) {
        const QString row = line.trimmed();
        if (row.isEmpty())
            continue;
        if (p.width != 0 && row.size() != p.width)
            return std::nullopt;
        p.width = int(row.size());
        ++p.height;
        for (QChar c : row)
            p.black.push_back(c == u'■' || c == u'#');
    }
    if (p.width < 4 || p.width > 15 || p.height < 4 || p.height > 15)
        return std::nullopt;
    return p;
}

int Generate(const QStringList& args) {
    QHash<QString, QString> options;
    bool report = false;
    for (int i = 2; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--report"))
            report = true;
        else if (i + 1 < args.size()) {
            options.insert(args[i], args[i + 1]);
            ++i;
        } else {
            return Usage();
        }
    }
    const QString listPath = options.value(QStringLiteral("--list")), out = options.value(QStringLiteral("-o"));
    const QString patternPath = options.value(QStringLiteral("--pattern"));
    if (listPath.isEmpty() || out.isEmpty() || options.contains(QStringLiteral("--size")) == !patternPath.isEmpty())
        return Usage();
    GenerateOptions g;
    if (!patternPath.isEmpty()) {
        g.pattern = ReadPattern(patternPath);
        if (!g.pattern) {
            Say(stderr, QStringLiteral("%1: not a pattern (4 to 15 rows of 4 to 15 cells each, ■ or # for black)").arg(patternPath));
            return 1;
        }
        options.insert(QStringLiteral("--size"), QStringLiteral("%1x%2").arg(g.pattern->width).arg(g.pattern->height));
    }
    for (const QString& size : options.value(QStringLiteral("--size")).split(u',')) {
        const QStringList wh = size.split(u'x');
        const int w = wh.size() == 2 ? wh[0].toInt() : 0, h = wh.size() == 2 ? wh[1].toInt() : 0;
        if (w < 4 || h < 4 || w > 15 || h > 15) {
            Say(stderr, QStringLiteral("%1: a size is WxH, each from 4 to 15").arg(size));
            return 1;
        }
        g.sizes.push_back({w, h});
    }
    bool ok = true;
    g.stages = options.value(QStringLiteral("--stages"), QString::number(g.sizes.size())).toInt(&ok);
    if (!ok || g.stages < 1 || g.stages > 99 || (g.sizes.size() > 1 && int(g.sizes.size()) != g.stages)) {
        Say(stderr, QStringLiteral("--stages: 1 to 99, as many as the sizes given when there are several"));
        return 1;
    }
    g.seed = options.value(QStringLiteral("--seed"), QStringLiteral("1")).toULongLong(&ok);
    if (!ok) {
        Say(stderr, QStringLiteral("--seed: a whole number"));
        return 1;
    }
    g.level = options.value(QStringLiteral("--level"), QStringLiteral("0")).toInt(&ok);
    if (!ok || g.level < 0 || g.level > 7) {
        Say(stderr, QStringLiteral("--level: 1 to 7 for every stage, 0 (the default) for rising levels"));
        return 1;
    }
    g.title = options.value(QStringLiteral("--title"), QFileInfo(out).completeBaseName().section(u'.', 0, 0));
    const ReadList list = ReadWordListFile(listPath);
    if (!list.error.isEmpty()) {
        Say(stderr, list.error);
        return 1;
    }
    const Generated made = GenerateCollection(list.words, g);
    if (!made.error.isEmpty()) {
        Say(stderr, QStringLiteral("%1: %2").arg(listPath, made.error));
        return 1;
    }
    if (report)
        for (size_t i = 0; i < made.quality.size(); ++i) {
            const StageQuality& q = made.quality[i];
            Say(stdout, QStringLiteral("stage %1: %2x%3, %4 words, crossing %5, two-letter %6, mean level %7")
                            .arg(i + 1).arg(q.width).arg(q.height).arg(q.words)
                            .arg(q.crossing, 0, 'f', 2).arg(q.twoLetter, 0, 'f', 2).arg(q.meanLevel, 0, 'f', 1));
        }
    if (out.endsWith(QLatin1String(".vxl.txt"))) {
        QSaveFile file(out);
        const QByteArray bytes = (made.source.join(u'\n') + u'\n').toUtf8();
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
            Say(stderr, QStringLiteral("%1: cannot write it").arg(out));
            return 1;
        }
        return 0;
    }
    return CompileTo(made.source, out, out, Lint::On);
}

int Import(const QStringList& args) {
    const qsizetype o = args.indexOf(QStringLiteral("-o"));
    if (o < 3 || o + 2 != args.size())
        return Usage();
    std::vector<IpuzPuzzle> puzzles;
    for (qsizetype i = 2; i < o; ++i) {
        puzzles.push_back(ReadIpuzFile(args[i]));
        if (!puzzles.back().error.isEmpty()) {
            Say(stderr, QStringLiteral("%1: %2").arg(args[i], puzzles.back().error));
            return 1;
        }
        if (puzzles.back().inputMode != puzzles.front().inputMode) {
            Say(stderr, QStringLiteral("%1: kana and Latin puzzles cannot share a collection").arg(args[i]));
            return 1;
        }
    }
    const QString out = args[o + 1];
    return CompileTo(IpuzCollection(puzzles, QFileInfo(out).completeBaseName()), out, out, Lint::Off);
}

int Export(const QStringList& args) {
    if (args.size() != 5 || args[3] != QLatin1String("-o"))
        return Usage();
    const QString path = args[2], folder = args[4];
    const auto mode = ReadInputMode(path);
    const auto stageMax = ReadStageMax(path);
    if (!mode || !stageMax) {
        Say(stderr, QStringLiteral("%1: %2").arg(path, (!mode ? mode.error : stageMax.error)->Describe()));
        return 1;
    }
    if (!QDir().mkpath(folder)) {
        Say(stderr, QStringLiteral("%1: cannot make the folder").arg(folder));
        return 1;
    }
    const QString base = QFileInfo(path).completeBaseName();
    for (int n = 1; n <= stageMax.value; ++n) {
        auto stage = LoadStageData(path, n);
        std::optional<PlayFileError> broken = stage ? PrepareForPlay(stage.value) : stage.error;
        if (broken) {
            Say(stderr, QStringLiteral("%1: stage %2: %3").arg(path).arg(n).arg(broken->Describe()));
            return 1;
        }
        const QString out = QStringLiteral("%1/%2-%3.ipuz").arg(folder, base).arg(n);
        QSaveFile file(out);
        const QByteArray json = StageToIpuz(stage.value, mode.value, QStringLiteral("%1 %2").arg(base).arg(n));
        if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size() || !file.commit()) {
            Say(stderr, QStringLiteral("%1: cannot write it").arg(out));
            return 1;
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 5 && args[1] == QLatin1String("build") && args[3] == QLatin1String("-o"))
        return Build(args[2], args[4]);
    if (args.size() == 3 && args[1] == QLatin1String("check"))
        return Check(args[2]);
    if (args.size() == 4 && args[1] == QLatin1String("dump"))
        return Dump(args[2], args[3]);
    if (args.size() >= 2 && args[1] == QLatin1String("words"))
        return Words(args);
    if (args.size() >= 2 && args[1] == QLatin1String("generate"))
        return Generate(args);
    if (args.size() >= 2 && args[1] == QLatin1String("import"))
        return Import(args);
    if (args.size() >= 2 && args[1] == QLatin1String("export"))
        return Export(args);
    return Usage();
}
