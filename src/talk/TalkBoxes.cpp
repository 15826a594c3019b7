#include "talk/TalkEngine.h"

#include <cmath>

namespace kirune {

namespace {

int Round(double value) { return int(std::nearbyint(value)); }  // halves to even

struct BoxStyle {
    Rgb back, frame;
    bool bold, italic;
};

const BoxStyle kStyles[6] = {
    {0x000080, 0x000000, true, false},  // unused
    {0x00C000, 0x80FFFF, true, false},  {0xFF8000, 0xFFFF00, true, false}, {0x00C0C0, 0x80FF80, true, false},
    {0xC00000, 0xC0C0FF, true, false},  {0x0000C0, 0xFFFF00, false, true},
};

}  // namespace

bool TalkEngine::InitTalk(int left, int top) {
    waitLength = 5;
    lipSync = false;
    pause = {};
    const bool opened = data.Open(host.ProgramFolder() + QStringLiteral("Talk/"));
    for (QChar& speaker : boxSpeaker)
        speaker = QChar();
    for (QString& v : talkVar)
        v.clear();
    boxState[1] = boxState[2] = 0;
    boxLayout = 0;
    currentBox = 0;
    talkScript.clear();

    const int H = metrics.LineHeight, W = metrics.WideAdvance;
    gap = Round(0.2 * H);
    pitch = H + gap;
    marginX = Round(W / 2.0);
    marginY = Round(2.0 / 3.0 * H);
    newLineRoom = marginY - gap + pitch;
    closedHeight = 2 * marginY;
    openHeight = 3 * pitch - gap + 2 * marginY;
    frameHeight = 5 * pitch - gap + 2 * marginY;
    boxWidth = 12 * W + 2 * marginX;
    homeLeft = left;
    homeTop = top;
    asideLeft = homeLeft - Round(W * 0.5) - boxWidth;
    for (int i = 1; i <= 2; ++i) {
        TalkBoxView& box = view.Box[i];
        box = TalkBoxView{};
        box.Left = homeLeft;
        box.Top = homeTop;
        box.Width = boxWidth;
        box.Height = openHeight;
    }

    waitMode = WaitFor::Nothing;
    waitTimed = false;
    waitResult = WaitResult::None;
    talkAnswer = 0;
    inputText.clear();
    view.Input = InputView{};

    MenuView& menu = view.Menu;
    menu = MenuView{};
    const int mH = metrics.MenuLineHeight, mW = metrics.MenuWideAdvance;
    menu.Pitch = mH;
    menu.MarginX = Round(mW / 2.0);
    menu.MarginY = Round(2.0 / 3.0 * mH);
    menu.ItemWidth = 8 * mW;
    menu.Width = menu.ItemWidth + 2 * menu.MarginX;
    menu.Left = homeLeft + boxWidth - marginX;
    menu.Top = homeTop + marginY;
    menu.Height = 9 * menu.Pitch + 2 * menu.MarginY;
    for (Rgb& color : menu.TextColor)
        color = 0xFFFFFF;
    ViewChanged();
    return opened;
}

void TalkEngine::ClearTalkers() { talkers.clear(); }

void TalkEngine::AddTalker(const QString& name, int style, const QString& voice, int, int, int, int, int sprite) {
    if (name.isEmpty())
        return;
    const Talker entry{name[0], style, voice, sprite};
    size_t number = 0;
    for (size_t i = 0; i < talkers.size(); ++i)
        if (talkers[i].Name == entry.Name)
            number = i + 1;
    if (number)
        talkers[number - 1] = entry;
    else
        talkers.push_back(entry), number = talkers.size();
    if (number <= 2)
        StyleBox(int(number), entry.Name);
}

const Talker* TalkEngine::Find(QChar name) const {
    for (const Talker& t : talkers)
        if (t.Name == name)
            return &t;
    return nullptr;
}

void TalkEngine::StyleBox(int i, QChar name) {
    boxSpeaker[i] = name;
    const Talker* talker = Find(name);
    TalkBoxView& box = view.Box[i];
    const int style = talker ? talker->Style : 0;
    if (style >= 1 && style <= 5) {
        box.Back = kStyles[style].back;
        box.Frame = kStyles[style].frame;
        box.Bold = kStyles[style].bold;
        box.Italic = kStyles[style].italic;
    } else {
        box.Frame = 0x000000;
    }
    ViewChanged();
}

void TalkEngine::SpeakAs(QChar name) {
    if (const Talker* talker = Find(name))
        effect.PlaySound(talker->Voice);
    const int other = currentBox == 1 ? 2 : 1;
    auto openOther = [&] {
        currentBox = other;
        if (boxSpeaker[currentBox] != name)
            StyleBox(currentBox, name);
        OpenBox(currentBox);
    };
    switch (boxLayout) {
    case 0:
        currentBox = boxSpeaker[1] == name ? 1 : 2;
        if (boxSpeaker[currentBox] != name)
            StyleBox(currentBox, name);
        OpenBox(currentBox);
        boxLayout = 1;
        break;
    case 1:
        if (boxSpeaker[currentBox] == name) {
            NewLine();
            return;
        }
        SlideAside(currentBox);
        openOther();
        boxLayout = 3;
        break;
    case 2:
        if (boxSpeaker[currentBox] == name) {
            view.Box[currentBox].Visible = false;
            OpenBox(currentBox);
            boxLayout = 1;
        } else {
            openOther();
            boxLayout = 3;
        }
        break;
    default:
        if (boxSpeaker[currentBox] == name) {
            NewLine();
            return;
        }
        view.Box[other].Visible = false;
        boxState[other] = 0;
        SlideAside(currentBox);
        openOther();
        boxLayout = 3;
        break;
    }
    boxState[currentBox] = 1;
}

void TalkEngine::OpenBox(int i) {
    TalkBoxView& box = view.Box[i];
    box.Runs.clear();
    box.Top = homeTop;
    box.Left = homeLeft;
    box.CurrentX = marginX;
    box.CurrentY = marginY;
    box.Height = closedHeight;
    box.Visible = true;
    for (int h = closedHeight; h <= openHeight; h += 2 * Factor()) {
        box.Height = h;
        ViewChanged(true);
    }
    box.Height = openHeight;
    ViewChanged(true);
}

void TalkEngine::RollUp(int i) {
    TalkBoxView& box = view.Box[i];
    for (int h = box.Height; h >= closedHeight; h -= 4 * Factor()) {
        if (h != box.Height)
            box.Top += 4 * Factor();
        box.Height = h;
        ViewChanged(true);
    }
}

void TalkEngine::SlideAside(int i) {
    TalkBoxView& box = view.Box[i];
    const int step = 3 * Factor();
    const int steps = (homeLeft - asideLeft) / step + 1;
    for (int s = 0; s < steps; ++s) {
        box.Left -= step;
        ViewChanged(true);
    }
    box.Left = asideLeft;
    boxState[i] = 2;
    ViewChanged(true);
}

void TalkEngine::NewLine() {
    if (currentBox == 0)
        return;
    TalkBoxView& box = view.Box[currentBox];
    box.CurrentX = marginX;
    box.CurrentY += pitch;
    const int needed = box.CurrentY + newLineRoom;
    if (needed > box.Height) {
        for (int h = box.Height + 1; h <= needed; h += 2 * Factor()) {
            box.Height = h;
            ViewChanged(true);
        }
    }
    ViewChanged();
}

void TalkEngine::CloseBox(int i) {
    if (boxLayout == 0 || i < 1 || i > 2) {
        currentBox = 0;
        return;
    }
    RollUp(i);
    view.Box[i].Visible = false;
    boxState[i] = 0;
    if (boxLayout == 3) {
        currentBox = i == 1 ? 2 : 1;
        boxLayout = boxState[currentBox] == 2 ? 2 : 1;
    } else {
        currentBox = 0;
        boxLayout = 0;
    }
    ViewChanged(true);
}

void TalkEngine::Print(const QString& text) {
    if (currentBox == 0)
        return;
    TalkBoxView& box = view.Box[currentBox];
    // Printing over the same spot replaces what stood there: the blinking prompt draws and
    // erases itself in one place.
    auto& runs = box.Runs;
    runs.erase(std::remove_if(runs.begin(), runs.end(),
                              [&](const PrintedRun& r) { return r.X == box.CurrentX && r.Y == box.CurrentY && r.Text == text; }),
               runs.end());
    runs.push_back({box.CurrentX, box.CurrentY, text, box.TextColor});
    for (QChar ch : text)
        box.CurrentX += metrics.Advance ? metrics.Advance(ch) : (ch.unicode() < 0x80 ? metrics.WideAdvance / 2 : metrics.WideAdvance);
    ViewChanged();
}

}  // namespace kirune
