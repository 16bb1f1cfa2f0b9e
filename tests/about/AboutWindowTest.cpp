// The About window's frame, controls and how-to-play text.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStringList>
#include <QTest>

#include "about/AboutWindow.h"
#include "ui/Fonts.h"

using pelmora::about::AboutWindow;

namespace {

// The 22 lines of the how-to-play text, written out independently of the game.
QString expectedHowToPlay() {
    const QStringList lines = {
        "Welcome to: Pelmora",
        QString(38, '-'),
        "",
        "Usage Instructions:",
        QString(31, '-'),
        "The object of the game is to click on",
        "sets of the same color in numbers of 2",
        "or more to clear sections of the game",
        "screen.",
        "",
        "You can advance levels by clicking on",
        "\"Level Up\" at the top of the window if",
        "your points match or exceed those",
        "pre-determined to qualify for the next",
        "difficulty level.",
        "",
        "If you get stuck you can select \"Reset\"",
        "from the file menu which will scatter the",
        "colored boxes in another order so as to",
        "make more moves possible.",
        "",
        "Good Luck! ;-)",
    };
    QString text;
    for (const QString& line : lines)
        text += line + "\r\n";
    return text;
}

}  // namespace

class AboutWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { m_window = new AboutWindow([](const QUrl&) { return true; }); }
    void cleanup() { delete m_window; }

    void isFixedTopLevelWindowWithoutMinimiseOrMaximise() {
        QCOMPARE(m_window->objectName(), QString("frmAbout"));
        QCOMPARE(m_window->windowTitle(), QString("About Pelmora"));
        QVERIFY(m_window->isWindow());
        QVERIFY(m_window->parentWidget() == nullptr);
        QVERIFY(m_window->testAttribute(Qt::WA_DeleteOnClose));

        const Qt::WindowFlags flags = m_window->windowFlags();
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(flags & Qt::WindowTitleHint);

        QCOMPARE(m_window->size(), QSize(367, 565));
        QCOMPARE(m_window->minimumSize(), QSize(367, 565));
        QCOMPARE(m_window->maximumSize(), QSize(367, 565));
        QCOMPARE(m_window->palette().color(QPalette::Window), QColor(0, 0, 0));
    }

    void controlsSitAtTheirDesignPositions_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("pixels");
        QTest::addColumn<QString>("text");
        QTest::newRow("Label5") << "Label5" << QRect(56, 16, 305, 33) << "Pelmora";
        QTest::newRow("Label2") << "Label2" << QRect(56, 64, 233, 17) << "Pelmora";
        QTest::newRow("Label3") << "Label3" << QRect(56, 80, 89, 17) << "Version 1.0";
        QTest::newRow("Label4") << "Label4" << QRect(56, 96, 281, 17)
                                << "http://www.pelmora-games.example/pelmora";
        QTest::newRow("Label1") << "Label1" << QRect(40, 352, 209, 17)
                                << "Have questions?  Need technical support? ";
        QTest::newRow("Label7") << "Label7" << QRect(248, 352, 81, 17) << "Contact us";
        QTest::newRow("Label8") << "Label8" << QRect(96, 480, 129, 33)
                                << QString::fromUtf8("Copyright \u00A9 2026 Pelmora Games");
    }
    void controlsSitAtTheirDesignPositions() {
        QFETCH(QString, name);
        QFETCH(QRect, pixels);
        QFETCH(QString, text);
        auto* label = m_window->findChild<QLabel*>(name);
        QVERIFY(label != nullptr);
        QCOMPARE(label->geometry(), pixels);
        QCOMPARE(label->text(), text);
    }

    void buttonRuleAndTextBoxSitAtTheirDesignPositions() {
        auto* ok = m_window->findChild<QPushButton*>("cmdOK");
        QVERIFY(ok != nullptr);
        QCOMPARE(ok->geometry(), QRect(136, 432, 92, 23));
        QCOMPARE(ok->text(), QString("&OK"));
        QVERIFY(ok->isDefault());

        auto* rule = m_window->findChild<QWidget*>("Line1");
        QVERIFY(rule != nullptr);
        // From x = -40 to x = 368 px: it starts outside the window's left edge.
        QCOMPARE(rule->geometry(), QRect(-40, 416, 408, 1));
        QVERIFY(rule->geometry().left() < 0);
        QVERIFY(rule->geometry().right() >= m_window->width() - 1);

        auto* box = m_window->findChild<QPlainTextEdit*>("Text1");
        QVERIFY(box != nullptr);
        QCOMPARE(box->geometry(), QRect(32, 152, 305, 193));
    }

    void namedFontsAndColours() {
        auto* title = m_window->findChild<QLabel*>("Label5");
        QCOMPARE(title->font(), pelmora::fonts::make("Arial", 9.75, QFont::Bold));
        QCOMPARE(title->palette().color(QPalette::WindowText), QColor(255, 255, 255));

        auto* contact = m_window->findChild<QLabel*>("Label7");
        QCOMPARE(contact->font(), pelmora::fonts::make("MS Sans Serif", 9.75, QFont::Bold));
        QCOMPARE(contact->palette().color(QPalette::WindowText), QColor(0, 0, 255));

        auto* box = m_window->findChild<QPlainTextEdit*>("Text1");
        QCOMPARE(box->font(), pelmora::fonts::make("Small Fonts", 6.75));

        // The plain labels keep the window's own font and white text.
        for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label8"}) {
            auto* label = m_window->findChild<QLabel*>(name);
            QCOMPARE(label->font(), m_window->font());
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(255, 255, 255));
        }
        auto* rule = m_window->findChild<QWidget*>("Line1");
        QCOMPARE(rule->palette().color(QPalette::Window), QColor(255, 255, 255));
    }

    void customPointerOnlyOnItsFourLabels() {
        for (const char* name : {"Label1", "Label4", "Label7", "Label8"}) {
            auto* label = m_window->findChild<QLabel*>(name);
            QVERIFY2(label->testAttribute(Qt::WA_SetCursor), name);
            QCOMPARE(label->cursor().shape(), Qt::ArrowCursor);
        }
        for (const char* name : {"Label2", "Label3", "Label5"})
            QVERIFY2(!m_window->findChild<QLabel*>(name)->testAttribute(Qt::WA_SetCursor), name);
    }

    void howToPlayTextIsExactToTheByte() {
        auto* box = m_window->findChild<QPlainTextEdit*>("Text1");
        const QString expected = expectedHowToPlay();
        const QString original = box->property(AboutWindow::kOriginalTextProperty).toString();

        QCOMPARE(original, expected);
        QCOMPARE(original.toUtf8(), expected.toUtf8());
        QCOMPARE(original.count("\r\n"), 22);
        QVERIFY(original.endsWith("\r\n"));
        // The text box shows the same lines; it keeps bare line breaks.
        QCOMPARE(box->toPlainText(), QString(expected).replace("\r\n", "\n"));
        QCOMPARE(box->blockCount(), 23);
    }

    void howToPlayTextIsReadOnlyScrollableAndSelectable() {
        auto* box = m_window->findChild<QPlainTextEdit*>("Text1");
        QVERIFY(box->isReadOnly());
        QVERIFY(box->textInteractionFlags() & Qt::TextSelectableByMouse);
        QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        const QString before = box->toPlainText();
        box->setFocus();
        QTest::keyClicks(box, "xyz");
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->toPlainText(), before);

        // Twenty-three lines do not fit in the box: it scrolls.
        QVERIFY(box->verticalScrollBar()->isVisible());
        QVERIFY(box->verticalScrollBar()->maximum() > 0);

        box->selectAll();
        QCOMPARE(box->textCursor().selectedText().size(), before.size());
    }

private:
    AboutWindow* m_window = nullptr;
};

QTEST_MAIN(AboutWindowTest)
#include "AboutWindowTest.moc"
