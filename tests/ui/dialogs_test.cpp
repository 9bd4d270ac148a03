#include <QAction>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "control_checks.h"
#include "form2.h"
#include "frm_about.h"
#include "test_program.h"

namespace {
const char* const scores = "Ana\r\n5000\r\nQuiro\r\n1000\r\nQuiro\r\n1000\r\n";

// What a menu command opens: its title, size, kind and first focus.
struct Kind {
    const char* command;
    const char* title;
    QSize size;
    Qt::WindowType type;
    const char* focus;
};

struct Insertion {
    const char* before;
    int caret;
    const char* typed;
    const char* after;
};

struct Answer {
    const char* command;
    const char* actions; // keys, buttons to click, or "close"
    const char* focus;
    bool writes = false;
};
} // namespace

class DialogsTest : public QObject {
    Q_OBJECT
    TestProgram* m_test = nullptr;

    // The window the menu command opens, once it is the active window.
    QWidget* open(const QString& command)
    {
        Program& program = m_test->program;
        program.form1().command(command.toLatin1().constData()).trigger();
        QWidget* window = command == u"pn" ? static_cast<QWidget*>(program.form2())
                          : command == u"ver" ? static_cast<QWidget*>(&program.form3())
                                              : static_cast<QWidget*>(program.about());
        // A dialog with an owner counts as active with it; wait for it to be active itself.
        if (!window || !QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }))
            qFatal("%s opened no window", qPrintable(command));
        return window;
    }

