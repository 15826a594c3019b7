#pragma once

#include "effect/Effect.h"
#include "host/Host.h"
#include "talk/TalkData.h"
#include "talk/TalkView.h"

#include <QList>

#include <optional>
#include <vector>

namespace kirune {

struct MarkupToken;
struct MarkupFault;

struct Talker {
    QChar Name;
    int Style = 1;
    QString Voice;
    int Sprite = 0;
};

// Numbered talks in a small mark-up: talkers speaking into two speech boxes with typewriter
// text, menus, an input line and waits for the player. One step per tick of tmrTalk.
class TalkEngine {
public:
    TalkEngine(Host& host, Effect& effect);

    GameTimer tmrTalk;
    GameTimer tmrTalkCursorBlink;

    QString TalkVar[11];  // 10 holds the player's name
    int TalkAnswer = 0;
    QString TalkInputText;
    // How the last wait ended; the story sets None itself before it watches for the end.
    enum class WaitResult { None, Waiting, TimedOut, Answered };
    WaitResult TalkWaitResult = WaitResult::None;

    QString TalkScript;
    QString TalkPhrase;
    // What the open wait takes: "▼" a click on the box, "◆" a typed answer, "★" a menu choice;
    // their timed twins "▽", "◇" and "☆" also end by themselves.
    enum class WaitFor { Nothing, Click, Input, Menu };
    WaitFor WaitMode = WaitFor::Nothing;
    bool WaitTimed = false;
    int CurrentTalk = 0;
    QList<int> History;  // the talk numbers asked for, in order
    int MalformedStops = 0;  // talks cut short as malformed (each is reported on stderr)

    TalkMetrics Metrics;
    TalkView View;
    int OSPlatform = 2;
    std::function<void(int sprite, int pose)> SetSpritePose;

    // Sets up boxes, menu and input line at the boxes' home position and opens the talk files.
    // False when the talk files cannot be opened.
    bool InitTalk(int left, int top);
    void StartTalk();
    void EndTalk();
    void SetWaitLength(int seconds) { waitLength = seconds; }
    // Runs talk n (n <= 0: the talk after the last one read) and returns when it is taken up.
    void Talk(int number);
    void TalkText(const QString& script);

    void ClearTalkers();
    void AddTalker(const QString& name, int style, const QString& voice, int n1, int n2, int n3, int n4,
                   int sprite);
    void SpeakAs(QChar name);
    void NewLine();
    void CloseBox(int box);
    int BoxLayout = 0;
    int CurrentBox = 0;
    int BoxState[3] = {};
    QChar BoxSpeaker[3];

    void ShowMenu(const QString& choices);
    void HideMenu();

    // The player's answers, from the main window.
    void OnTalkBoxClick(int box);
    void OnMenuClick(int item);
    void OnMenuHover(int item);  // 0 when the pointer left the items
    void OnInputConfirm();

    void InterpreterStep();
    void TypewriterStep();

private:
    void OnTalkTick();
    // The interpreter's tokens and commands, one handler each.
    void Run(const MarkupToken& token);
    void Refuse(const MarkupFault& fault);
    void StartPhrase(const MarkupToken& phrase);
    void RunCommand(QChar c);
    void SetVariables(const QStringList& pieces);
    void CloseEverything();
    void Await(WaitFor kind, bool timed);
    void AwaitAnswer();
    void OnBlinkTick();
    bool PauseRunning();
    void BeginWait();
    void EndWait(WaitResult result);
    void Answer(int value);
    void TimeOut();
    void PromptBlink(bool ending);
    void HoverCheck(bool polling);
    // Takes the typed answer; false when it is empty (the field then takes the focus again,
    // unless the wait ran out).
    bool ReadInput(bool refocus = true);
    void Print(const QString& text);
    std::optional<QString> Substitute(const QString& text);
    void Malformed(const QString& why);
    const Talker* Find(QChar name) const;
    void StyleBox(int box, QChar name);
    void OpenBox(int box);
    void RollUp(int box);
    void SlideAside(int box);
    int Factor() const { return OSPlatform == 1 ? 2 : 1; }

    Host& host;
    Effect& effect;
    TalkData data;
    std::vector<Talker> talkers;

    int waitLength = 5;
    int timeoutLimit = 0;
    int tickCount = 0;
    bool busy = false;
    struct Pause {
        bool running = false;
        bool awaitingMidnight = false;  // the end lies past midnight, which has not come yet
        double start = 0, end = 0;      // seconds since midnight
    } pause;
    bool lipSync = false;
    int lipSprite = 0;
    int promptX = 0;
    Rgb promptColor = 0xFFFFFF;
    int promptPhase = 0;
    int hoverItem = 0;    // the item under the pointer
    int highlighted = 0;  // the item with the red bar

    // Box metrics.
    int gap = 0, pitch = 0, marginX = 0, marginY = 0, newLineRoom = 0;
    int closedHeight = 0, openHeight = 0, frameHeight = 0, boxWidth = 0;
    int homeLeft = 0, homeTop = 0, asideLeft = 0;
};

// The typed answer in full-width form; half-width katakana become full-width katakana.
QString ToFullWidth(const QString& text);
// The number a typed answer stands for: its value when the text is exactly the canonical
// decimal form of a number of at most seven characters, else 0.
int TypedNumber(const QString& raw, const QString& fullWidth);

}  // namespace kirune
