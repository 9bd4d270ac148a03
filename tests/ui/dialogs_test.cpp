#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "reference_check.h"
#include "test_program.h"

namespace {
// A name typed as markup, shown and stored as typed.
const char* const scores = "<b>Ana</b> &lt;3\r\n5000\r\nQuiro\r\n1000\r\nQuiro\r\n1000\r\n";

// What a menu command opens: its title, size, kind and first focus.
struct Kind {
    Command command;
    const char* title;
    QSize size;
    Qt::WindowType type;
    const char* focus;
};

struct Answer {
    Command command;
    const char* actions; // keys, buttons to click, or "close"
    const char* focus;
    bool writes = false;
};
} // namespace

class DialogsTest : public QObject {
    Q_OBJECT
    TestProgram* m_test = nullptr;

    // The window the menu command opens, once it is the active window.
    QWidget* open(Command command)
    {
        Program& program = m_test->program;
        program.main_window().action(command).trigger();
        QWidget* window = command == Command::add_words    ? static_cast<QWidget*>(program.add_words_dialog())
                          : command == Command::high_scores ? static_cast<QWidget*>(&program.score_window())
                                                            : static_cast<QWidget*>(program.about_box());
        // A dialog with an owner counts as active with it; wait for it to be active itself.
        if (!window || !QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }))
            qFatal("command %d opened no window", int(command));
        return window;
    }

