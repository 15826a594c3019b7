#include "host/QtHost.h"
#include "app/Game.h"
#include "ui/Fonts.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

using namespace kirune;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kirune"));
    // Installed, the theme has the icon in every size; run from the build folder, the program
    // folder's copy stands in.
    QApplication::setDesktopFileName(QStringLiteral("kirune"));
    QApplication::setWindowIcon(QIcon::fromTheme(
        QStringLiteral("kirune"),
        QIcon(QCoreApplication::applicationDirPath() + QStringLiteral("/sys/Picture/kirune.png"))));
    InstallFontSubstitutions();
    QTranslator qtJapanese;
    if (qtJapanese.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtJapanese);

    QtHost host;
    Game game(host);
    // "kirune FILE": the title's click opens FILE instead of the file dialog.
    if (const QStringList args = QCoreApplication::arguments(); args.size() > 1)
        game.library.SetFirstChoice(QFileInfo(args[1]).absoluteFilePath());
    MainWindow window({game.story, game.screen, game.talk, game.anim, game.keypad, host.ProgramFolder()});
    game.story.hooks.ShowMainWindow = [&window] { window.show(); };
    // The title and the greeting run here; afterwards the game lives on the window's events.
    game.story.Main();
    return app.exec();
}
