#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

// Small painting helpers shared by every picture: one face, one way to round a panel, one
// way to draw a button, so the pictures look like one set.
namespace artgen {

QFont JapaneseFont(int pixels, bool bold = false);

QPainterPath Rounded(const QRectF& r, double radius);

// A panel: soft shadow, vertical gradient, a light inner rim and a border.
void FillPanel(QPainter& p, const QRectF& r, double radius, QColor top, QColor bottom, QColor border);

// A sunken field where the game prints a value.
void FillInset(QPainter& p, const QRectF& r, double radius, QColor fill, QColor edge);

// A glossy rounded button face without text.
void FillButton(QPainter& p, const QRectF& r, double radius, QColor top, QColor bottom, QColor border);

// A copy of the part of a picture, to paint a panel over what lies beneath it.
QImage Cut(const QImage& picture, const QRect& r);

// A five-pointed star, for stars and sparkles.
QPainterPath Star(QPointF centre, double outer, double inner, int points = 5);

// A blend of two colours, t = 0 gives a.
QColor Mix(QColor a, QColor b, double t);

}  // namespace artgen
