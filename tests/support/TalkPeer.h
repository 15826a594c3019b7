#pragma once

#include "talk/TalkEngine.h"

namespace kirune {

// A benchmark's way to one step of the talk engine with its script and phrase set by hand.
struct TalkPeer {
    static void TypewriterStep(TalkEngine& talk) { talk.TypewriterStep(); }
    static void InterpreterStep(TalkEngine& talk) { talk.InterpreterStep(); }
    static QString& Script(TalkEngine& talk) { return talk.talkScript; }
    static QString& Phrase(TalkEngine& talk) { return talk.talkPhrase; }
    static TalkBoxView& CurrentBox(TalkEngine& talk) { return talk.view.Box[talk.currentBox]; }
};

}  // namespace kirune
