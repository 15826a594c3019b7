#include "ui/TalkWidgets.h"

#include "ui/Fonts.h"
#include "ui/StartupTrace.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace kirune {

namespace {

QColor ColorOf(Rgb rgb) { return QColor::fromRgb(QRgb(0xFF000000u | rgb)); }

QFont TalkFont(bool bold = true, bool italic = false) {
    QFont font = GameFont(kPGothic, 12, bold);
    font.setItalic(italic);
    return font;
}

QFont MenuFont() { return GameFont(kPGothic, 11); }

// The frame of a box: side lines and rounded top and bottom edges in the frame colour.
void DrawFrame(QPainter& p, QRect r, QColor color) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(color, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(r).adjusted(1, 1, -1, -1), 8, 8);
}

}  // namespace

TalkBoxWidget::TalkBoxWidget(TalkEngine& talk, int index, QWidget* parent)
    : QWidget(parent), talk(talk), index(index) {
    hide();
}

void TalkBoxWidget::Sync() {
    const TalkBoxView& box = talk.View().Box[index];
    setGeometry(box.Left, box.Top, box.Width, box.Height);
    setVisible(box.Visible);
}

void TalkBoxWidget::paintEvent(QPaintEvent*) {
    const TalkBoxView& box = talk.View().Box[index];
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()), 9, 9);
    p.fillPath(shape, ColorOf(box.Back));
    DrawFrame(p, rect(), ColorOf(box.Frame));
    p.setFont(TalkFont(box.Bold, box.Italic));
    const int ascent = p.fontMetrics().ascent();
    for (const PrintedRun& run : box.Runs) {
        p.setPen(ColorOf(run.Color));
        p.drawText(run.X, run.Y + ascent, run.Text);
    }
    if (!box.Runs.empty())
        TraceStartup(textTraced, "text");
}

void TalkBoxWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        talk.OnTalkBoxClick(index);
}

MenuWidget::MenuWidget(TalkEngine& talk, QWidget* parent) : QWidget(parent), talk(talk) {
    setMouseTracking(true);
    hide();
}

void MenuWidget::Sync() {
    const MenuView& menu = talk.View().Menu;
    setGeometry(menu.Left, menu.Top, menu.Width, menu.Height);
    setVisible(menu.Visible);
}

int MenuWidget::ItemAt(QPoint at) const {
    const MenuView& menu = talk.View().Menu;
    if (at.x() < menu.MarginX || at.x() >= menu.MarginX + menu.ItemWidth || at.y() < menu.MarginY)
        return 0;
    const int item = (at.y() - menu.MarginY) / std::max(1, menu.Pitch) + 1;
    return item <= menu.Count ? item : 0;
}

void MenuWidget::paintEvent(QPaintEvent*) {
    const MenuView& menu = talk.View().Menu;
    QPainter p(this);
    p.fillRect(rect(), ColorOf(0xC000C0));
    DrawFrame(p, rect(), ColorOf(0xFFFF00));
    p.setFont(MenuFont());
    for (int i = 1; i <= menu.Count; ++i) {
        const QRect item(menu.MarginX, menu.MarginY + (i - 1) * menu.Pitch, menu.ItemWidth, menu.Pitch);
        if (menu.Opaque[i])
            p.fillRect(item, ColorOf(0xFF0000));
        p.setPen(ColorOf(menu.TextColor[i]));
        p.drawText(item, Qt::AlignCenter, menu.Caption[i]);
    }
}

void MenuWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        if (const int item = ItemAt(event->position().toPoint()))
            talk.OnMenuClick(item);
}

void MenuWidget::mouseMoveEvent(QMouseEvent* event) { talk.OnMenuHover(ItemAt(event->position().toPoint())); }

void MenuWidget::leaveEvent(QEvent*) { talk.OnMenuHover(0); }

void TalkInputLine::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        emit clicked();
}

TalkLayer::TalkLayer(TalkEngine& talk, QWidget* window) : talk(talk) {
    for (int i = 1; i <= 2; ++i)
        boxes[i] = new TalkBoxWidget(talk, i, window);
    menu = new MenuWidget(talk, window);
    input = new TalkInputLine(window);
    input->setFrame(false);
    input->setFont(TalkFont());
    input->hide();
    // The engine reads what is typed at any moment: a timed answer ends without a confirm.
    QObject::connect(input, &QLineEdit::textEdited, input, [&talk](const QString& text) { talk.OnInputEdited(text); });
    // Enter, the focus moving away, or a click on the line confirm what is typed.
    auto confirm = [this, &talk] {
        if (!input->isVisible())
            return;
        talk.OnInputEdited(input->text());
        talk.OnInputConfirm();
    };
    QObject::connect(input, &QLineEdit::editingFinished, input, confirm);
    QObject::connect(input, &TalkInputLine::clicked, input, confirm);
}

TalkMetrics TalkLayer::Measure() {
    TalkMetrics metrics;
    const QFontMetrics talkFont(TalkFont());
    const QFontMetrics menuFont(MenuFont());
    metrics.LineHeight = talkFont.height();
    metrics.WideAdvance = talkFont.horizontalAdvance(QStringLiteral("亜"));
    metrics.MenuLineHeight = menuFont.height();
    metrics.MenuWideAdvance = menuFont.horizontalAdvance(QStringLiteral("亜"));
    metrics.Advance = [talkFont](QChar ch) { return talkFont.horizontalAdvance(ch); };
    return metrics;
}

void TalkLayer::Sync(bool repaintNow) {
    for (int i = 1; i <= 2; ++i) {
        boxes[i]->Sync();
        boxes[i]->raise();
        repaintNow ? boxes[i]->repaint() : boxes[i]->update();
    }
    menu->Sync();
    menu->raise();
    menu->update();

    const InputView& view = talk.View().Input;
    const TalkBoxView& box = talk.View().Box[view.Box ? view.Box : 1];
    if (view.Visible) {
        input->setGeometry(box.Left + view.Left, box.Top + view.Top, view.Width, view.Height);
        // Styled like the box, with a line under it so an empty field can be seen.
        input->setFont(TalkFont(view.Bold, view.Italic));
        input->setStyleSheet(QStringLiteral("QLineEdit { background: %1; color: %2; border: none; "
                                            "border-bottom: 1px solid %2; }")
                                 .arg(ColorOf(view.Back).name(), ColorOf(view.TextColor).name()));
        input->raise();
    }
    input->setVisible(view.Visible);
    if (view.Visible && view.FocusRequests != focusRequests) {
        input->setText(view.Text);  // the previous answer, selected so that typing replaces it
        input->setFocus();
        input->selectAll();
    }
    focusRequests = view.FocusRequests;
}

}  // namespace kirune
