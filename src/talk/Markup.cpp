#include "talk/Markup.h"

#include <algorithm>

namespace kirune {

namespace {

using Read = Result<MarkupToken, MarkupFault>;

constexpr QStringView kCommands = u"⊿×※▼▽◆◇★☆";
constexpr QChar kEndOfTalk(0x2234);  // "∴"

// A token of the characters from `at` to `next`; `text` starts at `textAt` if it holds any.
Read Token(TokenKind kind, QChar lead, qsizetype next, QString text = {}, qsizetype textAt = 0) {
    MarkupToken token;
    token.kind = kind;
    token.lead = lead;
    token.text = std::move(text);
    token.textAt = textAt;
    token.next = next;
    return {std::move(token), std::nullopt};
}

Read Fault(MarkupError kind, qsizetype at, QChar talker = {}) { return {{}, MarkupFault{kind, at, talker}}; }

// The text from the bracket at `open` up to `close`, split on `separator` if there is one; the
// token ends after the closing bracket.
Read Bracketed(QStringView script, TokenKind kind, QChar lead, qsizetype open, QChar close, QChar separator = {}) {
    const qsizetype from = open + 1;
    const qsizetype end = script.indexOf(close, from);
    if (end < 0)
        return Fault(MarkupError::NeverClosed, open, kind == TokenKind::Phrase ? lead : QChar());
    Read token = Token(kind, lead, end + 1, script.sliced(from, end - from).toString(), from);
    if (!separator.isNull())
        token.value.parts = token.value.text.split(separator);
    return token;
}

}  // namespace

Read ReadToken(QStringView script, qsizetype at, QStringView talkers) {
    const QChar lead = script[at];
    if (talkers.contains(lead)) {
        const QChar open = at + 1 < script.size() ? script[at + 1] : QChar();
        if (open != u'〈' && open != u'《')
            return Fault(MarkupError::TalkerWithoutBracket, at, lead);
        Read phrase = Bracketed(script, TokenKind::Phrase, lead, at + 1, open == u'〈' ? u'〉' : u'》');
        if (phrase)
            phrase.value.lipSync = open == u'《';
        return phrase;
    }
    switch (lead.unicode()) {
    case u'【': return Bracketed(script, TokenKind::Variables, lead, at, u'】', u'●');
    case u'『': return Bracketed(script, TokenKind::Menu, lead, at, u'』', u'／');
    case u'¶': {
        // The script may end before the length does.
        const qsizetype length = std::min<qsizetype>(1, script.size() - at - 1);
        return Token(TokenKind::WaitLength, lead, at + 1 + length, script.sliced(at + 1, length).toString(), at + 1);
    }
    case u'〈':
    case u'《': return Fault(MarkupError::BracketWithoutTalker, at);
    default: break;
    }
    if (lead == kEndOfTalk)
        return Token(TokenKind::End, lead, at + 1);
    if (kCommands.contains(lead))
        return Token(TokenKind::Command, lead, at + 1);
    return Fault(MarkupError::UnknownCharacter, at);
}

}  // namespace kirune
