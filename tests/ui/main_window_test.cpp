#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "main_window.h"
#include "reference_check.h"
#include "slot_row.h"
#include "status_bar.h"
#include "typed_characters.h"

namespace {
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

// The menu bar's entries depth first, each as its caption and shortcut.
void walk(const QList<QAction*>& actions, const QString& indent, QStringList& out)
{
    for (QAction* action : actions) {
        out << indent + action->text() + u' ' + action->shortcut().toString(QKeySequence::PortableText);
        if (action->menu())
            walk(action->menu()->actions(), indent + QStringLiteral("  "), out);
    }
}
} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
    MainWindow m_window;

private Q_SLOTS:
    void initTestCase()
    {
        m_window.show_centred();
        QVERIFY(QTest::qWaitForWindowActive(&m_window));
    }

    // A one-player game with five misses, at every scale; the clock panels are masked.
    void looks_as_reviewed()
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
        m_window.show_board(board);
        const StatusBar* status = m_window.findChild<StatusBar*>();
        compare_with_reference(m_window, QStringLiteral("main-window"), {&status->panel(3), &status->panel(4)});
        QCOMPARE(m_window.minimumSize(), m_window.maximumSize());
        QVERIFY(!(m_window.windowFlags() & Qt::WindowMaximizeButtonHint));
    }

    // Mended: a word of any length drew a slot per character, and each key rebuilt them all.
    void long_word_shows_the_slots_that_fit()
    {
        Board board;
        board.slots = WordSlots{std::u32string(1'000'000, U'W') + U"x"};
        board.slots.reveal(*find_letter(U'w'));
        m_window.changed(board, BoardPart::slots);
        const auto* row = m_window.findChild<SlotRow*>();
        QCOMPARE(row->shown_count(), 21); // the 21st still ends left of the "Colgado" frame
        QCOMPARE(row->caption(21), QStringLiteral("W"));
        QVERIFY(row->slot_rect(21).right() < 448);
    }

    void menu_tree()
    {
        QStringList entries;
        walk(m_window.menuBar()->actions(), {}, entries);
        QCOMPARE(entries.join(u'\n'), QStringLiteral("Juego \n"
                                                     "  Introducir palabras nuevas \n"
                                                     "  Nuevo juego \n"
                                                     "    1 Jugador F2\n"
                                                     "    2 jugadores F3\n"
                                                     "    2 Jugadores vs Ordenador F4\n"
                                                     "    X jugadores F5\n"
                                                     "    X jugadores vs Ordenador F6\n"
                                                     "   \n"
                                                     "  Ver puntuaciones máximas... \n"
                                                     "   \n"
                                                     "  Salir Ctrl+Q\n"
                                                     "Acerca de... "));
        QVERIFY(!m_window.menuBar()->actions().last()->menu()); // "Acerca de..." acts when clicked
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
        TypedCharacters router(m_window, [&reached](char32_t c) { reached += c; });
        auto* list = m_window.findChild<QListWidget*>(QString::fromLatin1(typed.focus));
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
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
