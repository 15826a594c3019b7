#include "host/QtHost.h"
#include "story/Game.h"
#include "ui/Fonts.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

using namespace kirune;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kirune"));
    InstallFontSubstitutions();
    QTranslator qtJapanese;
    if (qtJapanese.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtJapanese);

    QtHost host;
    Game game(host);
    MainWindow window(game);
    game.story.ShowMainWindow = [&window] { window.show(); };
    // The title and the greeting run here; afterwards the game lives on the window's events.
    game.story.Main();
    return app.exec();
}
