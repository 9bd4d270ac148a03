#include <QAction>
#include <QInputDialog>
#include <QLabel>
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

class ProgramTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { install_spanish_qt_texts(*qApp); }

    // A word won, then nine misses, the record's name asked for, and the table saved by Aceptar.
    void one_player_game_to_a_saved_record()
    {
        TestProgram test;
        QVERIFY(test.start("Cami\xd3n\r\n"));
        MainWindow& window = test.program.main_window();
        auto* right = window.findChild<QListWidget*>(QStringLiteral("rightLetters")); // which has the focus
        auto type = [right](const QString& letters) {
            for (const QChar c : letters)
                QTest::sendKeyEvent(QTest::Click, right, Qt::Key_unknown, QString(c), Qt::NoModifier);
        };
        QTest::keyClick(right, Qt::Key_F2);
        type(QStringLiteral("camióN")); // the last letter wins the word
        QCOMPARE(QString::fromStdU32String(test.prompts.messages.back().title), QStringLiteral("¡¡¡GaNaDoR!!!"));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("points"))->text(), QStringLiteral("1000 puntos."));

        // The ninth piece is on screen behind the box that says the word is lost.
        bool ninth_piece_shown = false;
        test.prompts.while_open = [&] {
            ninth_piece_shown = window.findChild<PictureBox*>(QStringLiteral("piece0"))->isVisible();
        };
        test.prompts.answers = {U"Núñez"};
        type(QStringLiteral("bdefghjkl"));
        QCOMPARE(QString::fromStdU32String(test.prompts.messages.at(1).text),
                 QStringLiteral("Has perdido...\r\nLa palabra era: CamiÓn"));
        QVERIFY(ninth_piece_shown);
        QVERIFY(!window.findChild<QLabel*>(QStringLiteral("scoreCaption"))->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(&test.program.score_window()));
        QCOMPARE(test.program.score_window().cell(0).text(), QStringLiteral("Núñez"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // Aceptar has the focus
        QCOMPARE(test.file("puntuaciones.txt"), "N\xfa\xf1"
                                                "ez\r\n1000\r\nQuiro\r\n1000\r\nQuiro\r\n1000\r\n");
    }

    // Qt's own buttons read in Spanish; texts are plain, and typed accents come back composed.
    void boxes()
    {
        DialogPrompts prompts;
        QTimer::singleShot(0, [] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box && box->icon() == QMessageBox::Critical && box->textFormat() == Qt::PlainText);
            QCOMPARE(box->windowTitle() + box->text(),
                     QStringLiteral("PeRdEdOrHas perdido...\nLa palabra era: <b>x</b>"));
            QCOMPARE(box->buttons().front()->text(), QStringLiteral("Aceptar"));
            box->buttons().front()->click();
        });
        prompts.message(U"Has perdido...\r\nLa palabra era: <b>x</b>", U"PeRdEdOr", MessageStyle::critical);
        for (bool ok : {true, false}) {
            QTimer::singleShot(0, [ok] {
                auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
                QVERIFY(box);
                QCOMPARE(box->windowTitle() + box->labelText(), QStringLiteral("RecordIntroduce tu nombre"));
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

    // The main window's close box ends the program, with the other windows open.
    void program_ends()
    {
        TestProgram test;
        QVERIFY(test.start("Feo\r\n"));
        MainWindow& window = test.program.main_window();
        for (Command command : {Command::one_player, Command::add_words, Command::high_scores, Command::about})
            window.action(command).trigger();
        QTimer::singleShot(0, &window, [&] { window.close(); });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(1); }); // not ended: fail, not hang
        QCOMPARE(QApplication::exec(), 0);
    }
};

QTEST_MAIN(ProgramTest)
#include "program_test.moc"
