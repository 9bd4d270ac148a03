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
#include "slot_row.h"
#include "status_bar.h"
#include "test_program.h"

class ProgramTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void one_player_game_to_a_saved_record();
    void letters_typed_in_form2_stay_out_of_the_game();
    void commands_work_during_a_game_data();
    void commands_work_during_a_game();
    void message_box_data();
    void message_box();
    void input_box_data();
    void input_box();
    void new_game_request_waits_for_the_handler();
    void program_ends_data();
    void program_ends();

private:
    static void type(QWidget* widget, const QString& letters);
};

void ProgramTest::type(QWidget* widget, const QString& letters)
{
    for (const QChar c : letters)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void ProgramTest::one_player_game_to_a_saved_record()
{
    TestProgram test;
    QVERIFY(test.start("Cami\xd3n\r\n"));
    Form1& form1 = test.program.form1();
    auto* list1 = form1.findChild<QListWidget*>(QStringLiteral("List1"));
    auto* list2 = form1.findChild<QListWidget*>(QStringLiteral("List2"));
    const auto* slots = form1.findChild<SlotRow*>();
    const auto* status = form1.findChild<StatusBar*>();

    QTest::keyClick(list1, Qt::Key_F2);
    QCOMPARE(slots->slot_count(), 6);
    type(list1, QStringLiteral("cami"));
    QTest::sendKeyEvent(QTest::Click, list1, Qt::Key_Oacute, QStringLiteral("ó"), Qt::NoModifier);
    list2->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), list2);
    type(list2, QStringLiteral("N")); // the last letter wins the word
    QCOMPARE(QString::fromStdU32String(test.prompts.messages.back().title), QStringLiteral("¡¡¡GaNaDoR!!!"));
    QCOMPARE(form1.findChild<QLabel*>(QStringLiteral("Label4"))->text(), QStringLiteral("1000 puntos."));
    QVERIFY(form1.findChild<QLabel*>(QStringLiteral("Label3"))->isVisible());
    QCOMPARE(slots->caption(1), QStringLiteral(" ")); // the next word, not guessed yet
    QCOMPARE(list1->count(), 0);

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
    QCOMPARE(list2->count(), 9);
    QCOMPARE(status->panel(6).text(), QStringLiteral("Fallos: 9"));
    QVERIFY(!form1.findChild<QLabel*>(QStringLiteral("Label3"))->isVisible());

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

void ProgramTest::letters_typed_in_form2_stay_out_of_the_game()
{
    TestProgram test;
    QVERIFY(test.start("Feo\r\n"));
    Form1& form1 = test.program.form1();
    form1.command("one").trigger();
    form1.command("pn").trigger();
    Form2* form2 = test.program.form2();
    QVERIFY(QTest::qWaitForWindowActive(form2));
    auto* text1 = form2->findChild<QLineEdit*>(QStringLiteral("Text1"));
    type(text1, QStringLiteral("fex"));
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("ó"));
    QApplication::sendEvent(text1, &composed);
    QCOMPARE(text1->text(), QStringLiteral("fexó"));
    QCOMPARE(form1.findChild<QListWidget*>(QStringLiteral("List1"))->count(), 0);
    QCOMPARE(form1.findChild<QListWidget*>(QStringLiteral("List2"))->count(), 0);
    QVERIFY(test.program.game().state().guessing_on);
}

void ProgramTest::commands_work_during_a_game_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("game_goes_on");
    QTest::newRow("Ver puntuaciones máximas...") << "ver" << true;
    QTest::newRow("Introducir palabras nuevas") << "pn" << true;
    QTest::newRow("Acerca de...") << "about" << true;
    QTest::newRow("1 Jugador starts afresh") << "one" << true;
}

void ProgramTest::commands_work_during_a_game()
{
    QFETCH(QString, command);
    QFETCH(bool, game_goes_on);
    TestProgram test;
    QVERIFY(test.start("Feo\r\n"));
    Form1& form1 = test.program.form1();
    auto* list1 = form1.findChild<QListWidget*>(QStringLiteral("List1"));
    QTest::keyClick(list1, Qt::Key_F2);
    type(list1, QStringLiteral("x"));
    form1.command(command.toLatin1().constData()).trigger();
    form1.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form1));
    list1->setFocus();
    type(list1, QStringLiteral("e"));
    QCOMPARE(test.program.game().state().guessing_on, game_goes_on);
    QCOMPARE(list1->count(), 1);
    QCOMPARE(form1.findChild<QListWidget*>(QStringLiteral("List2"))->count(), command == u"one" ? 0 : 1);
}

void ProgramTest::message_box_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("icon");
    QTest::newRow("16, critical") << int(MessageStyle::critical) << int(QMessageBox::Critical);
    QTest::newRow("64, information") << int(MessageStyle::information) << int(QMessageBox::Information);
}

void ProgramTest::message_box()
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

void ProgramTest::input_box_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("answer");
    QTest::newRow("OK gives the text") << "Núñez" << true << "Núñez";
    QTest::newRow("decomposed accents come back composed") << "Nu\u0301n\u0303ez" << true << "Núñez";
    QTest::newRow("Cancel gives the empty text") << "Núñez" << false << "";
}

void ProgramTest::input_box()
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

void ProgramTest::new_game_request_waits_for_the_handler()
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

void ProgramTest::program_ends_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Salir") << "sortir";
    QTest::newRow("the main window's close box, with the other windows open") << "close";
}

void ProgramTest::program_ends()
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

QTEST_MAIN(ProgramTest)
#include "program_test.moc"
