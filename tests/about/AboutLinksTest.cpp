// The About window's three links and the application pointer they leave.
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

#include "about/AboutWindow.h"

using pelmora::about::AboutWindow;

namespace {

// Everything the player can see of the window, to tell whether a click
// changed any of it.
QStringList visibleState(const AboutWindow& window) {
    QStringList state = {window.windowTitle(),
                         QString::number(window.isVisible()),
                         QString::number(window.frameGeometry().x()),
                         QString::number(window.frameGeometry().y()),
                         QString::number(window.width()),
                         QString::number(window.height())};
    for (const QLabel* label : window.findChildren<QLabel*>())
        state << label->objectName() + "=" + label->text() + "@" +
                     QString::number(label->isVisible());
    state << window.findChild<QPlainTextEdit*>("Text1")->toPlainText();
    return state;
}

}  // namespace

class AboutLinksTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_opened.clear();
        m_window = new AboutWindow([this](const QUrl& link) {
            m_opened << link.toString();
            return true;
        });
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }
    void cleanup() {
        delete m_window;
        while (QApplication::overrideCursor() != nullptr)
            QApplication::restoreOverrideCursor();
    }

    void eachLinkLabelOpensItsOwnLink_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("link");
        QTest::newRow("web page address") << "Label4" << "http://www.pelmora-games.example/pelmora";
        QTest::newRow("large program name") << "Label5" << "mailto:support@pelmora-games.example";
        QTest::newRow("Contact us") << "Label7" << "http://www.pelmora-games.example/";
    }
    void eachLinkLabelOpensItsOwnLink() {
        QFETCH(QString, label);
        QFETCH(QString, link);
        QTest::mouseClick(m_window->findChild<QLabel*>(label), Qt::LeftButton);
        QCOMPARE(m_opened, QStringList{link});
    }

    void otherLabelsAndOtherButtonsOpenNothing() {
        for (const char* name : {"Label1", "Label2", "Label3", "Label8"})
            QTest::mouseClick(m_window->findChild<QLabel*>(name), Qt::LeftButton);
        QTest::mouseClick(m_window->findChild<QLabel*>("Label7"), Qt::RightButton);
        QVERIFY(m_opened.isEmpty());
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void linkLeavesTheCustomPointerOnTheWholeApplication() {
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QTest::mouseClick(m_window->findChild<QLabel*>("Label7"), Qt::LeftButton);
        QVERIFY(QApplication::overrideCursor() != nullptr);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::ArrowCursor);
        QTest::qWait(50);
        QVERIFY(QApplication::overrideCursor() != nullptr);
    }

    void repeatedLinksReplaceThePointerInsteadOfStackingIt() {
        QApplication::setOverrideCursor(Qt::WaitCursor);  // someone else's pointer
        for (const char* name : {"Label4", "Label5", "Label7"})
            QTest::mouseClick(m_window->findChild<QLabel*>(name), Qt::LeftButton);
        QCOMPARE(m_opened.size(), 3);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::ArrowCursor);

        QApplication::restoreOverrideCursor();
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void linkThatCannotBeOpenedLeavesNoTrace() {
        auto* quiet = new AboutWindow([](const QUrl&) { return false; });
        quiet->show();
        QVERIFY(QTest::qWaitForWindowExposed(quiet));
        const QStringList before = visibleState(*quiet);
        const qsizetype windowsBefore = QApplication::topLevelWidgets().size();

        for (const char* name : {"Label4", "Label5", "Label7"})
            QTest::mouseClick(quiet->findChild<QLabel*>(name), Qt::LeftButton);
        QTest::qWait(50);

        QCOMPARE(visibleState(*quiet), before);
        QCOMPARE(QApplication::topLevelWidgets().size(), windowsBefore);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        delete quiet;
    }

private:
    AboutWindow* m_window = nullptr;
    QStringList m_opened;
};

QTEST_MAIN(AboutLinksTest)
#include "AboutLinksTest.moc"
