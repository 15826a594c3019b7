#include "keypad/Keypad.h"

namespace kirune {

std::optional<QString> Keypad::SetKeypad(const QString& programFolder) {
    auto loaded = RomaKanaTable::Load(RomaKanaTablePath(programFolder));
    if (!loaded)
        return loaded.error;
    table = std::move(loaded.value);
    for (int i = 1; i <= kCells; ++i) {
        Roma[i].clear();
        Kana[i].clear();
        KanaWidth[i] = kNarrow;
        RomaVisible[i] = KanaVisible[i] = true;
    }
    // All ten in use, so that the first clearing empties every cell.
    CellsInUse = kCells;
    if (changed)
        changed();
    return std::nullopt;
}

void Keypad::ShowKeypad() {
    Shown = !Shown;
    if (changed)
        changed();
}

void Keypad::ClearDispKeyBuff() {
    if (CellsInUse == 0)
        return;
    for (int i = 1; i <= kCells; ++i) {
        Roma[i].clear();
        Kana[i].clear();
        KanaWidth[i] = kNarrow;
        RomaVisible[i] = KanaVisible[i] = i == 1;
    }
    Pending.clear();
    CellsInUse = 0;
    if (changed)
        changed();
}

QString Keypad::RomaKanaConvWChr(QChar key) {
    const QString keys = Pending + key;
    if (const KanaEntry* entry = table.Find(keys)) {
        Display(key, KeyMade::Kana, entry->Display);
        Pending.clear();
        return entry->Grid;
    }
    if (keys.size() == 2 && keys[0] == key && table.Doubling.contains(QString(key))) {
        // The doubled letter stands for a small "ッ" and begins the next syllable.
        Display(key, KeyMade::Doubled);
        Pending = QString(key);
        return QStringLiteral("ツ");
    }
    if (keys.size() == 3) {
        Display(key, KeyMade::Nothing);
        Pending.clear();
        return QString();
    }
    Pending = keys;
    Display(key, KeyMade::Begun);
    return QString();
}

void Keypad::Display(QChar key, KeyMade made, const QString& kana) {
    if (CellsInUse < kCells) {
        ++CellsInUse;
    } else {
        for (int i = 1; i < kCells; ++i) {
            Roma[i] = Roma[i + 1];
            Kana[i] = Kana[i + 1];
            KanaWidth[i] = KanaWidth[i + 1];
        }
        Roma[kCells].clear();
        Kana[kCells].clear();
        KanaWidth[kCells] = kNarrow;
    }
    const int c = CellsInUse;
    Roma[c] = QString(key);
    RomaVisible[c] = true;
    switch (made) {
    case KeyMade::Kana: ShowKana(c, kana); break;
    case KeyMade::Nothing: ShowKana(c, QStringLiteral("…？")); break;
    case KeyMade::Doubled:
        if (c > 1) {
            KanaWidth[c - 1] = kNarrow;
            Kana[c - 1] = QStringLiteral("ッ");
        }
        [[fallthrough]];
    case KeyMade::Begun:
        KanaWidth[c] = kWide;
        Kana[c].clear();
        KanaVisible[c] = true;
        break;
    }
    if (changed)
        changed();
}

void Keypad::ShowKana(int c, const QString& shown) {
    if (shown.size() == 1) {
        Kana[c] = shown;
        KanaVisible[c] = true;
    } else if (shown.size() == 2) {
        if (c > 1)
            Kana[c - 1] = shown.left(1);
        Kana[c] = shown.mid(1);
        KanaVisible[c] = true;
    }
}

void Keypad::BeginDrag() {
    animWasRunning = tmrAnim && tmrAnim->Enabled();
    if (animWasRunning)
        tmrAnim->SetEnabled(false);
}

void Keypad::EndDrag() {
    if (animWasRunning)
        tmrAnim->SetEnabled(true);
    animWasRunning = false;
}

}  // namespace kirune