private Q_SLOTS:
    void initTestCase() { QApplication::setCursorFlashTime(0); } // the caret always drawn, for the pictures
    void init()
    {
        m_test = new TestProgram;
        QVERIFY(m_test->start("Feo\r\n"));
        m_test->file("puntuaciones.txt") = scores;
    }
    void cleanup() { delete m_test; }

    void window_looks_as_reviewed_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::newRow("add-words") << Kind{Command::add_words, "Añadir palabras al fitxero...", {443, 124}, Qt::Tool, "wordEdit"};
        QTest::newRow("scores") << Kind{Command::high_scores, "Puntuaciones", {367, 195}, Qt::Tool, "acceptButton"};
        QTest::newRow("about") << Kind{Command::about, "Acerca de CuerdaloKKK", {395, 159}, Qt::Dialog, "okButton"};
    }
    void window_looks_as_reviewed()
    {
        QFETCH(Kind, kind);
        QWidget* window = open(kind.command);
        compare_with_reference(*window, QString::fromLatin1(QTest::currentDataTag()));
        QCOMPARE(window->windowTitle(), QString::fromUtf8(kind.title));
        QCOMPARE(window->size(), kind.size);
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QCOMPARE(window->windowType(), kind.type);
        QVERIFY(!(window->windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));
        QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(kind.focus));
        // Centred on the screen, but for the frame the window system adds after placing it.
        const QPoint off_centre = window->geometry().center() - window->screen()->availableGeometry().center();
        QVERIFY(std::abs(off_centre.x()) <= 2 && std::abs(off_centre.y()) <= 2);
        // Only the about box has the main window as its owner.
        QCOMPARE(window->parentWidget() == &m_test->program.main_window(), kind.type == Qt::Dialog);
        // Mended: a name typed as markup was shown as markup.
        for (const QLabel* label : window->findChildren<QLabel*>())
            QCOMPARE(label->textFormat(), Qt::PlainText);
    }

    // Typed into a full text box at the caret, a character pushes the last one out.
    void twenty_character_rule()
    {
        auto* word = open(Command::add_words)->findChild<QLineEdit*>(QStringLiteral("wordEdit"));
        word->setText(QStringLiteral("abcdefghijklmnopqrst"));
        word->setCursorPosition(5);
        QTest::sendKeyEvent(QTest::Click, word, Qt::Key_unknown, QStringLiteral("ñ"), Qt::NoModifier);
        QCOMPARE(word->text(), QStringLiteral("abcdeñfghijklmnopqrs"));
        QCOMPARE(word->cursorPosition(), 20);
    }

    // Keys, button clicks and the close box in the small windows: where the focus
    // goes after each ("-" once closed), and whether the window writes its file.
    // The add-words dialog has "Pingüino" typed in.
    void small_window_answers_data()
    {
        QTest::addColumn<Answer>("answer");
        const Command add = Command::add_words, scores = Command::high_scores, about = Command::about;
        QTest::newRow("add-words: Tab order") << Answer{add, "Tab Tab Tab", "addButton stopButton wordEdit"};
        QTest::newRow("add-words: Enter adds the word") << Answer{add, "Return", "-", true};
        QTest::newRow("add-words: Añadir palabras adds the word") << Answer{add, "addButton", "-", true};
        QTest::newRow("add-words: the stop sign adds nothing") << Answer{add, "stopButton", "-"};
        QTest::newRow("add-words: the close box adds nothing") << Answer{add, "close", "-"};
        QTest::newRow("scores: Tab order") << Answer{scores, "Tab Tab Tab", "eraseButton cancelButton acceptButton"};
        QTest::newRow("scores: Escape does nothing") << Answer{scores, "Esc", "acceptButton"};
        QTest::newRow("scores: Enter on Cancelar") << Answer{scores, "Tab Tab Return", "eraseButton cancelButton -"};
        QTest::newRow("scores: Enter on Borrar resets, stays open")
            << Answer{scores, "Tab Return", "eraseButton eraseButton", true};
        QTest::newRow("scores: the close box writes nothing") << Answer{scores, "Tab close", "eraseButton -"};
        QTest::newRow("about: Enter") << Answer{about, "Return", "-"};
        QTest::newRow("about: Escape") << Answer{about, "Esc", "-"};
        QTest::newRow("about: the close box") << Answer{about, "close", "-"};
    }
    void small_window_answers()
    {
        QFETCH(Answer, answer);
        const QString actions = QString::fromLatin1(answer.actions);
        QPointer<QWidget> window = open(answer.command);
        const QString first = QApplication::focusWidget()->objectName();
        if (answer.command == Command::add_words) {
            auto* word = window->findChild<QLineEdit*>(QStringLiteral("wordEdit"));
            QTest::keyClicks(word, QStringLiteral("Ping"));
            QTest::sendKeyEvent(QTest::Click, word, Qt::Key_unknown, QStringLiteral("ü"), Qt::NoModifier);
            QTest::keyClicks(word, QStringLiteral("ino"));
        }
        QStringList seen;
        for (const QString& action : actions.split(u' ')) {
            if (action == u"close")
                window->close();
            else if (auto* button = window->findChild<QPushButton*>(action))
                QTest::mouseClick(button, Qt::LeftButton);
            else
                QTest::keyClick(QApplication::focusWidget(), QKeySequence(action)[0].key());
            seen << (window && window->isVisible() ? QApplication::focusWidget()->objectName() : QStringLiteral("-"));
        }
        QCOMPARE(seen.join(u' '), QString::fromLatin1(answer.focus));
        const bool adds = answer.command == Command::add_words && answer.writes;
        const bool erases = answer.command == Command::high_scores && answer.writes;
        QCOMPARE(m_test->file("palabras.txt"), adds ? "Feo\r\nPing\xfcino\r\n" : "Feo\r\n");
        QCOMPARE(m_test->file("puntuaciones.txt").substr(0, 5), erases ? "Quiro" : "<b>An");
        if (answer.command != Command::high_scores && seen.back() == u"-")
            QTRY_VERIFY(window.isNull()); // discarded: the next one is made afresh
        if (actions.endsWith(u"close")) { // opened again, it starts as it did
            open(answer.command);
            QCOMPARE(QApplication::focusWidget()->objectName(), first);
        }
    }

    void each_window_is_single()
    {
        for (Command command : {Command::add_words, Command::high_scores, Command::about, Command::add_words,
                                Command::high_scores, Command::about})
            m_test->program.main_window().action(command).trigger();
        int windows = 0;
        for (QWidget* window : QApplication::topLevelWidgets())
            windows += window->isVisible();
        QCOMPARE(windows, 4);
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
