// kirune-vxl: builds, checks and dumps Kirune play files.
//   kirune-vxl build SOURCE -o FILE.vxl   compiles a UTF-8 collection source; "file:line: message"
//                                         on stderr and exit 1 for each problem, the content lint's
//                                         included
//   kirune-vxl check FILE.vxl             one line per problem, the content lint's included; exit 1
//                                         if there is any
//   kirune-vxl dump FILE.vxl N            stage N as the game loads it, as JSON; exit 3 if unreadable

#include "keypad/RomaKana.h"
#include "kirune-vxl/Build.h"
#include "kirune-vxl/ContentLint.h"
#include "kirune-vxl/Dump.h"
#include "library/Cp932Text.h"
#include "library/PlayFile.h"
#include "model/StageCheck.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QStringDecoder>

#include <algorithm>
#include <cstdio>

using namespace kirune;

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: kirune-vxl build SOURCE -o FILE.vxl\n"
                 "       kirune-vxl check FILE.vxl\n"
                 "       kirune-vxl dump FILE.vxl STAGE\n");
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
    const QString tablePath = QCoreApplication::applicationDirPath() + QStringLiteral("/sys/RomaKana/新ローマ字かな変換.txt");
    const auto table = RomaKanaTable::Load(tablePath);
    const QStringList lines = SplitLines(text);
    BuildResult built = BuildPlayFile(lines, table ? &table.value : nullptr);
    // The lint is the tool's, not the compiler's: a play file it refuses is still one the game plays.
    std::vector<SourceError> unused;
    const CollectionSource collection = ReadCollectionSource(lines, unused);
    for (const SourceStage& stage : collection.stages) {
        std::vector<LintWord> words;
        for (const auto& list : stage.clues)
            for (const SourceClue& clue : list)
                words.push_back({clue.answer, clue.clue, clue.line});
        for (const LintProblem& p : LintStage(words, collection.inputMode == 1, stage.line))
            built.errors.push_back({p.line, p.text});
    }
    std::stable_sort(built.errors.begin(), built.errors.end(),
                     [](const SourceError& a, const SourceError& b) { return a.line < b.line; });
    for (const SourceError& e : built.errors)
        Say(stderr, e.line > 0 ? QStringLiteral("%1:%2: %3").arg(sourcePath).arg(e.line).arg(e.text)
                               : QStringLiteral("%1: %2").arg(sourcePath, e.text));
    if (!built.errors.empty()) {
        QFile::remove(outputPath);  // a stale file must not pass for the build's result
        if (!table)
            Say(stderr, *table.error);
        return 1;
    }
    if (!WriteTextFile(outputPath, built.lines)) {
        Say(stderr, QStringLiteral("%1: cannot write it").arg(outputPath));
        return 1;
    }
    return 0;
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
    return Usage();
}
