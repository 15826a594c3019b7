#include "talk/TalkEngine.h"

namespace kirune {

namespace {

struct Question {
    int talk;
    const char16_t* title;
    const char16_t* text;
};

// Menus whose item 2 must stay reachable until the menu box exists.
constexpr Question kQuestions[] = {
    {1615, u"選択：ゲームの終了", u"ゲームを終了しますか？"},
    {1915, u"選択：問題の変更", u"別の問題に変えますか？"},
    {2115, u"選択：答え合わせ", u"答え合わせをしますか？"},
    {2535, u"選択：次の問題", u"次の問題に進みますか？"},
};

}  // namespace

TalkEngine::TalkEngine(Host& host) : host(host) {
    TalkVar[1] = QStringLiteral("お姉ちゃん");
    TalkVar[2] = QStringLiteral("お兄ちゃん");
    TalkVar[3] = QStringLiteral("お母さん");
    TalkVar[4] = QStringLiteral("お父さん");
    TalkVar[0] = QStringLiteral("おかえり、");
}

void TalkEngine::Talk(int number) {
    History.append(number);
    TalkWaitResult = 11;
    for (const Question& q : kQuestions)
        if (q.talk == number) {
            const ReportBox box{QString::fromUtf16(q.title), QString::fromUtf16(q.text), ReportIcon::Information,
                                ReportButtons::YesNo, false};
            TalkAnswer = host.ShowReport(box) == AnswerYes ? 1 : 2;
            return;
        }
    if (number == 1231 || number == 1243)
        TalkAnswer = 1;
}

}  // namespace kirune
