#include <QAction>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "dialog_prompts.h"
#include "form2.h"
#include "handler_queue.h"
#include "picture_box.h"
#include "test_program.h"

namespace {
void type(QWidget* widget, const QString& letters)
{
    for (const QChar c : letters)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

QListWidget* list(Form1& form1, const char* name)
{
    return form1.findChild<QListWidget*>(QString::fromLatin1(name));
}
} // namespace

class ProgramTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void one_player_game_to_a_saved_record()
    {
        TestProgram test;
        QVERIFY(test.start("Cami\xd3n\r\n"));
        Form1& form1 = test.program.form1();
        QListWidget* list1 = list(form1, "List1");
        QListWidget* list2 = list(form1, "List2");
        const auto* score = form1.findChild<QLabel*>(QStringLiteral("Label3"));

        QTest::keyClick(list1, Qt::Key_F2);
        type(list1, QStringLiteral("camió"));
        list2->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), list2);
        type(list2, QStringLiteral("N")); // the last letter wins the word
        QCOMPARE(QString::fromStdU32String(test.prompts.messages.back().title), QStringLiteral("¡¡¡GaNaDoR!!!"));
        QCOMPARE(form1.findChild<QLabel*>(QStringLiteral("Label4"))->text(), QStringLiteral("1000 puntos."));
        QVERIFY(score->isVisible());

        // Nine misses; the ninth piece is on screen behind the box that says so.
        bool ninth_piece_shown = false;
        test.prompts.while_open = [&] {
            ninth_piece_shown = form1.findChild<PictureBox*>(QStringLiteral("Image9(0)"))->isVisible();
        };
        test.prompts.answers = {U"Núñez"};
        type(list2, QStringLiteral("bdefghjkl"));
        const auto lost = test.prompts.messages.at(1);
        QCOMPARE(QString::fromStdU32String(lost.title), QStringLiteral("PeRdEdOr"));
        QCOMPARE(QString::fromStdU32String(lost.text), QStringLiteral("Has perdido...\r\nLa palabra era: CamiÓn"));
        QVERIFY(ninth_piece_shown);
        QVERIFY(!score->isVisible());

        // The record: the name was asked, the table is shown and saved by Aceptar.
        QCOMPARE(QString::fromStdU32String(test.prompts.inputs.at(0).title), QStringLiteral("Record"));
        Form3& form3 = test.program.form3();
        QVERIFY(QTest::qWaitForWindowActive(&form3));
        QCOMPARE(form3.cell(0).text(), QStringLiteral("Núñez"));
        QCOMPARE(form3.cell(1).text(), QStringLiteral("1000"));
        type(list1, QStringLiteral("a")); // the word is over: nothing more reaches the game
        QCOMPARE(list1->count(), 0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // Aceptar has the focus
        QVERIFY(!form3.isVisible());
        QCOMPARE(test.file("puntuaciones.txt"), "N\xfa\xf1" "ez\r\n1000\r\nQuiro\r\n1000\r\nQuiro\r\n1000\r\n");
    }

    // Another window opened mid-game leaves the game as it was; typing in Form2 adds nothing to it.
    void commands_leave_the_game_going_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("Ver puntuaciones máximas...") << "ver";
        QTest::newRow("Introducir palabras nuevas") << "pn";
        QTest::newRow("Acerca de...") << "about";
        QTest::newRow("1 Jugador starts afresh") << "one";
    }
    void commands_leave_the_game_going()
    {
        QFETCH(QString, command);
        TestProgram test;
        QVERIFY(test.start("Feo\r\n"));
        Form1& form1 = test.program.form1();
        QListWidget* list1 = list(form1, "List1");
        QTest::keyClick(list1, Qt::Key_F2);
        type(list1, QStringLiteral("x"));
        form1.command(command.toLatin1().constData()).trigger();
        if (Form2* form2 = test.program.form2()) {
            QVERIFY(QTest::qWaitForWindowActive(form2));
            auto* text1 = form2->findChild<QLineEdit*>(QStringLiteral("Text1"));
            type(text1, QStringLiteral("fex"));
            QInputMethodEvent composed;
            composed.setCommitString(QStringLiteral("ó"));
            QApplication::sendEvent(text1, &composed);
            QCOMPARE(text1->text(), QStringLiteral("fexó"));
            QCOMPARE(list1->count() + list(form1, "List2")->count(), 1);
        }
        form1.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form1));
        list1->setFocus();
        type(list1, QStringLiteral("e"));
        QVERIFY(test.program.game().state().guessing_on);
        QCOMPARE(list1->count(), 1);
        QCOMPARE(list(form1, "List2")->count(), command == u"one" ? 0 : 1);
    }

    void message_box_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("icon");
        QTest::newRow("16, critical") << int(MessageStyle::critical) << int(QMessageBox::Critical);
        QTest::newRow("64, information") << int(MessageStyle::information) << int(QMessageBox::Information);
    }
    void message_box()
    {
        QFETCH(int, style);
        QFETCH(int, icon);
        QMessageBox* seen = nullptr;
        QString text;
        QTimer::singleShot(0, [&] {
            seen = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(seen);
            text = seen->text();
            QCOMPARE(seen->windowTitle(), QStringLiteral("PeRdEdOr"));
            QCOMPARE(int(seen->icon()), icon);
            QCOMPARE(seen->buttons().size(), 1);
            QCOMPARE(seen->textFormat(), Qt::PlainText); // a typed word never becomes markup
            seen->button(QMessageBox::Ok)->click();
        });
        DialogPrompts prompts;
        prompts.message(U"Has perdido...\r\nLa palabra era: <b>x</b>", U"PeRdEdOr", MessageStyle(style));
        QVERIFY(seen);
        QCOMPARE(text, QStringLiteral("Has perdido...\nLa palabra era: <b>x</b>"));
    }

    void input_box_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("answer");
        QTest::newRow("decomposed accents come back composed") << "Nu\u0301n\u0303ez" << true << "Núñez";
        QTest::newRow("Cancel gives the empty text") << "Núñez" << false << "";
    }
    void input_box()
    {
        QFETCH(QString, typed);
        QFETCH(bool, ok);
        QFETCH(QString, answer);
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            QVERIFY(box);
            QCOMPARE(box->windowTitle(), QStringLiteral("Record"));
            QCOMPARE(box->labelText(), QStringLiteral("Introduce tu nombre"));
            box->setTextValue(typed);
            ok ? box->accept() : box->reject();
        });
        DialogPrompts prompts;
        QCOMPARE(QString::fromStdU32String(prompts.input(U"Introduce tu nombre", U"Record", U"")), answer);
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
        QTest::addColumn<QString>("how");
        QTest::newRow("Salir") << "sortir";
        QTest::newRow("the main window's close box, with the other windows open") << "close";
    }
    void program_ends()
    {
        QFETCH(QString, how);
        TestProgram test;
        QVERIFY(test.start("Feo\r\n"));
        Form1& form1 = test.program.form1();
        for (const char* command : {"one", "pn", "ver", "about"})
            form1.command(command).trigger();
        QTimer::singleShot(0, &form1, [&] {
            how == u"close" ? void(form1.close()) : form1.command("sortir").trigger();
        });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(1); }); // not ended: fail, not hang
        QCOMPARE(QApplication::exec(), 0);
    }
};

QTEST_MAIN(ProgramTest)
#include "program_test.moc"
