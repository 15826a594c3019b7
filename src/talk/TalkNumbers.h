#pragma once

namespace kirune::TalkNo {

// Every talk the game asks for by number; docs/talks.md says what each must do.

// Shared by every partner.
inline constexpr int AfterLast = 0;      // the talk stored after the last one read
inline constexpr int Pause = 1211;       // a click, or the wait runs out
inline constexpr int ClearTitle = 1212;  // the title's boxes close
inline constexpr int ThenClose = 1213;   // read, then every box closes
inline constexpr int LastWords = 1223;   // the partner's last words stay a moment, then close
inline constexpr int PartnerMenu = 1231, PartnerChosen = 1232, NameConfirmMenu = 1243;
inline constexpr int Welcome = 1301, ClickToBegin = 1302, FirstVisit = 1311, Returning = 1312,
                     ChoosePartner = 1321;
inline constexpr int AskName = 1331, NameOffered = 1332, NameRepeated = 1333;
inline constexpr int FirstGreeting = 1401, FirstGreetingKana = 1421, ReturningGreeting = 1501;
inline constexpr int EndCalled = 1601, EndMenu = 1615, StopClosing = 1731;
inline constexpr int NoOtherStage = 1801, ChangeMenu = 1915;
inline constexpr int CheckCalled = 2101, CheckMenu = 2115, CellsEmpty = 2121;
inline constexpr int Solved = 2401, AllSolvedClosing = 2525, NextMenu = 2535, NoMoreClosing = 2613;
inline constexpr int HintCalled = 2801, HintsClosing = 3011, TimeUpClosing = 3121, LeftAloneClosing = 3261;

inline constexpr int kShared[] = {
    Pause, ClearTitle, ThenClose, LastWords, PartnerMenu, PartnerChosen, NameConfirmMenu, Welcome, ClickToBegin,
    FirstVisit, Returning, ChoosePartner, AskName, NameOffered, NameRepeated, FirstGreeting, FirstGreetingKana,
    ReturningGreeting, EndCalled, EndMenu, StopClosing, NoOtherStage, ChangeMenu, CheckCalled, CheckMenu, CellsEmpty,
    Solved, AllSolvedClosing, NextMenu, NoMoreClosing, HintCalled, HintsClosing, TimeUpClosing, LeftAloneClosing};

// Each partner's own lines: the family's base plus the partner (1 姉, 2 兄, 3 母, 4 父); member
// m of a family lies 4 × m further on.
struct Family {
    int base;
    int members = 1;
};

inline constexpr Family GreetAlphabet{1410}, GreetKana{1430}, GreetReturning{1510};
inline constexpr Family GreetResumed{1520};  // after the greeting: the board is as it was left
inline constexpr Family AskStop{1610}, StopReply{1700, 3}, StopGoodbye{1720};  // reply: no answer, stop, stay
inline constexpr Family NoStageLeft{1900, 2};                                  // the first time, later
inline constexpr Family AskChange{1910}, ChangeReply{2000, 3};
inline constexpr Family AskCheck{2110}, CheckReply{2200, 7};  // by the check's verdict
inline constexpr Family SweepStarts{2300};
inline constexpr Family SolvedCheer{2500, 2};  // at the first check, after more
inline constexpr Family AllSolvedCheer{2510}, AllSolvedGoodbye{2520};
inline constexpr Family AskNext{2530}, NextReply{2600, 3};
inline constexpr Family StillWrong{2700, 4};  // after the first, second, third, later check
inline constexpr Family Hint{2900, 23};       // by the hint's kind
inline constexpr Family HintsGoodbye{3000};
inline constexpr Family TimeUp{3100}, TimeUpGoodbye{3110};
inline constexpr Family Remark{3200, 11};  // by the remark's kind; the last is "are you there?"
inline constexpr Family LeftAloneGoodbye{3250};

inline constexpr Family kFamilies[] = {GreetAlphabet, GreetKana,        GreetReturning, GreetResumed, AskStop,      StopReply,
                                       StopGoodbye,   NoStageLeft,      AskChange,      ChangeReply,  AskCheck,
                                       CheckReply,    SweepStarts,      SolvedCheer,    AllSolvedCheer, AllSolvedGoodbye,
                                       AskNext,       NextReply,        StillWrong,     Hint,         HintsGoodbye,
                                       TimeUp,        TimeUpGoodbye,    Remark,         LeftAloneGoodbye};

// Member m of a family for partner 1..4.
constexpr int Of(Family family, int partner, int member = 0) { return family.base + 4 * member + partner; }

}  // namespace kirune::TalkNo
