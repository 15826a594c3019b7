#include "library/Library.h"

#include "library/Cp932Text.h"
#include "library/Reports.h"
#include "library/WorkFolder.h"

#include <QFileInfo>

#include <utility>

namespace kirune {

Library::Library(Host& host, GameTimer* tmrVexal) : host(host), tmrVexal(tmrVexal) {}

int Library::ShowReport(int code, int leftAloneSeconds) {
    ReportBox box = ReportFor(code, LogFolder);
    box.leftAloneSeconds = leftAloneSeconds;
    return ShowWithClockStopped(box);
}

int Library::ShowWithClockStopped(const ReportBox& box) {
    const TimerPause clockStops(tmrVexal);
    return host.ShowReport(box);
}

std::optional<ChosenPlayFile> Library::ChoosePlayFile(int kind) {
    if (kind != 1)
        return std::nullopt;
    return SplitChosenPath(ChoosePath());
}

QString Library::ChoosePath() {
    return host.ChooseOpenFile(host.ProgramFolder(),
                               QStringLiteral("Vexal ﾌｧｲﾙ を指定してください (*.vxl);;ipuz クロスワード (*.ipuz)"));
}

std::optional<ChosenPlayFile> Library::SelectPlayFile() {
    QString path = std::exchange(firstChoice, QString());
    for (;;) {
        if (path.isEmpty()) {
            path = ChoosePath();
            if (!SplitChosenPath(path)) {
                if (ShowReport(101) != AnswerYes)
                    return std::nullopt;
                path.clear();
                continue;
            }
        }
        // An .ipuz puzzle is played as the play file made from it, whose score file is named after it.
        if (path.endsWith(QStringLiteral(".ipuz"), Qt::CaseInsensitive) && QFileInfo(path).isFile()) {
            const MadePlayFile made =
                importPuzzle ? importPuzzle(path) : MadePlayFile{QString(), QStringLiteral("no importer")};
            if (!made.error.isEmpty()) {
                // The player gets the unreadable-file report; why, goes to the log.
                host.Diagnostic(QStringLiteral("%1: %2").arg(path, made.error));
                if (ShowReport(103) != AnswerYes)
                    return std::nullopt;
                path.clear();
                continue;
            }
            path = made.path;
        }
        const auto chosen = SplitChosenPath(std::exchange(path, QString()));
        if (!chosen)
            continue;  // a start file without a name: the dialog
        if (!FindFile(chosen->folder + chosen->name).isEmpty())
            return chosen;
        if (ShowReport(102) != AnswerYes)
            return std::nullopt;
    }
}

QString Library::FindFile(const QString& path) const {
    const QFileInfo info(path);
    return info.isFile() ? info.fileName() : QString();
}

void Library::ShowDebugReport(const QuesRec& q) {
    const QStringList lines = {
        QStringLiteral("答え：") + q.AnsText + QStringLiteral("  ヨミ：") + q.Yomi,
        QStringLiteral("SN：") + q.SN,
        QStringLiteral("ID：") + q.ID,
        QStringLiteral("CN：") + q.CN,
        QStringLiteral("BN：") + q.BN,
        QStringLiteral("QN：") + q.QN,
        QStringLiteral("AN：") + q.AN,
        QStringLiteral("[OK]でこの情報をセーブ化します。"),
    };
    const ReportBox box{QStringLiteral("■デバッグ用■"), lines.join(QStringLiteral("\r\n")), ReportIcon::Information,
                        ReportButtons::OkCancel, true};
    if (ShowWithClockStopped(box) != AnswerOk)
        return;
    const QStringList entry = QStringList{QString(), QStringLiteral("問題：") + q.QuesText} + lines;
    // An installed program folder is read-only: the entry then goes where the score files go.
    QString path = host.ProgramFolder() + QStringLiteral("Report.txt");
    if (AppendTextFile(path, entry))
        return;
    if (!TempFolder.isEmpty()) {
        path = TempFolder + QStringLiteral("Report.txt");
        if (AppendTextFile(path, entry))
            return;
    }
    host.Diagnostic(QStringLiteral("cannot append to %1").arg(path));
}

}  // namespace kirune
