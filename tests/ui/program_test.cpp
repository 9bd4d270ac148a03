#include <QAction>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "tests/ui/test_program.h"
#include "ui/dialog_prompts.h"
#include "ui/handler_queue.h"
#include "ui/picture_box.h"
#include "ui/spanish_qt_texts.h"

namespace {
void type(QWidget* widget, const QString& letters)
{
    for (const QChar c : letters)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

QListWidget* list(MainWindow& window, const char* name)
{
    return window.findChild<QListWidget*>(QString::fromLatin1(name));
}
} // namespace

class ProgramTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { install_spanish_qt_texts(*qApp); }

    void one_player_game_to_a_saved_record()
    {
        TestProgram test;
        QVERIFY(test.start("Cami\xd3n\r\n"));
        MainWindow& window = test.program.main_window();
        QListWidget* right = list(window, "rightLetters");
        QListWidget* wrong = list(window, "wrongLetters");
        const auto* score = window.findChild<QLabel*>(QStringLiteral("scoreCaption"));

        QTest::keyClick(right, Qt::Key_F2);
        type(right, QStringLiteral("camió"));
        wrong->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), wrong);
        type(wrong, QStringLiteral("N")); // the last letter wins the word
        QCOMPARE(QString::fromStdU32String(test.prompts.messages.back().title), QStringLiteral("¡¡¡GaNaDoR!!!"));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("points"))->text(), QStringLiteral("1000 puntos."));
        QVERIFY(score->isVisible());

        // Nine misses; the ninth piece is on screen behind the box that says so.
        bool ninth_piece_shown = false;
        test.prompts.while_open = [&] {
            ninth_piece_shown = window.findChild<PictureBox*>(QStringLiteral("piece0"))->isVisible();
        };
        test.prompts.answers = {U"Núñez"};
        type(wrong, QStringLiteral("bdefghjkl"));
        const auto lost = test.prompts.messages.at(1);
        QCOMPARE(QString::fromStdU32String(lost.title), QStringLiteral("PeRdEdOr"));
        QCOMPARE(QString::fromStdU32String(lost.text), QStringLiteral("Has perdido...\r\nLa palabra era: CamiÓn"));
        QVERIFY(ninth_piece_shown);
        QVERIFY(!score->isVisible());

        // The record: the name was asked, the table is shown and saved by Aceptar.
        QCOMPARE(QString::fromStdU32String(test.prompts.inputs.at(0).title), QStringLiteral("Record"));
        ScoreWindow& scores = test.program.score_window();
        QVERIFY(QTest::qWaitForWindowActive(&scores));
        QCOMPARE(scores.cell(0).text(), QStringLiteral("Núñez"));
        QCOMPARE(scores.cell(1).text(), QStringLiteral("1000"));
        type(right, QStringLiteral("a")); // the word is over: nothing more reaches the game
        QCOMPARE(right->count(), 0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // Aceptar has the focus
        QVERIFY(!scores.isVisible());
        QCOMPARE(test.file("puntuaciones.txt"), "N\xfa\xf1"
                                                "ez\r\n1000\r\nQuiro\r\n1000\r\nQuiro\r\n1000\r\n");
    }

    // Typed into the add-words dialog, letters add nothing to the game going on.
    void add_words_dialog_leaves_the_game_alone()
    {
        TestProgram test;
        QVERIFY(test.start("Feo\r\n"));
        MainWindow& window = test.program.main_window();
        QTest::keyClick(list(window, "rightLetters"), Qt::Key_F2);
        window.action(Command::add_words).trigger();
        QVERIFY(QTest::qWaitForWindowActive(test.program.add_words_dialog()));
        auto* word = test.program.add_words_dialog()->findChild<QLineEdit*>(QStringLiteral("wordEdit"));
        type(word, QStringLiteral("fex"));
        QInputMethodEvent composed;
        composed.setCommitString(QStringLiteral("ó"));
        QApplication::sendEvent(word, &composed);
        QCOMPARE(word->text(), QStringLiteral("fexó"));
        QVERIFY(test.program.game().board().right_letters.empty() && test.program.game().state().guessing_on);
    }

    // Qt's own buttons read in Spanish; texts are plain, and typed accents come back composed.
    void boxes()
    {
        DialogPrompts prompts;
        QTimer::singleShot(0, [] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box && box->icon() == QMessageBox::Critical && box->buttons().size() == 1);
            QCOMPARE(box->windowTitle(), QStringLiteral("PeRdEdOr"));
            QCOMPARE(box->buttons().front()->text(), QStringLiteral("Aceptar"));
            QCOMPARE(box->textFormat(), Qt::PlainText);
            QCOMPARE(box->text(), QStringLiteral("Has perdido...\nLa palabra era: <b>x</b>"));
            box->buttons().front()->click();
        });
        prompts.message(U"Has perdido...\r\nLa palabra era: <b>x</b>", U"PeRdEdOr", MessageStyle::critical);
        for (bool ok : {true, false}) {
            QTimer::singleShot(0, [ok] {
                auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
                QVERIFY(box);
                QCOMPARE(box->windowTitle(), QStringLiteral("Record"));
                QCOMPARE(box->labelText(), QStringLiteral("Introduce tu nombre"));
                QCOMPARE(box->cancelButtonText(), QStringLiteral("Cancelar"));
                box->setTextValue(QStringLiteral("Nu\u0301n\u0303ez"));
                ok ? box->accept() : box->reject();
            });
            QCOMPARE(prompts.input(U"Introduce tu nombre", U"Record", U""), ok ? U"Núñez" : U"");
        }
    }

    void new_game_request_waits_for_the_handler()
    {
        HandlerQueue queue;
        QStringList events;
        queue.set_one_player_command([&] { queue.run([&] { events << QStringLiteral("new game"); }); });
        DialogPrompts prompts;
        QTimer::singleShot(20, [] { QApplication::activeModalWidget()->close(); });
        queue.run([&] {
            queue.request_one_player_game();
            events << QStringLiteral("box opens");
            // The box's own event loop must not start the new game under this handler.
            prompts.message(U"Has ganado", U"¡¡¡GaNaDoR!!!", MessageStyle::information);
            events << QStringLiteral("handler ends");
        });
        QTRY_COMPARE(events, (QStringList{"box opens", "handler ends", "new game"}));
    }

    void program_ends_data()
    {
        QTest::addColumn<bool>("by_close_box");
        QTest::newRow("Salir") << false;
        QTest::newRow("the main window's close box, with the other windows open") << true;
    }
    void program_ends()
    {
        QFETCH(bool, by_close_box);
        TestProgram test;
        QVERIFY(test.start("Feo\r\n"));
        MainWindow& window = test.program.main_window();
        for (Command command : {Command::one_player, Command::add_words, Command::high_scores, Command::about})
            window.action(command).trigger();
        QTimer::singleShot(0, &window,
                           [&] { by_close_box ? void(window.close()) : window.action(Command::quit).trigger(); });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(1); }); // not ended: fail, not hang
        QCOMPARE(QApplication::exec(), 0);
    }
};

QTEST_MAIN(ProgramTest)
#include "program_test.moc"
