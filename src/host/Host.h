#pragma once

#include "host/Scheduler.h"

#include <QString>

#include <cstdlib>

namespace kirune {

enum class ReportIcon { Information, Exclamation };
enum class ReportButtons { Ok, YesNo, OkCancel };

// Button codes as the game's message boxes return them.
enum ReportAnswer { AnswerOk = 1, AnswerCancel = 2, AnswerYes = 6, AnswerNo = 7 };

struct ReportBox {
    QString title;
    QString text;
    ReportIcon icon = ReportIcon::Exclamation;
    ReportButtons buttons = ReportButtons::Ok;
    bool secondIsDefault = false;
    // When nobody is at the keyboard: the box closes by itself after this many seconds with
    // leftAloneAnswer (0 seconds: it waits for the player).
    int leftAloneSeconds = 0;
    ReportAnswer leftAloneAnswer = AnswerOk;
};

// Everything the game asks of the outside world. QtHost is the real one; SimHost (tests) runs
// the same game on virtual time.
class Host {
public:
    Host();
    virtual ~Host() = default;
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // The classic system timer: seconds since midnight with a fraction, wrapping at 86400.
    virtual double SecondsSinceMidnight() = 0;
    // Milliseconds on a clock that never jumps back; every wait measures with it.
    virtual qint64 NowMs() = 0;
    // Yield to the event loop once: deliver due timers and pending input, then return. When
    // nothing is pending, sleep until something is, or until wakeAtMs when it is given.
    virtual void Pump(qint64 wakeAtMs = -1) = 0;

    // A modal report box. A question (YesNo) is answered only by its buttons: neither Esc nor
    // closing the box answers it.
    virtual int ShowReport(const ReportBox& box) = 0;
    // The open-file dialog; returns the chosen file's full path, or empty text when cancelled.
    virtual QString ChooseOpenFile(const QString& folder, const QString& filter) = 0;

    // Sounds and tunes by file path; both play once, asynchronously. Sounds have four slots,
    // -1 to 2: slot 0 plays the effects, and a new sound cuts off the one still playing; the
    // others hold the placeholder that InitSound loads into every slot.
    virtual void InitSound(const QString& placeholderPath) = 0;
    virtual void PlaySound(const QString& path) = 0;
    virtual void StopSound(int slot) = 0;
    virtual void PlayMusic(const QString& path) = 0;
    virtual void StopMusic() = 0;

    // The platform's time-of-day format (QTime's notation), which the clock of play follows.
    virtual QString TimeFormat() = 0;
    // One line for whoever looks after the game: a file that could not be written, a broken
    // talk. The player is told through reports, not here.
    virtual void Diagnostic(const QString& line) = 0;

    virtual QString Environment(const QString& name) = 0;
    // The folder holding the program and its assets, ending in "/".
    virtual QString ProgramFolder() = 0;
    virtual bool ClaimSingleInstance() = 0;
    // Ends the program from wherever it is, nested waits included.
    [[noreturn]] void Terminate() {
        Exit();
        std::abort();  // not reached; compilers do not carry [[noreturn]] through a virtual call
    }

    Scheduler& Timers() { return scheduler; }

protected:
    // Terminate's work: ends the process, or unwinds to whoever drives the game. Never returns.
    [[noreturn]] virtual void Exit() = 0;

private:
    Scheduler scheduler;
};

inline Host::Host() : scheduler([this] { return NowMs(); }) {}

}  // namespace kirune
