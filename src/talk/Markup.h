#pragma once

#include "model/Result.h"

#include <QString>
#include <QStringList>
#include <QStringView>

namespace kirune {

// The talk mark-up, read one token at a time: by the talk engine as it runs a talk and by talkc
// as it checks the talk source, so that both read it alike.

// Stand for variables in phrases and menus, each at most once in one text: ㊥ for the variable
// the last menu answer names, ◎ and ① to ⑩ for variables 0 to 10.
inline constexpr QStringView kPlaceholders = u"㊥◎①②③④⑤⑥⑦⑧⑨⑩";

enum class TokenKind {
    Phrase,      // a talker and its text in 〈〉, or in 《》 to move the talker's mouth
    Variables,   // 【…】: the pieces, split on ●, go to variables 0, 1, …
    Menu,        // 『…』: the items, split on ／
    WaitLength,  // ¶ and the one character after it
    Command,     // ⊿ × ※ ▼ ▽ ◆ ◇ ★ ☆
    End,         // ∴
};

struct MarkupToken {
    TokenKind kind = TokenKind::End;
    QChar lead;            // the talker or the command
    bool lipSync = false;  // a phrase in 《》
    QString text;          // what the brackets hold, or the wait length's character
    QStringList parts;     // the pieces of a variable list, the items of a menu
    qsizetype textAt = 0;  // where the text starts in the script
    qsizetype next = 0;    // where the next token starts
};

enum class MarkupError {
    TalkerWithoutBracket,  // no 〈 or 《 right after a talker
    NeverClosed,
    BracketWithoutTalker,  // 〈 or 《 with no registered talker before it
    UnknownCharacter,
};

struct MarkupFault {
    MarkupError kind = MarkupError::UnknownCharacter;
    qsizetype at = 0;  // the talker, the open bracket or the unknown character
    QChar talker;      // the talker of a broken phrase, else null
};

// The token that starts at `at` (inside the script); `talkers` holds the characters that open
// a phrase.
Result<MarkupToken, MarkupFault> ReadToken(QStringView script, qsizetype at, QStringView talkers);

}  // namespace kirune
