#include <QAccessible>
#include <QAction>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "tests/ui/reference_check.h"
#include "tests/ui/test_program.h"
#include "ui/dialog_prompts.h"
#include "ui/handler_queue.h"
#include "ui/picture_box.h"
#include "ui/slot_row.h"
#include "ui/spanish_qt_texts.h"
#include "ui/status_bar.h"
#include "ui/typed_characters.h"

namespace {
// A name typed as markup, shown and stored as typed.
const char* const scores = "<b>Ana</b> &lt;3\r\n5000\r\nQuiro\r\n1000\r\nQuiro\r\n1000\r\n";

// Keys pressed (`text` being what they type), or text an input method commits
// (`commit`), in one of the letter lists or in the add-words dialog, and what
// reaches the game.
struct Typed {
    const char* focus;
    const char* keys;
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

    // The window the menu command opens, once it is the active window. A dialog with
    // an owner counts as active with it; wait for it to be active itself.
    QWidget* open(Command command)
    {
        m_main->action(command).trigger();
        if (!QTest::qWaitFor([this] { return QApplication::activeWindow() && QApplication::activeWindow() != m_main; },
                             patience_ms))
            qFatal("waited %d s for command %d to open a window", patience_ms / 1000, int(command));
        return QApplication::activeWindow();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setCursorFlashTime(0); // the caret always drawn, for the pictures
        install_spanish_qt_texts(*qApp);
    }
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
        Board board{.slots = WordSlots(U"WaNteQuIlla 2"),
                    .right_letters = U"waql",
                    .wrong_letters = U"xyzñó",
                    .points_shown = true,
                    .points = U"100000 puntos.",
                    .hits_text = U"Aciertos: 4",
                    .misses_text = U"Fallos: 5",
                    .turn_text = U"Jugador30"};
        for (char32_t c : std::u32string_view{U"WaQl"})
            board.slots.reveal(*find_letter(c));
        std::fill(board.pieces.begin() + 4, board.pieces.end(), true);
        m_main->show_board(board);
        QTRY_VERIFY_WITH_TIMEOUT(m_main->findChild<SlotRow*>()->accessibleName().startsWith(u"Palabra de 13"),
                                 patience_ms); // said after a pause
        const StatusBar* status = m_main->findChild<StatusBar*>();
        compare_with_reference(*m_main, QStringLiteral("main-window"), {&status->panel(3), &status->panel(4)});
        QCOMPARE(m_main->accessibleName(), QStringLiteral("Cuerdalokkk versión 1.0"));
    }

