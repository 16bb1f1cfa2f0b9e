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

inline void addAccessibleNames(QWidget& window, QMap<QString, QString>& texts) {
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        if (accessible && !widget->objectName().isEmpty() && !accessible->text(QAccessible::Name).isEmpty())
            texts["name/" + widget->objectName()] = accessible->text(QAccessible::Name);
    }
}

inline void addLabelsAndButtons(QWidget& window, const QString& where, QMap<QString, QString>& texts) {
    texts[where + "/title"] = window.windowTitle();
    for (QLabel* label : window.findChildren<QLabel*>())
        if (!label->text().isEmpty()) texts[where + "/" + label->objectName()] = label->text();
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
        texts[where + "/" + button->objectName()] = button->text();
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
    addLabelsAndButtons(window, "main", texts);
    addAccessibleNames(window, texts);
    for (QAction* top : window.menuBar()->actions()) {
        texts["menu/" + top->menu()->objectName()] = top->text();
        for (QAction* command : top->menu()->actions())
            if (!command->isSeparator()) texts["menu/" + command->objectName()] = command->text();
    }
    for (char code : QByteArray("bgryBGRYX")) texts[QString("cell/") + code] = BoardCellAccessible::nameFor(code);

    run.choose("mnuaswitch");
    about::AboutWindow& about = *run.program.about().window();
    addLabelsAndButtons(about, "about", texts);
    texts["about/Text1"] = about.findChild<QPlainTextEdit*>("Text1")->toPlainText();
    addRefusal(run, texts);
    return texts;
}

}  // namespace pelmora::test_support
