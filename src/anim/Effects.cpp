#include "anim/Anim.h"
#include "host/Wait.h"

#include <QPainter>

#include <cmath>

namespace kirune {

namespace {

// By size or speed number 1..5.
constexpr int kRiseSize[6] = {0, 16, 24, 32, 48, 64};
constexpr int kRiseGrowth[6] = {0, 40, 60, 80, 100, 120};
constexpr int kSlideSize[6] = {0, 8, 12, 18, 27, 40};
constexpr int kSlideStep[6] = {0, 1, 2, 4, 8, 16};
constexpr int kShakeAmplitude[6] = {0, 3, 6, 9, 12, 15};
constexpr double kShakePause[6] = {0, 0.3, 0.2, 0.1, 0.05, 0.001};

int Number(int n) { return std::clamp(n, 1, 5); }

}  // namespace

quint32 EffectColor(int number) {
    constexpr quint32 colors[9] = {0xFFFFFF, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF,
                                   0xFF00FF, 0x00FFFF, 0xFFFFFF, 0x000000};
    return colors[number >= 1 && number <= 8 ? number : 0];
}

QSize Anim::LabelSize(int points) const {
    const QString& text = shown.lblWordEf[1].Text;
    if (MeasureText)
        return MeasureText(text, points);
    const int px = int(std::lround(points * 96.0 / 72.0));
    return QSize(int(text.size()) * px, px * 5 / 4);
}

void Anim::InitWordEffects() {
    shadowOffset = 2;
    ResetLabels();
}

void Anim::ResetLabels() {
    for (WordLabel& label : shown.lblWordEf)
        label = WordLabel{};
    Changed();
}

void Anim::PlacePair(int x, int y) {
    shown.lblWordEf[0].X = x + shadowOffset;
    shown.lblWordEf[0].Y = y + shadowOffset;
    shown.lblWordEf[1].X = x;
    shown.lblWordEf[1].Y = y;
}

void Anim::RiseWord(const QString& text, int colour, int size, int speed) {
    if (size != 0)
        effectSettings.riseSize = size;
    if (colour != 0)
        effectSettings.riseColour = colour;
    if (speed != 0)
        effectSettings.riseSpeed = speed;
    const int S = kRiseSize[Number(effectSettings.riseSize)];
    const int E = S + kRiseGrowth[Number(effectSettings.riseSpeed)];
    const int k = Number(effectSettings.riseSpeed);
    for (WordLabel& label : shown.lblWordEf) {
        label.PointSize = S;
        label.Text = text;
        label.OnSpotStage = shown.SpotVisible;
    }
    shown.lblWordEf[0].Color = 0xFFFFFF;
    shown.lblWordEf[1].Color = EffectColor(effectSettings.riseColour);
    int y = shown.StageH / 2;
    int x = (shown.StageW - LabelSize(S).width()) / 2;
    PlacePair(x, y);
    shown.lblWordEf[0].Visible = shown.lblWordEf[1].Visible = true;
    Changed();
    for (int f = S; f <= E; f += k) {
        Wait(host, 0.05);
        y -= 10;
        x = (shown.StageW - LabelSize(shown.lblWordEf[1].PointSize).width()) / 2;
        shown.lblWordEf[0].PointSize = shown.lblWordEf[1].PointSize = f;
        PlacePair(x, y);
        Changed();
        if (y + LabelSize(f).height() < 0)
            break;
    }
    ResetLabels();
}

void Anim::SlideWord(const QString& text, int direction, int colour, int size, int speed) {
    if (colour != 0)
        effectSettings.slideColour = colour;
    if (size != 0)
        effectSettings.slideSize = size;
    if (speed != 0)
        effectSettings.slideSpeed = speed;
    const int points = kSlideSize[Number(effectSettings.slideSize)];
    const int p = kSlideStep[Number(effectSettings.slideSpeed)];
    for (WordLabel& label : shown.lblWordEf) {
        label.PointSize = points;
        label.Text = text;
        label.OnSpotStage = false;
    }
    shown.lblWordEf[0].Color = 0xFFFFFF;
    shown.lblWordEf[1].Color = EffectColor(effectSettings.slideColour);
    const QSize size1 = LabelSize(points);
    const int W1 = size1.width(), H1 = size1.height();
    int x = 0, y = 0, n = 0;
    switch (direction) {
    case 2: x = (shown.StageW - W1) / 2; y = -8; n = ((shown.StageH - H1) / 2) / p; break;
    case 8: x = (shown.StageW - W1) / 2; y = (shown.StageH - H1) + 8; n = ((shown.StageH - H1) / 2) / p; break;
    case 4: x = (shown.StageW - W1) + 64; y = (shown.StageH - H1) / 2; n = 3 * (((shown.StageW - W1) / 2) / p); break;
    case 6: x = -64; y = (shown.StageH - H1) / 2; n = 3 * (((shown.StageW - W1) / 2) / p); break;
    default: break;
    }
    PlacePair(x, y);
    shown.lblWordEf[0].Visible = shown.lblWordEf[1].Visible = true;
    Changed();
    for (int i = 0; i < n; ++i) {
        Wait(host, 0.05);
        switch (direction) {
        case 2: y += p; break;
        case 8: y -= p; break;
        case 4: x -= p; break;
        case 6: x += p; break;
        default: break;
        }
        PlacePair(x, y);
        Changed();
    }
    ResetLabels();
}

void Anim::ShakeStage(int kind, int amplitude, int speed) {
    if (amplitude != 0)
        effectSettings.shakeAmplitude = amplitude;
    if (speed != 0)
        effectSettings.shakeSpeed = speed;
    const int A = kShakeAmplitude[Number(effectSettings.shakeAmplitude)];
    const double D = kShakePause[Number(effectSettings.shakeSpeed)];
    StopAnim();
    shown.picWork = shown.picStage.copy();
    shown.WorkX = shown.WorkY = 0;
    shown.WorkVisible = true;
    Changed();
    const qint64 end = host.NowMs() + 1000;
    while (host.NowMs() < end) {
        const int dx = int(A * Rnd()) - (A / 2 - 1);
        const int dy = int(A * Rnd()) - (A / 2 - 1);
        if (kind == 28 || kind == 2468)
            shown.WorkY = dy;
        if (kind == 46 || kind == 2468)
            shown.WorkX = dx;
        Changed();
        Wait(host, D);
    }
    StartAnim();
    shown.WorkVisible = false;
    shown.WorkX = shown.WorkY = 0;
    shown.picWork = QImage();
    Changed();
}

void Anim::WipeStage(int kind, int colour, double pause) {
    if (colour != 0)
        effectSettings.wipeColour = colour;
    const QColor c = QColor::fromRgb(QRgb(0xFF000000u | EffectColor(effectSettings.wipeColour)));
    StopAnim();
    for (int pass = 0; pass < 8; ++pass) {
        {
            // Drawn on the stage as it stands: the next animation tick paints over the lines.
            stageDirty = true;
            QPainter p(&shown.picStage);
            p.setPen(c);
            if (kind == 28)
                for (int x = pass; x - pass <= shown.StageW; x += 8)
                    p.drawLine(x, 0, x, shown.StageH);
            else if (kind == 46)
                for (int y = pass; y - pass <= shown.StageH; y += 8)
                    p.drawLine(0, y, shown.StageW, y);
        }
        Changed();
        Wait(host, pause);
    }
    StartAnim();
}

void Anim::InitSpotStage() {
    shown.SpotVisible = false;
    shown.picSpotStage = QImage();
    Changed();
}

void Anim::HideSpotStage() {
    shown.SpotVisible = false;
    Changed();
    StartAnim();
}

void Anim::ZoomStage(int cx, int cy, int percentage, int direction) {
    StartAnim();
    if (percentage != 0)
        effectSettings.zoomPercentage = percentage;
    const int P = effectSettings.zoomPercentage;
    if (direction == -1)
        direction = effectSettings.zoomDirection == 0 ? 1 : 0;
    effectSettings.zoomDirection = direction;
    shown.SpotVisible = true;
    Changed();
    auto step = [&](int z) {
        const int w = int(std::nearbyint(shown.StageW * 100.0 / z));
        const int h = int(std::nearbyint(shown.StageH * 100.0 / z));
        int sx = int(std::nearbyint(cx - w / 2.0));
        int sy = int(std::nearbyint(cy - h / 2.0));
        sx = sx < 0 ? 0 : std::min(sx, shown.StageW - w);
        sy = sy < 0 ? 0 : std::min(sy, shown.StageH - h);
        zoomRect = QRect(sx, sy, w, h);
        shown.picSpotStage = shown.picStage.copy(zoomRect).scaled(shown.StageW, shown.StageH);
        Changed();
        host.Pump();
    };
    if (direction == 1)
        for (int z = 101; z <= P; ++z)
            step(z);
    else if (direction == 0)
        for (int z = P - 1; z >= 100; --z)
            step(z);
    StopAnim();
}

}  // namespace kirune