    // F10 opens the menu bar, on an item a screen reader is told has the focus.
    void f10_opens_the_menus()
    {
        QTest::keyClick(m_main, Qt::Key_F10);
        QTRY_VERIFY_WITH_TIMEOUT(m_main->menuBar()->activeAction(), patience_ms);
        QVERIFY(QAccessible::queryAccessibleInterface(m_main->menuBar()->activeAction())->state().focused);
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
        QTest::newRow("letter in the right list") << Typed{"rightLetters", "E", "e", "e"};
        QTest::newRow("Escape is a move") << Typed{"wrongLetters", "Esc", "\x1b", "\x1b"};
        QTest::newRow("Ctrl+letter is a move") << Typed{"rightLetters", "Ctrl+F", "\x06", "\x06"};
        // Mended: Delete and Alt+letter counted as moves, though they type nothing.
        QTest::newRow("Delete types nothing") << Typed{"rightLetters", "Del", "\x7f", ""};
        QTest::newRow("Alt+letter types nothing") << Typed{"wrongLetters", "Alt+F", "f", ""};
        QTest::newRow("Tab moves the focus") << Typed{"rightLetters", "Tab", "\t", ""};
        QTest::newRow("dead key and o composed, once") << Typed{"wrongLetters", "", "", "ó", "ó"};
        QTest::newRow("decomposed accent arrives as one letter") << Typed{"rightLetters", "", "", "ó", "o\u0301"};
        QTest::newRow("a letter for a new word") << Typed{"wordEdit", "Ñ", "ñ", ""};
        QTest::newRow("an accent for a new word") << Typed{"wordEdit", "", "", "", "ó"};
    }
    void typed_character_reaches_game()
    {
        QFETCH(Typed, typed);
        std::u32string reached;
        TypedCharacters router(*m_main, [&reached](char32_t c) { reached += c; });
        QWidget* window = qstrcmp(typed.focus, "wordEdit") ? m_main : open(Command::add_words);
        auto* target = window->findChild<QWidget*>(QString::fromLatin1(typed.focus));
        auto* word = qobject_cast<QLineEdit*>(target);
        if (word) { // full, with the caret after the fifth character
            word->setText(QStringLiteral("abcdefghijklmnopqrst"));
            word->setCursorPosition(5);
        }
        target->setFocus();
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), target, patience_ms);
        if (!*typed.commit) {
            const QKeyCombination key = QKeySequence(QString::fromUtf8(typed.keys))[0];
            for (auto action : {QTest::Press, QTest::Release})
                QTest::sendKeyEvent(action, target, key.key(), QString::fromUtf8(typed.text), key.keyboardModifiers());
        } else {
            QInputMethodQueryEvent query(Qt::ImEnabled); // as the compose input method asks
            QApplication::sendEvent(target, &query);
            QVERIFY(query.value(Qt::ImEnabled).toBool()); // else dead keys would not compose here
            QInputMethodEvent event;
            event.setCommitString(QString::fromUtf8(typed.commit));
            QApplication::sendEvent(target, &event);
        }
        QCOMPARE(QString::fromStdU32String(reached), QString::fromUtf8(typed.reaches));
        if (word) { // the character typed pushes the last one out
            QCOMPARE(word->text(), QStringLiteral("abcde%1fghijklmnopqrs")
                                       .arg(QString::fromUtf8(typed.text) + QString::fromUtf8(typed.commit)));
            QCOMPARE(word->cursorPosition(), 20);
        }
    }

    // Each window as reviewed, and the same when asked for again; the add-words
    // dialog then has "Pingüino" typed in.
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
    }
    void small_window_answers()
    {
        QFETCH(Answer, answer);
        const QString actions = QString::fromLatin1(answer.actions);
        QPointer<QWidget> window = open(answer.command);
        compare_with_reference(*window, QString::fromLatin1(QTest::currentDataTag()).section(u':', 0, 0));
        // Centred on the screen, but for the frame the window system adds after placing it.
        const QPoint off_centre = window->geometry().center() - window->screen()->availableGeometry().center();
        QVERIFY(std::abs(off_centre.x()) <= 2 && std::abs(off_centre.y()) <= 2);
        // Only the about box has the main window as its owner.
        QCOMPARE(window->parentWidget() == m_main, answer.command == Command::about);
        QCOMPARE(window->accessibleName() == u"Acerca de Cuerdalokkk", answer.command == Command::about);
        m_main->action(answer.command).trigger();
        QCOMPARE(std::ranges::count_if(QApplication::topLevelWidgets(), &QWidget::isVisible), 2);
        const QString first = QApplication::focusWidget()->objectName();
        if (auto* word = window->findChild<QLineEdit*>(QStringLiteral("wordEdit")))
            word->setText(QStringLiteral("Pingüino"));
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
        // Discarded once closed: the next one is made afresh.
        if (answer.command != Command::high_scores && seen.back() == u"-")
            QTRY_VERIFY_WITH_TIMEOUT(window.isNull(), patience_ms);
        if (actions.endsWith(u"close")) { // opened again, it starts as it did
            open(answer.command);
            QCOMPARE(QApplication::focusWidget()->objectName(), first);
        }
    }

    // A word won, then lost by the ninth miss, whose piece is on screen behind the box
    // that says so; the record's name goes into the score table, saved by Aceptar.
    void one_player_game_to_a_saved_record()
    {
        m_test->file("palabras.txt") = "Cami\xd3n\r\n";
        auto* right = m_main->findChild<QListWidget*>(QStringLiteral("rightLetters")); // which has the focus
        QTest::keyClick(right, Qt::Key_F2);
        const QWidget* announcer = m_main->findChild<QWidget*>(QStringLiteral("announcer")); // for the screen reader
        QCOMPARE(announcer->accessibleName(), QStringLiteral("Palabra nueva de 6 letras."));
        QString ninth_piece_shown; // as each box opens: the word won, the word lost, the record's name
        m_test->prompts.while_open = [&] {
            ninth_piece_shown += QString::number(m_main->findChild<PictureBox*>(QStringLiteral("piece0"))->isVisible());
        };
        m_test->prompts.answers = {U"Núñez"};
        for (const QChar c : QStringLiteral("camióNbdefghjkl"))
            QTest::sendKeyEvent(QTest::Click, right, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QCOMPARE(ninth_piece_shown, QStringLiteral("011"));
        QVERIFY(QTest::qWaitForWindowActive(&m_test->program.score_window(), patience_ms));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // Aceptar has the focus
        QCOMPARE(m_test->file("puntuaciones.txt"), "<b>Ana</b> &lt;3\r\n5000\r\nN\xfa\xf1"
                                                   "ez\r\n1000\r\nQuiro\r\n1000\r\n");
    }

    // Qt's own buttons read in Spanish; texts are plain, and typed accents come back composed.
    void boxes()
    {
        DialogPrompts prompts;
        QTimer::singleShot(0, [] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box && box->icon() == QMessageBox::Critical && box->textFormat() == Qt::PlainText);
            QCOMPARE(box->windowTitle() + box->text() + box->buttons().front()->text(),
                     QStringLiteral("PeRdEdOrHas perdido...\nLa palabra era: <b>x</b>Aceptar"));
            // A screen reader gets the plain capitals.
            QCOMPARE(box->accessibleName() + box->findChild<QLabel*>("qt_msgbox_label")->accessibleName(),
                     QStringLiteral("PerdedorHas perdido... La palabra era: x"));
            box->buttons().front()->click();
        });
        prompts.spoken_message(U"Has perdido...\r\nLa palabra era: <b>x</b>", U"PeRdEdOr", MessageStyle::critical,
                               U"Has perdido...\r\nLa palabra era: x", U"Perdedor");
        QTimer::singleShot(0, [] {
            auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            QVERIFY(box);
            QCOMPARE(box->windowTitle() + box->labelText() + box->cancelButtonText(),
                     QStringLiteral("RecordIntroduce tu nombreCancelar"));
            box->setTextValue(QStringLiteral("Nu\u0301n\u0303ez"));
            box->accept();
        });
        QCOMPARE(prompts.input(U"Introduce tu nombre", U"Record", U""), U"Núñez");
    }

    void new_game_request_waits_for_the_handler()
    {
        HandlerQueue queue;
        QStringList events;
        queue.set_one_player_command([&] { queue.run([&] { events << QStringLiteral("new game"); }); });
        DialogPrompts prompts;
        QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); }); // in the box's own loop
        queue.run([&] {
            queue.request_one_player_game();
            // The box's own event loop must not start the new game under this handler.
            prompts.message(U"Has ganado", U"¡¡¡GaNaDoR!!!", MessageStyle::information);
            events << QStringLiteral("handler ends");
        });
        QTRY_COMPARE_WITH_TIMEOUT(events, (QStringList{"handler ends", "new game"}), patience_ms);
    }

    // The main window's close box ends the program, with the other windows open.
    void program_ends()
    {
        m_main->action(Mode::one_player).trigger();
        for (Command command : {Command::add_words, Command::high_scores, Command::about})
            m_main->action(command).trigger();
        QTimer::singleShot(0, m_main, [this] { m_main->close(); });
        QTimer::singleShot(patience_ms, [] { QCoreApplication::exit(1); }); // not ended: fail, not hang
        QCOMPARE(QApplication::exec(), 0);
    }
};

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
