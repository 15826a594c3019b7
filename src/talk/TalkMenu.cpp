#include "talk/TalkEngine.h"

#include <cmath>

namespace kirune {

void TalkEngine::ShowMenu(const QString& choices) {
    MenuView& menu = view.Menu;
    const QStringList items = choices.split(u'／');
    menu.Count = int(std::min<qsizetype>(items.size(), 9));
    for (int i = 1; i <= menu.Count; ++i)
        menu.Caption[i] = items[i - 1];
    menu.Height = menu.Count * menu.Pitch + 2 * menu.MarginY;
    // Long menus are raised so they keep within the window.
    menu.Top = homeTop + marginY - std::max(0, menu.Count - 5) * menu.Pitch;
    menu.Visible = true;
    ViewChanged();
}

void TalkEngine::HideMenu() {
    MenuView& menu = view.Menu;
    menu.Visible = false;
    for (int i = 1; i <= 9; ++i) {
        menu.TextColor[i] = 0xFFFFFF;
        menu.Opaque[i] = false;
    }
    highlighted = 0;
    ViewChanged();
}

void TalkEngine::OnMenuHover(int item) { hoverItem = item >= 1 && item <= view.Menu.Count ? item : 0; }

void TalkEngine::HoverCheck(bool polling) {
    MenuView& menu = view.Menu;
    if (highlighted) {
        menu.Opaque[highlighted] = false;
        highlighted = 0;
    }
    if (polling && hoverItem) {
        menu.Opaque[hoverItem] = true;
        highlighted = hoverItem;
    }
    ViewChanged();
}

QString ToFullWidth(const QString& text) {
    // Half-width katakana in code order from U+FF61, and the voiced forms that a following
    // U+FF9E or U+FF9F makes of them.
    static const QString kana = QStringLiteral(
        "。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン゛゜");
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (u == u' ') {
            out += QChar(0x3000);
        } else if (u > 0x20 && u < 0x7F) {
            out += QChar(char16_t(u + 0xFEE0));
        } else if (u >= 0xFF61 && u <= 0xFF9F) {
            QChar full = kana[u - 0xFF61];
            const char16_t mark = i + 1 < text.size() ? text[i + 1].unicode() : 0;
            if (mark == 0xFF9E && (QStringLiteral("カキクケコサシスセソタチツテトハヒフヘホ").contains(full) || full == u'ウ')) {
                full = full == u'ウ' ? QChar(u'ヴ') : QChar(char16_t(full.unicode() + 1));
                ++i;
            } else if (mark == 0xFF9F && QStringLiteral("ハヒフヘホ").contains(full)) {
                full = QChar(char16_t(full.unicode() + 2));
                ++i;
            }
            out += full;
        } else {
            out += QChar(u);
        }
    }
    return out;
}

int TypedNumber(const QString& raw, const QString& fullWidth) {
    if (fullWidth.isEmpty() || fullWidth.size() > 7)
        return 0;
    // The leading number of the text, as written; only its canonical form counts.
    qsizetype i = 0;
    QString number;
    if (i < raw.size() && (raw[i] == u'-' || raw[i] == u'+'))
        number += raw[i++];
    while (i < raw.size() && (raw[i].isDigit() || raw[i] == u'.') && raw[i].unicode() < 0x80)
        number += raw[i++];
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!ok)
        return 0;
    const QString canonical = value == std::floor(value) ? QString::number(qint64(value)) : QString::number(value, 'g', 15);
    if (ToFullWidth(canonical) != fullWidth)
        return 0;
    return int(std::nearbyint(value));
}

bool TalkEngine::ReadInput(bool refocus) {
    InputView& input = view.Input;
    inputText = ToFullWidth(input.Text);
    if (inputText.isEmpty()) {
        if (refocus) {
            ++input.FocusRequests;
            ViewChanged();
        }
        return false;
    }
    Print(inputText);
    input.Visible = false;
    talkAnswer = TypedNumber(input.Text, inputText);
    ViewChanged();
    return true;
}

}  // namespace kirune
