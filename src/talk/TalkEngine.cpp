#include "talk/TalkEngine.h"

#include "talk/Markup.h"


namespace kirune {

TalkEngine::TalkEngine(Host& host, Effect& effect)
    : tmrTalk(host.Timers(), 15, [this] { OnTalkTick(); }),
      tmrTalkCursorBlink(host.Timers(), 100, [this] { OnBlinkTick(); }),
      host(host),
      effect(effect) {}

void TalkEngine::StartTalk() {
    talkScript.clear();
    tmrTalk.SetEnabled(true);
}

void TalkEngine::EndTalk() {
    data.Close();
    talkScript.clear();
    tmrTalk.SetEnabled(false);
}

void TalkEngine::Talk(int number) {
    history.append(number);
    const auto text = data.Read(number);
    if (!text) {
        host.Diagnostic(QStringLiteral("the talk data holds no talk %1").arg(number));
        return;
    }
    currentTalk = number;
    TalkText(*text);
}

void TalkEngine::TalkText(const QString& text) {
    while (!talkScript.isEmpty())
        host.Pump();
    talkScript = text;
    // A script ending in a wait returns only once the player has answered.
    while (!talkScript.isEmpty() || busy)
        host.Pump();
}

void TalkEngine::OnTalkTick() {
    // A "§" pause holds the typewriter and the interpreter while every other timer goes on.
    // It is kept as an end time rather than waited out inside the step: a wait there would run
    // the other timers' handlers above it, and a talk one of them starts could never finish.
    if (PauseRunning())
        return;
    if (!talkPhrase.isEmpty())
        TypewriterStep();
    else if (!talkScript.isEmpty())
        InterpreterStep();
}

void TalkEngine::Malformed(const QString& why) {
    // Stop the talk rather than show a half-made text.
    host.Diagnostic(QStringLiteral("talk %1: %2; the rest of the talk is skipped").arg(currentTalk).arg(why));
    ++malformedStops;
    talkScript.clear();
    talkPhrase.clear();
}

std::optional<QString> TalkEngine::Substitute(const QString& text) {
    QString t = u'＿' + text + u'＿';
    for (int k = 0; k < kPlaceholders.size(); ++k) {
        const QChar placeholder = kPlaceholders[k];
        const qsizetype at = t.indexOf(placeholder);
        if (at < 0)
            continue;
        int variable = k == 0 ? talkAnswer : k - 1;
        if (variable < 0 || variable > 10) {
            Malformed(QStringLiteral("㊥ with the answer %1, which names no variable").arg(talkAnswer));
            return std::nullopt;
        }
        t.replace(at, 1, talkVar[variable]);
        if (t.contains(placeholder)) {
            Malformed(QStringLiteral("%1 stands more than once in \"%2\"").arg(placeholder).arg(text));
            return std::nullopt;
        }
    }
    return t.mid(1, t.size() - 2);
}

void TalkEngine::InterpreterStep() {
    if (busy)
        return;
    busy = true;
    QString names;
    for (const Talker& t : talkers)
        names += t.Name;
    const auto token = ReadToken(talkScript, 0, names);
    if (token) {
        talkScript.remove(0, token.value.next);
        Run(token.value);
    } else {
        Refuse(*token.error);
    }
    if (waitMode != WaitFor::Nothing)
        AwaitAnswer();
    busy = false;
}

void TalkEngine::Refuse(const MarkupFault& fault) {
    const QChar c = talkScript.at(fault.at);
    // A talker whose phrase is broken has taken its box by the time the talk stops.
    if (!fault.talker.isNull())
        SpeakAs(fault.talker);
    switch (fault.kind) {
    case MarkupError::TalkerWithoutBracket: Malformed(QStringLiteral("talker %1 without 〈 or 《").arg(c)); break;
    case MarkupError::NeverClosed: Malformed(QStringLiteral("%1 never closed").arg(c)); break;
    case MarkupError::BracketWithoutTalker: Malformed(QStringLiteral("%1 without a registered talker").arg(c)); break;
    case MarkupError::UnknownCharacter: talkScript.remove(0, 1); break;  // passed over, as blanks are
    }
}

void TalkEngine::Run(const MarkupToken& token) {
    switch (token.kind) {
    case TokenKind::Phrase: StartPhrase(token); break;
    case TokenKind::Variables: SetVariables(token.parts); break;
    case TokenKind::Menu:
        // Split after the substitution: a variable may bring items of its own.
        if (const auto choices = Substitute(token.text))
            ShowMenu(*choices);
        break;
    case TokenKind::WaitLength:
        if (!token.text.isEmpty())
            waitLength = token.text[0].isDigit() ? token.text[0].digitValue() : 0;
        break;
    case TokenKind::Command: RunCommand(token.lead); break;
    case TokenKind::End: break;
    }
}

void TalkEngine::StartPhrase(const MarkupToken& token) {
    SpeakAs(token.lead);
    const auto text = Substitute(token.text);
    if (!text)
        return;
    lipSync = token.lipSync;
    if (lipSync) {
        const Talker* speaker = Find(boxSpeaker[currentBox]);
        lipSprite = speaker ? speaker->Sprite : 0;
        if (SetSpritePose && lipSprite)
            SetSpritePose(lipSprite, 2);
    }
    talkPhrase = *text;
}

void TalkEngine::RunCommand(QChar c) {
    switch (c.unicode()) {
    case u'⊿': HideMenu(); break;
    case u'×': CloseBox(currentBox); break;
    case u'※': CloseEverything(); break;
    case u'▼': Await(WaitFor::Click, false); break;
    case u'▽': Await(WaitFor::Click, true); break;
    case u'◆': Await(WaitFor::Input, false); break;
    case u'◇': Await(WaitFor::Input, true); break;
    case u'★': Await(WaitFor::Menu, false); break;
    case u'☆': Await(WaitFor::Menu, true); break;
    default: break;
    }
}

void TalkEngine::SetVariables(const QStringList& pieces) {
    // Piece k goes to variable k; an empty piece leaves its variable as it was.
    for (int k = 0; k < pieces.size() && k <= 10; ++k)
        if (!pieces[k].isEmpty())
            talkVar[k] = pieces[k];
}

void TalkEngine::CloseEverything() {
    HideMenu();
    while (boxLayout != 0)
        CloseBox(currentBox);
}

void TalkEngine::Await(WaitFor kind, bool timed) {
    waitMode = kind;
    waitTimed = timed;
}

void TalkEngine::AwaitAnswer() {
    // The talk timer rests while the player answers; the script resumes where it stopped.
    tmrTalk.SetEnabled(false);
    BeginWait();
    while (waitMode != WaitFor::Nothing)
        host.Pump();
    waitLength = 5;
    tmrTalk.SetEnabled(true);
}

void TalkEngine::TypewriterStep() {
    const QChar c = talkPhrase.front();
    talkPhrase.remove(0, 1);
    if (c == u'　') {
        NewLine();
    } else if (c == u'§') {
        // Half a second on the seconds-since-midnight clock; an end past midnight is reached
        // once the clock has wrapped.
        pause.start = host.SecondsSinceMidnight();
        pause.end = pause.start + 0.5;
        pause.awaitingMidnight = pause.end >= 86400.0;
        if (pause.awaitingMidnight)
            pause.end -= 86400.0;
        pause.running = true;
    } else {
        Print(QString(c));
    }
    if (talkPhrase.isEmpty() && lipSync) {
        lipSync = false;
        if (SetSpritePose && lipSprite)
            SetSpritePose(lipSprite, 1);
    }
}

bool TalkEngine::PauseRunning() {
    if (!pause.running)
        return false;
    const double now = host.SecondsSinceMidnight();
    if (pause.awaitingMidnight) {
        if (now >= pause.start)
            return true;
        pause.awaitingMidnight = false;
    }
    pause.running = now < pause.end;
    return pause.running;
}

void TalkEngine::BeginWait() {
    waitResult = WaitResult::Waiting;
    switch (waitMode) {
    case WaitFor::Menu:
        timeoutLimit = 18 * waitLength;
        tmrTalkCursorBlink.SetInterval(50);
        tmrTalkCursorBlink.SetEnabled(true);
        break;
    case WaitFor::Input: {
        TalkBoxView& box = view.Box[currentBox];
        InputView& input = view.Input;
        input.Box = currentBox;
        input.Left = box.CurrentX;
        input.Top = box.CurrentY;
        input.Width = boxWidth - marginX - input.Left;
        input.Height = pitch - gap;
        input.Back = box.Back;
        input.TextColor = box.TextColor;
        input.Bold = box.Bold;
        input.Italic = box.Italic;
        input.Visible = true;
        ++input.FocusRequests;
        ViewChanged();
        if (waitTimed) {
            // The timed input waits like the timed click: wait length x 2 s on the 500 ms tick.
            timeoutLimit = 4 * waitLength;
            tmrTalkCursorBlink.SetInterval(500);
            tmrTalkCursorBlink.SetEnabled(true);
        }
        break;
    }
    case WaitFor::Click:
        promptX = view.Box[currentBox].CurrentX;
        promptColor = view.Box[currentBox].TextColor;
        timeoutLimit = 2 * waitLength;
        tmrTalkCursorBlink.SetInterval(500);
        tmrTalkCursorBlink.SetEnabled(true);
        break;
    case WaitFor::Nothing:
        break;
    }
    tickCount = 0;
}

void TalkEngine::EndWait(WaitResult result) {
    waitResult = result;
    waitMode = WaitFor::Nothing;
    waitTimed = false;
}

void TalkEngine::OnBlinkTick() {
    if (waitTimed && ++tickCount > timeoutLimit) {
        tickCount = 0;
        TimeOut();
        return;
    }
    if (waitMode == WaitFor::Menu)
        HoverCheck(true);
    else if (waitMode == WaitFor::Click)
        PromptBlink(false);
}

void TalkEngine::PromptBlink(bool ending) {
    if (currentBox == 0)
        return;
    TalkBoxView& box = view.Box[currentBox];
    promptPhase = ending ? 0 : 1 - promptPhase;
    if (promptPhase == 1) {
        box.TextColor = promptColor;
        Print(QStringLiteral("▼"));
    } else {
        box.CurrentX = promptX;
        box.TextColor = box.Back;
        Print(QStringLiteral("▼"));
        box.CurrentX = promptX;
        box.TextColor = promptColor;
    }
    ViewChanged();
}

void TalkEngine::Answer(int value) {
    switch (waitMode) {
    case WaitFor::Menu:
        tmrTalkCursorBlink.SetEnabled(false);
        HoverCheck(false);
        if (value >= 1 && value <= 9)
            view.Menu.TextColor[value] = 0xFFFF00;
        ViewChanged();
        talkAnswer = value;
        break;
    case WaitFor::Input:
        if (!ReadInput())
            return;
        tmrTalkCursorBlink.SetEnabled(false);
        break;
    case WaitFor::Click:
        if (value != currentBox)
            return;
        tmrTalkCursorBlink.SetEnabled(false);
        PromptBlink(true);
        break;
    case WaitFor::Nothing:
        return;
    }
    EndWait(WaitResult::Answered);
}

void TalkEngine::TimeOut() {
    tmrTalkCursorBlink.SetEnabled(false);
    switch (waitMode) {
    case WaitFor::Menu:
        talkAnswer = 0;
        break;
    case WaitFor::Click:
        PromptBlink(true);
        break;
    case WaitFor::Input:
        // What was typed by then counts as the answer.
        if (ReadInput(false)) {
            EndWait(WaitResult::Answered);
            return;
        }
        view.Input.Visible = false;
        ViewChanged();
        break;
    case WaitFor::Nothing:
        break;
    }
    EndWait(WaitResult::TimedOut);
}

void TalkEngine::OnTalkBoxClick(int box) {
    if (waitMode == WaitFor::Click)
        Answer(box);
}

void TalkEngine::OnMenuClick(int item) {
    if (waitMode != WaitFor::Menu)
        return;
    if (item >= 1 && item <= 9)
        view.Menu.Opaque[item] = true;
    Answer(item);
}

void TalkEngine::OnInputConfirm() {
    if (waitMode == WaitFor::Input)
        Answer(0);
}

}  // namespace kirune
