// Describes a built window's controls as JSON: the kind of each, its
// rectangle, text, font and colours, exactly as the desktop window has them.
#pragma once

#include <QJsonArray>
#include <QJsonObject>

class QWidget;

namespace pelmora::webexport {

// Every child control of `container`, in the order they were created (the
// order they are stacked in), each with its own children nested.
QJsonArray describeChildren(const QWidget& container);

// Family as the font matcher resolved it, size in points and weight
// (100 to 900).
QJsonObject describeFont(const QWidget& widget);

QString colourName(const QColor& colour);

}  // namespace pelmora::webexport
