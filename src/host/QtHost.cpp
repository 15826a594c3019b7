#include "host/QtHost.h"

#include "host/FileDialogHelper.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLocale>
#include <QMessageBox>
#include <QPixmapCache>
#include <QPushButton>
#include <QStandardPaths>
#include <QTime>

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>

#include <malloc.h>
#include <cstdlib>

namespace kirune {

namespace {

constexpr const char* kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

// A report box that a question keeps open until one of its buttons is pressed: QMessageBox
// would otherwise take Esc and the window's close button as いいえ.
class ReportDialog final : public QMessageBox {
public:
    ReportDialog(const ReportBox& box, QWidget* parent)
        : QMessageBox(box.icon == ReportIcon::Information ? QMessageBox::Information : QMessageBox::Warning,
                      box.title, box.text, QMessageBox::NoButton, parent),
          question(box.buttons == ReportButtons::YesNo) {
        if (question)
            setWindowFlags((windowFlags() | Qt::CustomizeWindowHint) & ~Qt::WindowCloseButtonHint);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (question && event->matches(QKeySequence::Cancel)) {
            event->accept();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override {
        if (question && !clickedButton()) {
            event->ignore();
            return;
        }
        QMessageBox::closeEvent(event);
    }

private:
    bool question;
};

}  // namespace

QtHost::QtHost() {
    clock.start();
    driver.setSingleShot(true);
    driver.setTimerType(Qt::PreciseTimer);
    QObject::connect(&driver, &QTimer::timeout, [this] {
        Timers().RunDue();
        ArmDriver();
    });
    Timers().changed = [this] { ArmDriver(); };

    // SDL must not take over SIGINT and SIGTERM, and MIDI needs its soundfont named before
    // the device opens, or tunes load "successfully" and stay silent.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_Init(SDL_INIT_AUDIO) != 0) {
        std::fprintf(stderr, "kirune: no sound: %s\n", SDL_GetError());
        return;
    }
    // The program folder's soundfont holds only the tunes' instruments (5 MB held while a tune
    // plays, against 14 for the system's whole one); a build made without it has none.
    const QString tunesFont = ProgramFolder() + QStringLiteral("sound/midi/tunes.sf2");
    if (QFileInfo::exists(tunesFont))
        Mix_SetSoundFonts(QFile::encodeName(tunesFont).constData());
    else if (QFileInfo::exists(QString::fromLatin1(kSoundFont)))
        Mix_SetSoundFonts(kSoundFont);
    else
        std::fprintf(stderr, "kirune: no soundfont at %s: tunes will be silent\n", kSoundFont);
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        std::fprintf(stderr, "kirune: no sound: %s\n", Mix_GetError());
        return;
    }
    Mix_AllocateChannels(4);
    // A finished tune holds its synthesiser and the whole soundfont (about 15 MB): let it go.
    // The hook runs on the audio thread, so the freeing is posted to the game's thread.
    static QtHost* self = nullptr;
    self = this;
    Mix_HookMusicFinished([] {
        QMetaObject::invokeMethod(&self->waker, [] { self->ReleaseFinishedMusic(); }, Qt::QueuedConnection);
    });
    // The synthesised tune and an effect together stay below full scale.
    Mix_VolumeMusic(72);
    Mix_Volume(-1, 96);
    audioOpen = true;
}

QtHost::~QtHost() {
    if (audioOpen) {
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
        for (Mix_Chunk* chunk : soundSlots)
            if (chunk)
                Mix_FreeChunk(chunk);
        if (music)
            Mix_FreeMusic(music);
        Mix_CloseAudio();
    }
    SDL_Quit();
}

double QtHost::SecondsSinceMidnight() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

qint64 QtHost::NowMs() { return clock.elapsed(); }

void QtHost::ArmDriver() {
    const qint64 due = Timers().NextDue();
    if (due < 0) {
        driver.stop();
        return;
    }
    driver.start(int(std::clamp<qint64>(due - NowMs(), 0, 1000)));
}

void QtHost::Pump(qint64 wakeAtMs) {
    // A timer whose handler is running never fires again from Qt while that handler waits, so
    // each Pump arms a one-off timer of its own for the next moment anything is due. Single-shot:
    // the events this Pump delivers may wait in Pumps of their own for a second or more, and a
    // repeating timer would go on firing all through them, at 0 ms a busy loop.
    qint64 wake = Timers().NextDue();
    if (wakeAtMs >= 0 && (wake < 0 || wakeAtMs < wake))
        wake = wakeAtMs;
    QTimer alarm;
    if (wake >= 0) {
        alarm.setSingleShot(true);
        alarm.setTimerType(Qt::PreciseTimer);
        alarm.start(int(std::clamp<qint64>(wake - NowMs(), 0, 1000)));
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    Timers().RunDue();
}

int QtHost::ShowReport(const ReportBox& box) {
    ReportDialog message(box, QApplication::activeWindow());
    QPushButton* first = nullptr;
    QPushButton* second = nullptr;
    switch (box.buttons) {
    case ReportButtons::Ok:
        first = message.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        break;
    case ReportButtons::YesNo:
        first = message.addButton(QStringLiteral("はい"), QMessageBox::YesRole);
        second = message.addButton(QStringLiteral("いいえ"), QMessageBox::NoRole);
        break;
    case ReportButtons::OkCancel:
        first = message.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        second = message.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
        message.setEscapeButton(second);
        break;
    }
    message.setDefaultButton(box.secondIsDefault && second ? second : first);
    if (box.leftAloneSeconds > 0)
        QTimer::singleShot(box.leftAloneSeconds * 1000, &message, [&message] { message.done(0); });
    message.exec();
    if (!message.clickedButton())
        return box.leftAloneAnswer;
    const bool firstChosen = message.clickedButton() == first;
    switch (box.buttons) {
    case ReportButtons::Ok:
        return AnswerOk;
    case ReportButtons::YesNo:
        return firstChosen ? AnswerYes : AnswerNo;
    case ReportButtons::OkCancel:
        return firstChosen ? AnswerOk : AnswerCancel;
    }
    return AnswerOk;
}

QString QtHost::ChooseOpenFile(const QString& folder, const QString& filter) {
    QWidget* parent = QApplication::activeWindow();
    if (const auto chosen = ChooseFileInHelper(parent, folder, filter, [this] { Pump(); }))
        return *chosen;
    const QString chosen = QFileDialog::getOpenFileName(parent, QString(), folder, filter);
    // What the dialog leaves behind is not drawn again: the style's cached pictures of its
    // controls, and the heap it freed.
    QPixmapCache::clear();
    malloc_trim(0);
    return chosen;
}

void QtHost::Missing(const QString& what) {
    // One line per missing file, not one per play of it.
    if (reportedMissing.contains(what))
        return;
    reportedMissing.insert(what);
    std::fprintf(stderr, "kirune: %s\n", qUtf8Printable(what));
}

void QtHost::InitSound(const QString& placeholderPath) {
    if (!audioOpen)
        return;
    for (int channel = 0; channel < 4; ++channel) {
        Mix_HaltChannel(channel);
        if (soundSlots[channel])
            Mix_FreeChunk(soundSlots[channel]);
        soundSlots[channel] = Mix_LoadWAV(QFile::encodeName(placeholderPath).constData());
        if (!soundSlots[channel])
            Missing(QStringLiteral("cannot load %1: %2").arg(placeholderPath, QString::fromUtf8(Mix_GetError())));
    }
}

void QtHost::PlaySound(const QString& path) {
    if (!audioOpen)
        return;
    constexpr int kEffectChannel = 1;  // slot 0
    Mix_HaltChannel(kEffectChannel);
    if (soundSlots[kEffectChannel])
        Mix_FreeChunk(soundSlots[kEffectChannel]);
    soundSlots[kEffectChannel] = Mix_LoadWAV(QFile::encodeName(path).constData());
    if (!soundSlots[kEffectChannel]) {
        Missing(QStringLiteral("cannot play %1: %2").arg(path, QString::fromUtf8(Mix_GetError())));
        return;
    }
    Mix_PlayChannel(kEffectChannel, soundSlots[kEffectChannel], 0);
}

void QtHost::StopSound(int slot) {
    if (audioOpen && slot >= -1 && slot <= 2)
        Mix_HaltChannel(slot + 1);
}

void QtHost::PlayMusic(const QString& path) {
    if (!audioOpen)
        return;
    StopMusic();
    music = Mix_LoadMUS(QFile::encodeName(path).constData());
    if (!music) {
        Missing(QStringLiteral("cannot play %1: %2").arg(path, QString::fromUtf8(Mix_GetError())));
        return;
    }
    Mix_PlayMusic(music, 1);
}

void QtHost::ReleaseFinishedMusic() {
    if (!audioOpen || !music || Mix_PlayingMusic())
        return;  // already gone, or a new tune has started since
    Mix_FreeMusic(music);
    music = nullptr;
    malloc_trim(0);  // the soundfont's pages go back to the system, not to the heap's reserve
}

void QtHost::StopMusic() {
    if (!audioOpen || !music)
        return;
    Mix_HaltMusic();
    Mix_FreeMusic(music);
    music = nullptr;
    malloc_trim(0);  // as when a tune ends: its synthesiser leaves no holes in the heap
}

QString QtHost::TimeFormat() { return QLocale::system().timeFormat(QLocale::ShortFormat); }

void QtHost::Diagnostic(const QString& line) { std::fprintf(stderr, "kirune: %s\n", qUtf8Printable(line)); }

QString QtHost::Environment(const QString& name) { return qEnvironmentVariable(qUtf8Printable(name)); }

QString QtHost::ProgramFolder() { return QCoreApplication::applicationDirPath() + u'/'; }

bool QtHost::ClaimSingleInstance() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    instanceLock = std::make_unique<QLockFile>(folder + QStringLiteral("/kirune.lock"));
    // A lock left by a crashed run names a dead process and is taken over.
    return instanceLock->tryLock(0);
}

void QtHost::Exit() {
    if (instanceLock)
        instanceLock->unlock();
    std::fflush(nullptr);
    std::exit(0);
}

}  // namespace kirune
