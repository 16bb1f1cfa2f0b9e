// Every text a player sees or hears from the game, collected from the real
// windows, by where it shows: the main window's labels, menus and accessible
// names, the cells' names, the About window, and the refusal's message box.
#pragma once

#include <QtTest>
#include <QtWidgets>

#include "about/AboutWindow.h"
#include "tests/window/WindowRun.h"
#include "ui/BoardCellAccessible.h"

namespace pelmora::test_support {

// The window's title, and each named control's text and accessible name.
inline void addWindow(QWidget& window, const QString& where, QMap<QString, QString>& texts) {
    texts[where + "/title"] = window.windowTitle();
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const QString name = where + "/" + widget->objectName();
        if (const QString text = widget->property("text").toString(); !text.isEmpty()) texts[name] = text;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        if (accessible && !widget->objectName().isEmpty() && !accessible->text(QAccessible::Name).isEmpty())
            texts[name + " (name)"] = accessible->text(QAccessible::Name);
    }
}

// The refusal a fresh game gives "LEVEL UP": its title, text and button.
inline void addRefusal(WindowRun& run, QMap<QString, QString>& texts) {
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        texts["message/title"] = box->windowTitle();
        texts["message/text"] = box->text();
        texts["message/ok"] = box->button(QMessageBox::Ok)->text();
        box->button(QMessageBox::Ok)->click();
    });
    answer.start(0);
    QTest::mouseClick(run.label("Label3"), Qt::LeftButton);
}

inline QMap<QString, QString> shownTexts() {
    QMap<QString, QString> texts;
    WindowRun run;
    MainWindow& window = run.window();
    addWindow(window, "main", texts);
    for (QAction* top : window.menuBar()->actions()) {
        texts["menu/" + top->menu()->objectName()] = top->text();
        for (QAction* command : top->menu()->actions())
            if (!command->isSeparator()) texts["menu/" + command->objectName()] = command->text();
    }
    for (char code : QByteArray("bgryBGRYX")) texts[QString("cell/") + code] = BoardCellAccessible::nameFor(code);

    run.choose("mnuaswitch");
    about::AboutWindow& about = *run.program.about().window();
    addWindow(about, "about", texts);
    texts["about/Text1"] = about.findChild<QPlainTextEdit*>("Text1")->toPlainText();
    addRefusal(run, texts);
    return texts;
}

}  // namespace pelmora::test_support
