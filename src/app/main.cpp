#include "app/Game.h"
#include "author/Ipuz.h"
#include "author/Today.h"
#include "host/QtHost.h"
#include "ui/Fonts.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

#include <cstdio>

#include <malloc.h>

using namespace kirune;

namespace {

// The player's own folder for what the game makes: the one the launcher gives score files
// when no temporary folder is set.
QString StateFolder() {
    const QString base = qEnvironmentVariable("XDG_STATE_HOME", QDir::homePath() + QStringLiteral("/.local/state"));
    return base + QStringLiteral("/kirune");
}

}  // namespace

int main(int argc, char** argv) {
    // Large blocks come and go as the game runs (a cast strip let go while its sprite hides, a
    // tune's sample data when it ends): each gets a mapping of its own that goes back to the
    // system when freed. glibc would otherwise raise the threshold after the first such free and
    // leave the next ones as holes in the heap.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kirune"));
    // Installed, the theme has the icon in every size; run from the build folder, the program
    // folder's copy stands in.
    QApplication::setDesktopFileName(QStringLiteral("io.github.kirune.Kirune"));
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
    QCommandLineParser args;
    args.setApplicationDescription(QStringLiteral("Kirune: crosswords with a partner"));
    args.addHelpOption();
    const QCommandLineOption today(QStringLiteral("today"), QStringLiteral("Play today's crossword (new every day)."));
    args.addOption(today);
    args.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A play file (.vxl) or .ipuz crossword to open."));
    args.process(app);

    // .ipuz puzzles are played as play files made from them in the state folder.
    game.library.importPuzzle = [&host](const QString& path) {
        return ImportIpuzFile(path, host.ProgramFolder(), StateFolder());
    };
    // "kirune FILE" and "kirune --today": the title's click opens that file instead of the dialog.
    if (args.isSet(today)) {
        const MadePlayFile made = MakeTodayFile(host.ProgramFolder(), StateFolder(), QDate::currentDate());
        if (made.error.isEmpty())
            game.library.SetFirstChoice(made.path);
        else {
            std::fprintf(stderr, "kirune: today's crossword: %s\n", qUtf8Printable(made.error));
            QMessageBox::warning(nullptr, QStringLiteral("報告：今日のクロスワード"),
                                 QStringLiteral("今日のクロスワードを作れませんでした。\n%1").arg(made.error));
        }
    } else if (!args.positionalArguments().isEmpty()) {
        game.library.SetFirstChoice(QFileInfo(args.positionalArguments().front()).absoluteFilePath());
    }
    MainWindow window({game.story, game.screen, game.talk, game.anim, game.keypad, host.ProgramFolder()});
    game.story.hooks.ShowMainWindow = [&window] { window.show(); };
    // The title and the greeting run here; afterwards the game lives on the window's events.
    game.story.Main();
    return app.exec();
}
