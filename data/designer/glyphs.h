#pragma once
// Toolbar pictures of the designer, drawn with QPainter.

#include <QImage>
#include <QString>

// A bitmap of three glyphs side by side (normal, disabled, pressed) for one
// button, each size x size pixels; the background is the transparent key
// colour that the lower-left pixel carries.
QImage toolbarGlyphs(const QString& button, int size);

// The wait window's picture with its text.
QImage waitPicture(const QString& text);