private Q_SLOTS:
    void init()
    {
        m_test = new TestProgram;
        QVERIFY(m_test->start("Feo\r\n"));
        m_test->file("puntuaciones.txt") = scores;
    }
    void cleanup() { delete m_test; }

    void form2_control_data()
    {
        QTest::addColumn<Control>("control");
        control_row({"Frame1", {0, 0, 441, 121}, "Añadir"});
        control_row({"Text1", {8, 24, 265, 19}});
        control_row({"Command1", {304, 24, 121, 41}, "Añadir palabras"});
        control_row({"Command2", {304, 72, 121, 41}}); // the stop sign
    }
    void form2_control() { check_control(open("pn")); }

    void form3_control_data()
    {
        QTest::addColumn<Control>("control");
        const char* const bold = "Liberation Sans 11 bold";
        control_row({"Label1", {8, 16, 73, 17}, "Clasificación", bold});
        control_row({"Label2", {104, 16, 57, 17}, "Nombre", bold});
        control_row({"Label3", {288, 16, 73, 17}, "Puntuación", bold});
        control_row({"Label4", {16, 56, 9, 17}, "1"});
        control_row({"Label5", {16, 88, 9, 17}, "2"});
        control_row({"Label6", {16, 120, 9, 17}, "3"});
        control_row({"Label7(0)", {104, 56, 169, 17}, "Ana"});
        control_row({"Label7(2)", {104, 88, 169, 17}, "Quiro"});
        control_row({"Label7(4)", {104, 120, 169, 17}, "Quiro"});
        control_row({"Label7(1)", {288, 56, 65, 17}, "5000"});
        control_row({"Label7(3)", {288, 88, 73, 17}, "1000"});
        control_row({"Label7(5)", {288, 120, 65, 17}, "1000"});
        control_row({"Command2", {128, 160, 73, 25}, "Aceptar"});
        control_row({"Command3", {288, 160, 73, 25}, "Borrar"});
        control_row({"Command1", {208, 160, 73, 25}, "Cancelar"});
    }
    void form3_control() { check_control(open("ver")); }

    void about_control_data()
    {
        QTest::addColumn<Control>("control");
        control_row({"cmdOK", {288, 128, 100, 23}, "Aceptar"});
        control_row({"picIcon", {16, 16, 36, 36}});
        control_row({"lblTitle", {70, 16, 259, 32}, "CuErDaLoKKK", "Liberation Sans 32 bold"});
        control_row({"lblVersion", {72, 56, 59, 15}, "Versión 1.0"});
        control_row({"lblDescription", {72, 80, 83, 22}, "Freeware", "Liberation Sans 16 bold"});
        control_row({"Label1", {240, 96, 137, 17}, "Autor: los colaboradores"}); // the credit
    }
    void about_control() { check_control(open("about")); }

    void window_kind_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::newRow("Form2") << Kind{"pn", "Añadir palabras al fitxero...", {443, 124}, Qt::Tool, "Text1"};
        QTest::newRow("Form3") << Kind{"ver", "Puntuaciones", {367, 195}, Qt::Tool, "Command2"};
        QTest::newRow("frmAbout") << Kind{"about", "Acerca de CuerdaloKKK", {395, 159}, Qt::Dialog, "cmdOK"};
    }
    void window_kind()
    {
        QFETCH(Kind, kind);
        QWidget* window = open(kind.command);
        QCOMPARE(window->windowTitle(), QString::fromUtf8(kind.title));
        QCOMPARE(window->size(), kind.size);
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QCOMPARE(window->windowType(), kind.type);
        QVERIFY(!(window->windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));
        QVERIFY(!window->isModal());
        QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(kind.focus));
        // Centred on the screen, but for the frame the window system adds after placing it.
        const QPoint off_centre = window->geometry().center() - window->screen()->availableGeometry().center();
        QVERIFY(std::abs(off_centre.x()) <= 2 && std::abs(off_centre.y()) <= 2);
        // Only the about box has the main window as its owner.
        QCOMPARE(window->parentWidget() == &m_test->program.form1(), kind.type == Qt::Dialog);
        check_captions(window);
    }

    // Typed into a full Text1 at the caret, a character pushes the last one out.
    void twenty_character_rule_data()
    {
        QTest::addColumn<Insertion>("insertion");
        QTest::newRow("20th character is taken") << Insertion{"abcdefghijklmnopqrs", 19, "t", "abcdefghijklmnopqrst"};
        QTest::newRow("21st at the end is dropped") << Insertion{"abcdefghijklmnopqrst", 20, "u", "abcdefghijklmnopqrst"};
        QTest::newRow("21st with the caret in the middle drops the last one")
            << Insertion{"abcdefghijklmnopqrst", 5, "X", "abcdeXfghijklmnopqrs"};
        QTest::newRow("ñ at the start") << Insertion{"abcdefghijklmnopqrst", 0, "ñ", "ñabcdefghijklmnopqrs"};
    }
    void twenty_character_rule()
    {
        QFETCH(Insertion, insertion);
        auto* text1 = open("pn")->findChild<QLineEdit*>(QStringLiteral("Text1"));
        text1->setText(QString::fromLatin1(insertion.before));
        text1->setCursorPosition(insertion.caret);
        QTest::sendKeyEvent(QTest::Click, text1, Qt::Key_unknown, QString::fromUtf8(insertion.typed), Qt::NoModifier);
        QCOMPARE(text1->text(), QString::fromUtf8(insertion.after));
        QCOMPARE(text1->cursorPosition(), 20);
    }

    // Keys, button clicks and the close box in the small windows: where the focus
    // goes after each ("-" once closed), and whether the window writes its file.
    // Form2 has "Pingüino" typed in.
    void small_window_answers_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::newRow("Form2: Tab order") << Answer{"pn", "Tab Tab Tab", "Command1 Command2 Text1"};
        QTest::newRow("Form2: Enter in Text1 adds the word") << Answer{"pn", "Return", "-", true};
        QTest::newRow("Form2: Añadir palabras adds the word") << Answer{"pn", "Command1", "-", true};
        QTest::newRow("Form2: the stop sign adds nothing") << Answer{"pn", "Command2", "-"};
        QTest::newRow("Form2: the close box adds nothing") << Answer{"pn", "close", "-"};
        // The buttons read Aceptar, Cancelar, Borrar; Tab goes Aceptar, Borrar, Cancelar.
        QTest::newRow("Form3: Tab order") << Answer{"ver", "Tab Tab Tab", "Command3 Command1 Command2"};
        QTest::newRow("Form3: Escape does nothing") << Answer{"ver", "Esc", "Command2"};
        QTest::newRow("Form3: Enter presses the focused Aceptar") << Answer{"ver", "Return", "-"};
        QTest::newRow("Form3: Enter on Cancelar") << Answer{"ver", "Tab Tab Return", "Command3 Command1 -"};
        QTest::newRow("Form3: Enter on Borrar resets, stays open") << Answer{"ver", "Tab Return", "Command3 Command3", true};
        QTest::newRow("Form3: the close box writes nothing") << Answer{"ver", "Tab close", "Command3 -"};
        QTest::newRow("frmAbout: Tab") << Answer{"about", "Tab", "cmdOK"};
        QTest::newRow("frmAbout: Enter") << Answer{"about", "Return", "-"};
        QTest::newRow("frmAbout: keypad Enter") << Answer{"about", "Enter", "-"};
        QTest::newRow("frmAbout: Escape") << Answer{"about", "Esc", "-"};
        QTest::newRow("frmAbout: Aceptar") << Answer{"about", "cmdOK", "-"};
        QTest::newRow("frmAbout: the close box") << Answer{"about", "close", "-"};
    }
    void small_window_answers()
    {
        QFETCH(Answer, answer);
        const QString command = QString::fromLatin1(answer.command), actions = QString::fromLatin1(answer.actions);
        QPointer<QWidget> window = open(command);
        const QString first = QApplication::focusWidget()->objectName();
        if (command == u"pn") {
            auto* text1 = window->findChild<QLineEdit*>(QStringLiteral("Text1"));
            QTest::keyClicks(text1, QStringLiteral("Ping"));
            QTest::sendKeyEvent(QTest::Click, text1, Qt::Key_unknown, QStringLiteral("ü"), Qt::NoModifier);
            QTest::keyClicks(text1, QStringLiteral("ino"));
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
        QCOMPARE(m_test->file("palabras.txt"), command == u"pn" && answer.writes ? "Feo\r\nPing\xfcino\r\n" : "Feo\r\n");
        QCOMPARE(m_test->file("puntuaciones.txt").substr(0, 5), command == u"ver" && answer.writes ? "Quiro" : "Ana\r\n");
        if (command != u"ver" && seen.back() == u"-")
            QTRY_VERIFY(window.isNull()); // discarded: the next one is made afresh
        if (actions.endsWith(u"close")) { // opened again, it starts as it did
            open(command);
            QCOMPARE(QApplication::focusWidget()->objectName(), first);
        }
    }

    void each_window_is_single()
    {
        for (const char* command : {"pn", "ver", "about", "pn", "ver", "about"})
            m_test->program.form1().command(command).trigger();
        QCOMPARE(m_test->program.form1().findChildren<FrmAbout*>().size(), 1);
        int form2s = 0;
        for (QWidget* window : QApplication::topLevelWidgets())
            form2s += qobject_cast<Form2*>(window) && window->isVisible();
        QCOMPARE(form2s, 1);
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
