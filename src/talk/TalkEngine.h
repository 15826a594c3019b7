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
    std::function<void(int sprite, int pose)> SetSpritePose;
    // The window repaints the talk layer on this call; repaintNow: a step of a box animation that
    // must be on screen before the next one.
    std::function<void(bool repaintNow)> viewChanged;

    // How the last wait ended; the story clears it before it watches for the end.
    enum class WaitResult { None, Waiting, TimedOut, Answered };
    // What the open wait takes: "▼" a click on the box, "◆" a typed answer, "★" a menu choice;
    // their timed twins "▽", "◇" and "☆" also end by themselves.
    enum class WaitFor { Nothing, Click, Input, Menu };

    // The talk variables the mark-up prints; 10 holds the player's name.
    const QString& TalkVar(int k) const { return talkVar[k]; }
    void SetTalkVar(int k, const QString& text) { talkVar[k] = text; }
    // The last menu choice or typed number; 0 when none.
    int TalkAnswer() const { return talkAnswer; }
    void ClearAnswer() { talkAnswer = 0; }
    const QString& TalkInputText() const { return inputText; }
    void ClearInputText() { inputText.clear(); }
    WaitResult TalkWaitResult() const { return waitResult; }
    void ClearWaitResult() { waitResult = WaitResult::None; }

    const TalkView& View() const { return view; }
    const TalkMetrics& Metrics() const { return metrics; }
    void SetMetrics(const TalkMetrics& measured) { metrics = measured; }
    void SetPlatform(int os) { osPlatform = os; }
    const QString& TalkScript() const { return talkScript; }
    const QString& TalkPhrase() const { return talkPhrase; }
    WaitFor WaitMode() const { return waitMode; }
    int CurrentTalk() const { return currentTalk; }
    const QList<int>& History() const { return history; }  // the talk numbers asked for, in order
    int MalformedStops() const { return malformedStops; }  // talks cut short as malformed
    int BoxLayout() const { return boxLayout; }
    int CurrentBox() const { return currentBox; }
    int BoxState(int box) const { return boxState[box]; }

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

    // The player's answers, from the main window.
    void OnTalkBoxClick(int box);
    void OnMenuClick(int item);
    void OnMenuHover(int item);  // 0 when the pointer left the items
    void OnInputConfirm();
    void OnInputEdited(const QString& text) { view.Input.Text = text; }

private:
    friend struct TalkPeer;  // the step benchmarks
    void InterpreterStep();
    void TypewriterStep();
    void SpeakAs(QChar name);
    void NewLine();
    void CloseBox(int box);
    void ShowMenu(const QString& choices);
    void HideMenu();
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
    int Factor() const { return osPlatform == 1 ? 2 : 1; }

    void ViewChanged(bool repaintNow = false) {
        if (viewChanged)
            viewChanged(repaintNow);
    }

    Host& host;
    Effect& effect;
    QString talkVar[11];
    int talkAnswer = 0;
    QString inputText;
    WaitResult waitResult = WaitResult::None;
    QString talkScript;
    QString talkPhrase;
    WaitFor waitMode = WaitFor::Nothing;
    bool waitTimed = false;
    int currentTalk = 0;
    QList<int> history;
    int malformedStops = 0;
    TalkMetrics metrics;
    TalkView view;
    int osPlatform = 2;
    int boxLayout = 0;
    int currentBox = 0;
    int boxState[3] = {};
    QChar boxSpeaker[3];
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
