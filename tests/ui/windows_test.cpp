#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "tests/ui/reference_check.h"
#include "tests/ui/test_program.h"
#include "ui/slot_row.h"
#include "ui/status_bar.h"
#include "ui/typed_characters.h"

namespace {
// A name typed as markup, shown and stored as typed.
const char* const scores = "<b>Ana</b> &lt;3\r\n5000\r\nQuiro\r\n1000\r\nQuiro\r\n1000\r\n";

// A key pressed, or text an input method commits, in one of the letter lists,
// and what reaches the game.
struct Typed {
    const char* focus;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
    const char* reaches;
    const char* commit = "";
};

// Keys, button clicks and the close box in a small window: where the focus goes
// after each ("-" once closed), and whether the window writes its file.
struct Answer {
    Command command;
    const char* actions; // keys, buttons to click, or "close"
    const char* focus;
    bool writes = false;
};
} // namespace

class WindowsTest : public QObject {
    Q_OBJECT
    TestProgram* m_test = nullptr;
    MainWindow* m_main = nullptr;

    // The window the menu command opens, once it is the active window.
    QWidget* open(Command command)
    {
        Program& program = m_test->program;
        m_main->action(command).trigger();
        QWidget* window = command == Command::add_words     ? static_cast<QWidget*>(program.add_words_dialog())
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
        m_main = &m_test->program.main_window();
    }
    void cleanup() { delete m_test; }

    // A one-player game with five misses, at every scale; the clock panels are masked.
    void main_window_looks_as_reviewed()
    {
        Board board;
        board.slots = WordSlots{U"WaNteQuIlla 2"};
        for (char32_t c : std::u32string_view{U"WaQl"})
            board.slots.reveal(*find_letter(c));
        board.right_letters = U"waql";
        board.wrong_letters = U"xyzñó";
        for (int piece = 8; piece > 3; --piece)
            board.pieces[piece] = true;
        board.points_shown = true;
        board.points = U"100000 puntos.";
        board.hits_text = U"Aciertos: 4";
        board.misses_text = U"Fallos: 5";
        board.turn_text = U"Jugador30";
        m_main->show_board(board);
        QTRY_VERIFY(m_main->findChild<SlotRow*>()->accessibleName().startsWith(u"Palabra de 13")); // said after a pause
        const StatusBar* status = m_main->findChild<StatusBar*>();
        compare_with_reference(*m_main, QStringLiteral("main-window"), {&status->panel(3), &status->panel(4)});
    }

    // Mended: a word of any length drew a slot per character, and each key rebuilt them all.
    void long_word_shows_the_slots_that_fit()
    {
        Board board;
        board.slots = WordSlots{std::u32string(1'000'000, U'W') + U"x"};
        board.slots.reveal(*find_letter(U'w'));
        m_main->changed(board, BoardPart::slots);
        const auto* row = m_main->findChild<SlotRow*>();
        QCOMPARE(row->shown_count(), 21); // the 21st still ends left of the "Colgado" frame
        QCOMPARE(row->caption(21), QStringLiteral("W"));
        QVERIFY(row->slot_rect(21).right() < 448);
    }

    void typed_character_reaches_game_data()
    {
        QTest::addColumn<Typed>("typed");
        const auto none = Qt::NoModifier;
        QTest::newRow("letter in the right list") << Typed{"rightLetters", Qt::Key_E, none, "e", "e"};
        QTest::newRow("Enter is a move") << Typed{"rightLetters", Qt::Key_Return, none, "\r", "\r"};
        QTest::newRow("Escape is a move") << Typed{"wrongLetters", Qt::Key_Escape, none, "\x1b", "\x1b"};
        QTest::newRow("Ctrl+letter is a move") << Typed{"rightLetters", Qt::Key_F, Qt::ControlModifier, "\x06", "\x06"};
        // Mended: Delete and Alt+letter counted as moves, though they type nothing.
        QTest::newRow("Delete types nothing") << Typed{"rightLetters", Qt::Key_Delete, none, "\x7f", ""};
        QTest::newRow("Alt+letter types nothing") << Typed{"wrongLetters", Qt::Key_F, Qt::AltModifier, "f", ""};
        QTest::newRow("Caps Lock types nothing") << Typed{"wrongLetters", Qt::Key_CapsLock, none, "", ""};
        QTest::newRow("Tab moves the focus") << Typed{"rightLetters", Qt::Key_Tab, none, "\t", ""};
        QTest::newRow("dead key and o composed, once") << Typed{"wrongLetters", Qt::Key_unknown, none, "", "ó", "ó"};
        QTest::newRow("decomposed accent arrives as one letter")
            << Typed{"rightLetters", Qt::Key_unknown, none, "", "ó", "o\u0301"};
    }
    void typed_character_reaches_game()
    {
        QFETCH(Typed, typed);
        std::u32string reached;
        TypedCharacters router(*m_main, [&reached](char32_t c) { reached += c; });
        auto* list = m_main->findChild<QListWidget*>(QString::fromLatin1(typed.focus));
        list->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), list);
        if (!*typed.commit) {
            QTest::sendKeyEvent(QTest::Press, list, typed.key, QString::fromUtf8(typed.text), typed.modifiers);
            QTest::sendKeyEvent(QTest::Release, list, typed.key, QString::fromUtf8(typed.text), typed.modifiers);
        } else {
            QInputMethodQueryEvent query(Qt::ImEnabled); // as the compose input method asks
            QApplication::sendEvent(list, &query);
            QVERIFY(query.value(Qt::ImEnabled).toBool()); // else dead keys would not compose here
            QInputMethodEvent event;
            event.setCommitString(QString::fromUtf8(typed.commit));
            QApplication::sendEvent(list, &event);
        }
        QCOMPARE(QString::fromStdU32String(reached), QString::fromUtf8(typed.reaches));
    }

    void small_window_looks_as_reviewed_data()
    {
        QTest::addColumn<Command>("command");
        QTest::newRow("add-words") << Command::add_words;
        QTest::newRow("scores") << Command::high_scores;
        QTest::newRow("about") << Command::about;
    }
    void small_window_looks_as_reviewed()
    {
        QFETCH(Command, command);
        QWidget* window = open(command);
        compare_with_reference(*window, QString::fromLatin1(QTest::currentDataTag()));
        // Centred on the screen, but for the frame the window system adds after placing it.
        const QPoint off_centre = window->geometry().center() - window->screen()->availableGeometry().center();
        QVERIFY(std::abs(off_centre.x()) <= 2 && std::abs(off_centre.y()) <= 2);
        // Only the about box has the main window as its owner.
        QCOMPARE(window->parentWidget() == m_main, command == Command::about);
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
            m_main->action(command).trigger();
        int windows = 0;
        for (QWidget* window : QApplication::topLevelWidgets())
            windows += window->isVisible();
        QCOMPARE(windows, 4);
    }
};

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
