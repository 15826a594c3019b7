#include "host/QtHost.h"
#include "library/Reports.h"
#include "story/Game.h"
#include "ui/Fonts.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

using namespace kirune;

namespace {

const QString kPlayFileFilter = QStringLiteral("Vexal ﾌｧｲﾙ を指定してください (*.vxl)");

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kirune"));
    InstallFontSubstitutions();
    QTranslator qtJapanese;
    if (qtJapanese.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtJapanese);

    QtHost host;
    if (!host.ClaimSingleInstance()) {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Kirune"), QStringLiteral("既に起動されています"));
        box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.exec();
        return 0;
    }

    Game game(host);
    MainWindow window(game);
    window.show();

    // Until the title sequence takes over the choice of play file, the board opens straight on
    // the first stage of the chosen file.
    for (;;) {
        const QString path = host.ChooseOpenFile(host.ProgramFolder(), kPlayFileFilter);
        if (path.isEmpty())
            game.EndGame();
        const auto error = game.OpenPlayFile(path);
        if (!error)
            break;
        std::fprintf(stderr, "kirune: %s: %s\n", qUtf8Printable(path), qUtf8Printable(error->Describe()));
        if (host.ShowReport(ReportFor(103)) != AnswerYes)
            game.EndGame();
    }
    window.EnableKeyPreview();
    return app.exec();
}
