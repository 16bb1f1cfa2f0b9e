#include "tools/webexport/WidgetExport.h"

#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/BoardSurface.h"
#include "ui/Pictures.h"
#include "widgets/ClickableLabel.h"

namespace pelmora::webexport {
namespace {

QString horizontalAlignment(Qt::Alignment alignment) {
    if (alignment & Qt::AlignHCenter) return "center";
    if (alignment & Qt::AlignRight) return "right";
    return "left";
}

QJsonObject describe(const QWidget& widget) {
    const QRect box = widget.geometry();
    QJsonObject control{
        {"name", widget.objectName()},
        {"x", box.x()},
        {"y", box.y()},
        {"width", box.width()},
        {"height", box.height()},
        {"visible", !widget.isHidden()},
    };
    if (!widget.accessibleName().isEmpty()) control["accessibleName"] = widget.accessibleName();
    const QPalette& palette = widget.palette();

    if (const auto* surface = qobject_cast<const BoardSurface*>(&widget)) {
        control["kind"] = "board";
        control["fill"] = colourName(surface->palette().color(QPalette::Window));
    } else if (const auto* picture = qobject_cast<const PictureBox*>(&widget)) {
        control["kind"] = "picture";
        control["picture"] = picture->pictureName();
    } else if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        control["kind"] = "label";
        control["clickable"] = qobject_cast<const ClickableLabel*>(&widget) != nullptr;
        control["text"] = label->text();
        control["font"] = describeFont(widget);
        control["colour"] = colourName(palette.color(QPalette::WindowText));
        control["align"] = horizontalAlignment(label->alignment());
        control["wordWrap"] = label->wordWrap();
    } else if (const auto* textBox = qobject_cast<const QPlainTextEdit*>(&widget)) {
        control["kind"] = "textbox";
        control["text"] = textBox->toPlainText();
        control["font"] = describeFont(widget);
        control["readOnly"] = textBox->isReadOnly();
    } else if (const auto* button = qobject_cast<const QPushButton*>(&widget)) {
        control["kind"] = "button";
        control["text"] = button->text();
        control["font"] = describeFont(widget);
        control["default"] = button->isDefault();
    } else if (qobject_cast<const QFrame*>(&widget) || widget.autoFillBackground()) {
        control["kind"] = "frame";
        control["fill"] = colourName(palette.color(QPalette::Window));
    } else {
        control["kind"] = "other";
    }
    return control;
}

}  // namespace

QString colourName(const QColor& colour) { return colour.name(QColor::HexRgb); }

QJsonObject describeFont(const QWidget& widget) {
    const QFontInfo resolved(widget.font());
    return {
        {"family", resolved.family()},
        {"points", widget.font().pointSizeF()},
        {"weight", static_cast<int>(widget.font().weight())},
        {"italic", widget.font().italic()},
    };
}

QJsonArray describeChildren(const QWidget& container) {
    QJsonArray controls;
    for (const QObject* child : container.children()) {
        const auto* widget = qobject_cast<const QWidget*>(child);
        // Only the window's own controls: Qt's inner parts have no name.
        if (!widget || widget->isWindow() || widget->objectName().isEmpty()) continue;
        QJsonObject control = describe(*widget);
        if (control["kind"] == "frame") {
            const QJsonArray inner = describeChildren(*widget);
            if (!inner.isEmpty()) control["children"] = inner;
        }
        controls.append(control);
    }
    return controls;
}

}  // namespace pelmora::webexport
