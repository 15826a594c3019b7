#include "host/FileDialogHelper.h"

#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QShowEvent>
#include <QUrl>
#include <QWidget>
#include <QWindow>

#include <sys/prctl.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <memory>

namespace kirune {

// The open-file dialog pages in widget code and leaves icons, fonts and caches behind: 4 MB the
// game would hold to its end. A helper process of the game's program shows it instead and takes
// them with it. The dialog sits and looks as the game's own modal one did: the helper places it
// as QDialog would over the game's window, its transient parent, and the game holds back its
// windows' input meanwhile.

namespace {

// What QDialog reads from the game's windows to place a dialog over them.
struct Placement {
    QString screen;
    bool overParent = false;
    QPoint parentCentre;
    int frameWidth = 0, frameHeight = 0;
};

Placement PlacementOver(QWidget* parent) {
    Placement place;
    // The widest window frame of the visible top-level windows, as QDialog guesses the dialog's.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (qsizetype i = 0; (place.frameWidth == 0 || place.frameHeight == 0) && i < windows.size(); ++i) {
        const QWidget* window = windows[i];
        if (window->isVisible()) {
            place.frameWidth = std::max(place.frameWidth, window->geometry().x() - window->x());
            place.frameHeight = std::max(place.frameHeight, window->geometry().y() - window->y());
        }
    }
    if (parent) {
        const QWidget* window = parent->window();
        place.overParent = true;
        place.parentCentre = window->mapToGlobal(QPoint(0, 0)) + QPoint(window->width() / 2, window->height() / 2);
        if (const QScreen* screen = window->screen())
            place.screen = screen->name();
    }
    return place;
}

// Holds back the input of the game's windows while the helper's dialog is up, as Qt does for
// the windows a modal dialog blocks: no clicks, keys, pointer crossings or closing.
class InputHold final : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!watched->isWindowType())
            return false;
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TouchCancel:
        case QEvent::TabletPress:
        case QEvent::TabletMove:
        case QEvent::TabletRelease:
        case QEvent::Enter:
        case QEvent::Leave:
        case QEvent::ContextMenu:
        case QEvent::Close:
            return true;
        default:
            return false;
        }
    }
};

// QFileDialog placed as QDialog places a dialog, with what it would have read from the game's
// windows.
class HelperDialog final : public QFileDialog {
public:
    HelperDialog(const QString& folder, const QString& filter, const Placement& place)
        : QFileDialog(nullptr, QString(), folder, filter), place(place) {}

protected:
    void showEvent(QShowEvent* event) override {
        if (!event->spontaneous() && !testAttribute(Qt::WA_Moved)) {
            Place();
            QFileDialog::showEvent(event);
            setAttribute(Qt::WA_Moved, false);  // as QDialog leaves it: not really an explicit position
            return;
        }
        QFileDialog::showEvent(event);
    }

private:
    void Place() {
        QScreen* shownOn = nullptr;
        if (place.overParent) {
            for (QScreen* candidate : QGuiApplication::screens())
                if (candidate->name() == place.screen)
                    shownOn = candidate;
            if (!shownOn)
                shownOn = QGuiApplication::screenAt(place.parentCentre);
        } else {
            shownOn = QGuiApplication::primaryScreen()->virtualSiblings().size() > 1 ? QGuiApplication::screenAt(QCursor::pos())
                                                                                    : screen();
        }
        const QRect desk = shownOn ? shownOn->availableGeometry() : QRect();
        int extraw = place.frameWidth, extrah = place.frameHeight;
        if (extraw == 0 || extrah == 0 || extraw >= 10 || extrah >= 40) {
            extrah = 40;
            extraw = 10;
        }
        QPoint p = place.overParent ? place.parentCentre : QPoint(desk.x() + desk.width() / 2, desk.y() + desk.height() / 2);
        p = QPoint(p.x() - width() / 2 - extraw, p.y() - height() / 2 - extrah);
        if (p.x() + extraw + width() > desk.x() + desk.width())
            p.setX(desk.x() + desk.width() - width() - extraw);
        if (p.x() < desk.x())
            p.setX(desk.x());
        if (p.y() + extrah + height() > desk.y() + desk.height())
            p.setY(desk.y() + desk.height() - height() - extrah);
        if (p.y() < desk.y())
            p.setY(desk.y());
        if (shownOn && windowHandle())
            windowHandle()->setScreen(shownOn);
        move(p);
    }

    Placement place;

public:
    std::unique_ptr<QWindow> gameWindow;  // its transient parent
};

}  // namespace

QStringList FileDialogArguments(QWidget* parent, const QString& folder, const QString& filter) {
    const Placement place = PlacementOver(parent);
    return {
        folder,
        filter,
        QString::number(::getpid()),
        parent ? QString::number(parent->window()->winId()) : QStringLiteral("0"),
        place.screen,
        QString::number(place.parentCentre.x()),
        QString::number(place.parentCentre.y()),
        QString::number(place.frameWidth),
        QString::number(place.frameHeight),
    };
}

std::unique_ptr<QFileDialog> FileDialogFromArguments(const QStringList& arguments) {
    if (arguments.size() != 9)
        return nullptr;
    const WId parentId = arguments[3].toULongLong();
    Placement place;
    place.overParent = parentId != 0;
    place.screen = arguments[4];
    place.parentCentre = QPoint(arguments[5].toInt(), arguments[6].toInt());
    place.frameWidth = arguments[7].toInt();
    place.frameHeight = arguments[8].toInt();
    // As QFileDialog::getOpenFileName sets up its dialog.
    auto dialog = std::make_unique<HelperDialog>(arguments[0], arguments[1], place);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setSupportedSchemes({QStringLiteral("file")});
    if (place.overParent && QGuiApplication::platformName() == QLatin1String("xcb")) {
        dialog->gameWindow.reset(QWindow::fromWinId(parentId));
        dialog->winId();
        if (dialog->gameWindow && dialog->windowHandle())
            dialog->windowHandle()->setTransientParent(dialog->gameWindow.get());
    }
    return dialog;
}

std::optional<QString> ChooseFileInHelper(QWidget* parent, const QString& folder, const QString& filter,
                                          const std::function<void()>& pump) {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return std::nullopt;
    QProcess helper;
    helper.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    helper.start(QCoreApplication::applicationFilePath(),
                 QStringList(QString::fromLatin1(kFileDialogOption)) + FileDialogArguments(parent, folder, filter));
    if (!helper.waitForStarted())
        return std::nullopt;
    InputHold hold;
    qApp->installEventFilter(&hold);
    while (helper.state() != QProcess::NotRunning)
        pump();
    qApp->removeEventFilter(&hold);
    if (parent)
        parent->window()->activateWindow();
    if (helper.exitStatus() != QProcess::NormalExit || helper.exitCode() != 0)
        return std::nullopt;
    return QFile::decodeName(helper.readAllStandardOutput());
}

int RunFileDialogHelper(const QStringList& arguments) {
    const std::unique_ptr<QFileDialog> dialog = FileDialogFromArguments(arguments);
    if (!dialog)
        return 2;
    // The dialog goes when the game does, however it ends.
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (QString::number(::getppid()) != arguments[2])
        return 1;
    if (dialog->exec() != QDialog::Accepted)
        return 0;
    const QUrl chosen = dialog->selectedUrls().value(0);
    const QString path = chosen.isLocalFile() || chosen.isEmpty() ? chosen.toLocalFile() : chosen.toString();
    const QByteArray bytes = QFile::encodeName(path);
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace kirune
