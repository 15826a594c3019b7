#include "anim/Anim.h"

#include "library/Csv.h"

#include <algorithm>

namespace kirune {

void Anim::SetMood(const QString& word) {
    if (word.isEmpty())
        return;
    const int value = HeaderNumber(QStringView(word).mid(1));
    if (word[0] == u'=')
        Mood = value;
    else if (word[0] == u'+')
        Mood += value;
    else if (word[0] == u'-')
        Mood -= value;
    Mood = std::clamp(Mood, 1, 5);
}

void Anim::Say(int talkNumber, const QString& moodWord) {
    SetMood(moodWord);
    talk.Talk(talkNumber);
}

}  // namespace kirune
