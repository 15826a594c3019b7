#include "app/Game.h"
#include "author/Ipuz.h"
#include "author/Today.h"
#include "host/FileDialogHelper.h"
#include "host/QtHost.h"
#include "ui/Fonts.h"
#include "ui/MainWindow.h"
#include "ui/WholeScale.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

#include <cstdio>
#include <cstring>
#include <optional>

#include <malloc.h>

using namespace kirune;

namespace {

// The player's own folder for what the game makes: the one the launcher gives score files
// when no temporary folder is set.
QString StateFolder() {
    const QString base = qEnvironmentVariable("XDG_STATE_HOME", QDir::homePath() + QStringLiteral("/.local/state"));
    return base + QStringLiteral("/kirune");
}

constexpr double kSmallestScale = 1.0, kLargestScale = 4.0;

// The scale asked for with --scale N (or --scale=N), else by KIRUNE_SCALE; empty when neither is
// given. Qt takes its scale when it starts, so this is read from the raw arguments.
QString ScaleAsked(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--scale" && i + 1 < argc)
            return QString::fromLocal8Bit(argv[i + 1]);
        if (arg.startsWith("--scale="))
            return QString::fromLocal8Bit(arg.mid(8));
    }
    return qEnvironmentVariable("KIRUNE_SCALE");
}

}  // namespace

int main(int argc, char** argv) {
    // Large blocks come and go as the game runs (a cast strip let go while its sprite hides, a
    // tune's sample data when it ends): each gets a mapping of its own that goes back to the
    // system when freed. glibc would otherwise raise the threshold after the first such free and
    // leave the next ones as holes in the heap.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    // One heap for all threads: the few that are not the game's (X events, audio, D-Bus, Qt's
    // pool) allocate little, and each would otherwise keep a heap of its own.
    mallopt(M_ARENA_MAX, 1);
    // A scale of the player's choosing replaces the desktop's: a 4K screen without desktop
    // scaling would show the window a quarter of its size.
    const QString asked = ScaleAsked(argc, argv);
    const bool scaleAsked = !asked.isEmpty();
    if (scaleAsked) {
        bool number = false;
        const double scale = asked.toDouble(&number);
        if (!number || scale < kSmallestScale || scale > kLargestScale) {
            std::fprintf(stderr, "kirune: --scale takes a number from %g to %g, not \"%s\"\n", kSmallestScale, kLargestScale,
                         qUtf8Printable(asked));
            return 2;
        }
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
        qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
    }
    std::optional<QApplication> app(std::in_place, argc, argv);
    // Qt settles how it rounds the desktop's scale when it starts: to round a fractional scale
    // (1.5 on a 4K screen) to a whole one, it starts again. Only such desktops pay for this.
    if (!scaleAsked && !qEnvironmentVariableIsSet("QT_SCALE_FACTOR_ROUNDING_POLICY") &&
        QGuiApplication::primaryScreen() && PreferWholeScale(*QGuiApplication::primaryScreen())) {
        app.reset();
        QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
        app.emplace(argc, argv);
    }
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
    if (argc > 1 && std::strcmp(argv[1], kFileDialogOption) == 0)
        return RunFileDialogHelper(QCoreApplication::arguments().mid(2));

    QCommandLineParser args;
    args.setApplicationDescription(QStringLiteral("Kirune: crosswords with a partner"));
    args.addHelpOption();
    const QCommandLineOption today(QStringLiteral("today"), QStringLiteral("Play today's crossword (new every day)."));
    args.addOption(today);
    args.addOption(QCommandLineOption(QStringLiteral("scale"),
                                      QStringLiteral("Show the window N times its size (1 to 4, e.g. 2 on a 4K screen); "
                                                     "KIRUNE_SCALE does the same."),
                                      QStringLiteral("N")));
    args.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A play file (.vxl) or .ipuz crossword to open."));
    args.process(*app);

    QtHost host;
    Game game(host);

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
    return app->exec();
}
