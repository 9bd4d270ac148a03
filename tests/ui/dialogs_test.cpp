#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "control_checks.h"
#include "form2.h"
#include "frm_about.h"
#include "test_program.h"

class DialogsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup() { delete m_test; }
    void form2_control_data();
    void form2_control();
    void form3_control_data();
    void form3_control();
    void about_control_data();
    void about_control();
    void window_kind_data();
    void window_kind();
    void no_caption_is_clipped();
    void every_control_named();
    void twenty_character_rule_data();
    void twenty_character_rule();
    void form2_closing_data();
    void form2_closing();
    void tab_order_data();
    void tab_order();
    void form3_keys_data();
    void form3_keys();
    void form3_title_bar_close_writes_nothing();
    void about_closing_data();
    void about_closing();
    void each_window_is_single();

private:
    QWidget* open(const char* command);
    Form2& form2();

    TestProgram* m_test = nullptr;
};

namespace {
const QString sans = QStringLiteral("Liberation Sans");
}

void DialogsTest::init()
{
    m_test = new TestProgram;
    QVERIFY(m_test->start("Feo\r\n"));
}

// The window the menu command opens, once it is the active window.
QWidget* DialogsTest::open(const char* command)
{
    Program& program = m_test->program;
    program.form1().command(command).trigger();
    const std::string_view name = command;
    QWidget* window = name == "pn" ? static_cast<QWidget*>(program.form2())
                      : name == "ver" ? static_cast<QWidget*>(&program.form3())
                                      : static_cast<QWidget*>(program.about());
    // A dialog with an owner counts as active with it; wait for it to be active itself.
    if (!window || !QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }))
        qFatal("%s opened no window", command);
    return window;
}

Form2& DialogsTest::form2()
{
    return *qobject_cast<Form2*>(open("pn"));
}

void DialogsTest::form2_control_data()
{
    add_layout_columns();
    QTest::newRow("Frame1") << "Frame1" << QRect(0, 0, 441, 121) << "Añadir" << sans << 11 << false;
    QTest::newRow("Text1") << "Text1" << QRect(8, 24, 265, 19) << "" << sans << 11 << false;
    QTest::newRow("Command1") << "Command1" << QRect(304, 24, 121, 41) << "Añadir palabras" << sans << 11 << false;
    QTest::newRow("Command2, the stop sign") << "Command2" << QRect(304, 72, 121, 41) << "" << sans << 11 << false;
}

void DialogsTest::form2_control()
{
    check_control(&form2());
}

void DialogsTest::form3_control_data()
{
    add_layout_columns();
    const auto row = [](const char* name, QRect place, const char* caption, bool bold) {
        QTest::newRow(name) << name << place << QString::fromUtf8(caption) << sans << 11 << bold;
    };
    row("Label1", {8, 16, 73, 17}, "Clasificación", true);
    row("Label2", {104, 16, 57, 17}, "Nombre", true);
    row("Label3", {288, 16, 73, 17}, "Puntuación", true);
    row("Label4", {16, 56, 9, 17}, "1", false);
    row("Label5", {16, 88, 9, 17}, "2", false);
    row("Label6", {16, 120, 9, 17}, "3", false);
    row("Label7(0)", {104, 56, 169, 17}, "Quiro", false);
    row("Label7(2)", {104, 88, 169, 17}, "Quiro", false);
    row("Label7(4)", {104, 120, 169, 17}, "Quiro", false);
    row("Label7(1)", {288, 56, 65, 17}, "1000", false);
    row("Label7(3)", {288, 88, 73, 17}, "1000", false);
    row("Label7(5)", {288, 120, 65, 17}, "1000", false);
    row("Command2", {128, 160, 73, 25}, "Aceptar", false);
    row("Command3", {288, 160, 73, 25}, "Borrar", false);
    row("Command1", {208, 160, 73, 25}, "Cancelar", false);
}

void DialogsTest::form3_control()
{
    check_control(open("ver"));
}

void DialogsTest::about_control_data()
{
    add_layout_columns();
    QTest::newRow("cmdOK") << "cmdOK" << QRect(288, 128, 100, 23) << "Aceptar" << sans << 11 << false;
    QTest::newRow("picIcon") << "picIcon" << QRect(16, 16, 36, 36) << "" << sans << 11 << false;
    QTest::newRow("lblTitle") << "lblTitle" << QRect(70, 16, 259, 32) << "CuErDaLoKKK" << sans << 32 << true;
    QTest::newRow("lblVersion") << "lblVersion" << QRect(72, 56, 59, 15) << "Versión 1.0" << sans << 11 << false;
    QTest::newRow("lblDescription") << "lblDescription" << QRect(72, 80, 83, 22) << "Freeware" << sans << 16
                                    << true;
    QTest::newRow("Label1, the credit") << "Label1" << QRect(240, 96, 137, 17) << "Autor: los colaboradores"
                                        << sans << 11 << false;
}

void DialogsTest::about_control()
{
    check_control(open("about"));
}

void DialogsTest::window_kind_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("focus");
    QTest::newRow("Form2") << "pn" << "Añadir palabras al fitxero..." << QSize(443, 124) << int(Qt::Tool) << "Text1";
    QTest::newRow("Form3") << "ver" << "Puntuaciones" << QSize(367, 195) << int(Qt::Tool) << "Command2";
    QTest::newRow("frmAbout") << "about" << "Acerca de CuerdaloKKK" << QSize(395, 159) << int(Qt::Dialog) << "cmdOK";
}

void DialogsTest::window_kind()
{
    QFETCH(QString, command);
    QFETCH(QString, title);
    QFETCH(QSize, size);
    QFETCH(int, kind);
    QFETCH(QString, focus);
    QWidget* window = open(command.toLatin1().constData());
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), title);
    QCOMPARE(window->size(), size);
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QCOMPARE(int(window->windowType()), kind);
    QVERIFY(!(window->windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));
    QVERIFY(!window->isModal());
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    // Centred on the screen, but for the frame the window system adds after placing it.
    const QPoint off_centre = window->geometry().center() - window->screen()->availableGeometry().center();
    QVERIFY(std::abs(off_centre.x()) <= 2 && std::abs(off_centre.y()) <= 2);
    // Only the about box has the main window as its owner.
    QCOMPARE(window->parentWidget() == &m_test->program.form1(), command == u"about");
}

void DialogsTest::no_caption_is_clipped()
{
    for (const char* command : {"pn", "ver", "about"})
        check_no_text_clipped(open(command));
}

void DialogsTest::every_control_named()
{
    for (const char* command : {"pn", "ver", "about"})
        check_every_control_named(open(command));
    QCOMPARE(accessible_name(m_test->program.form2()->findChild<QWidget*>(QStringLiteral("Command2"))),
             QStringLiteral("Cerrar sin añadir"));
}

void DialogsTest::twenty_character_rule_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("caret_after");
    QTest::newRow("20th character is taken") << "abcdefghijklmnopqrs" << 19 << "t" << "abcdefghijklmnopqrst" << 20;
    QTest::newRow("21st at the end is dropped") << "abcdefghijklmnopqrst" << 20 << "u" << "abcdefghijklmnopqrst" << 20;
    QTest::newRow("21st with the caret in the middle drops the last one")
        << "abcdefghijklmnopqrst" << 5 << "X" << "abcdeXfghijklmnopqrs" << 20;
    QTest::newRow("ñ in the middle") << "abcdefghijklmnopqrst" << 0 << "ñ" << "ñabcdefghijklmnopqrs" << 20;
}

void DialogsTest::twenty_character_rule()
{
    QFETCH(QString, before);
    QFETCH(int, caret);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    QFETCH(int, caret_after);
    auto* text1 = form2().findChild<QLineEdit*>(QStringLiteral("Text1"));
    text1->setText(before);
    text1->setCursorPosition(caret);
    QTest::sendKeyEvent(QTest::Click, text1, Qt::Key_unknown, typed, Qt::NoModifier);
    QCOMPARE(text1->text(), after);
    QCOMPARE(text1->cursorPosition(), caret_after);
}

void DialogsTest::form2_closing_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QByteArray>("appended");
    QTest::newRow("Enter in Text1 adds the word") << "enter" << QByteArray("Ping\xfcino\r\n");
    QTest::newRow("Añadir palabras adds the word") << "Command1" << QByteArray("Ping\xfcino\r\n");
    QTest::newRow("the stop sign adds nothing") << "Command2" << QByteArray();
    QTest::newRow("the close box adds nothing") << "close" << QByteArray();
}

void DialogsTest::form2_closing()
{
    QFETCH(QString, how);
    QFETCH(QByteArray, appended);
    Form2& window = form2();
    auto* text1 = window.findChild<QLineEdit*>(QStringLiteral("Text1"));
    QTest::keyClicks(text1, QStringLiteral("Ping"));
    QTest::sendKeyEvent(QTest::Click, text1, Qt::Key_unknown, QStringLiteral("ü"), Qt::NoModifier);
    QTest::keyClicks(text1, QStringLiteral("ino"));
    if (how == u"enter")
        QTest::keyClick(text1, Qt::Key_Return);
    else if (how == u"close")
        window.QWidget::close();
    else
        QTest::mouseClick(window.findChild<QPushButton*>(how), Qt::LeftButton);
    QTRY_VERIFY(!m_test->program.form2()); // closed and discarded
    QCOMPARE(QByteArray::fromStdString(m_test->file("palabras.txt")), "Feo\r\n" + appended);
    QVERIFY(m_test->program.form1().findChild<QListWidget*>(QStringLiteral("List1"))->count() == 0);
}

void DialogsTest::tab_order_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("focus");
    QTest::newRow("Form2") << "pn" << QStringList{"Text1", "Command1", "Command2", "Text1"};
    // The buttons read Aceptar, Cancelar, Borrar; Tab goes Aceptar, Borrar, Cancelar.
    QTest::newRow("Form3") << "ver" << QStringList{"Command2", "Command3", "Command1", "Command2"};
    QTest::newRow("frmAbout") << "about" << QStringList{"cmdOK", "cmdOK"};
}

void DialogsTest::tab_order()
{
    QFETCH(QString, command);
    QFETCH(QStringList, focus);
    open(command.toLatin1().constData());
    QStringList seen{QApplication::focusWidget()->objectName()};
    while (seen.size() < focus.size()) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        seen << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(seen, focus);
}

void DialogsTest::form3_keys_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("open_after");
    QTest::addColumn<QString>("focus_after");
    QTest::newRow("Escape does nothing") << "Escape" << true << "Command2";
    QTest::newRow("Enter presses the focused Aceptar") << "Return" << false << "";
    QTest::newRow("Enter on Cancelar presses Cancelar") << "Tab Tab Return" << false << "";
    QTest::newRow("Enter on Borrar resets and stays open") << "Tab Return" << true << "Command3";
}

void DialogsTest::form3_keys()
{
    QFETCH(QString, keys);
    QFETCH(bool, open_after);
    QFETCH(QString, focus_after);
    m_test->file("puntuaciones.txt") = "Ana\r\n5000\r\nQuiro\r\n1000\r\nQuiro\r\n1000\r\n";
    QWidget* window = open("ver");
    for (const QString& key : keys.split(u' ')) {
        const Qt::Key code = key == u"Tab" ? Qt::Key_Tab : key == u"Return" ? Qt::Key_Return : Qt::Key_Escape;
        QTest::keyClick(QApplication::focusWidget(), code);
    }
    QCOMPARE(window->isVisible(), open_after);
    if (open_after)
        QCOMPARE(QApplication::focusWidget()->objectName(), focus_after);
    const bool reset = keys.endsWith(u"Tab Return") && open_after;
    QCOMPARE(m_test->file("puntuaciones.txt").substr(0, 5), reset ? "Quiro" : "Ana\r\n");
}

void DialogsTest::form3_title_bar_close_writes_nothing()
{
    m_test->file("puntuaciones.txt") = "Ana\r\n5000\r\nQuiro\r\n1000\r\nQuiro\r\n1000\r\n";
    QWidget* form3 = open("ver");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // to Borrar
    form3->close();
    QVERIFY(!form3->isVisible());
    QCOMPARE(m_test->file("puntuaciones.txt"), "Ana\r\n5000\r\nQuiro\r\n1000\r\nQuiro\r\n1000\r\n");
    // Opened again, it shows the file and Aceptar has the focus again.
    QCOMPARE(open("ver"), form3);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command2"));
    QCOMPARE(m_test->program.form3().cell(0).text(), QStringLiteral("Ana"));
}

void DialogsTest::about_closing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Enter") << "Return";
    QTest::newRow("keypad Enter") << "Enter";
    QTest::newRow("Escape") << "Escape";
    QTest::newRow("Aceptar") << "click";
    QTest::newRow("close box") << "close";
}

void DialogsTest::about_closing()
{
    QFETCH(QString, how);
    QWidget* about = open("about");
    QVERIFY(about);
    if (how == u"click")
        QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    else if (how == u"close")
        about->close();
    else
        QTest::keyClick(QApplication::focusWidget(),
                        how == u"Return" ? Qt::Key_Return : how == u"Enter" ? Qt::Key_Enter : Qt::Key_Escape);
    QTRY_VERIFY(!m_test->program.about()); // discarded: the next one is made afresh
}

void DialogsTest::each_window_is_single()
{
    for (const char* command : {"pn", "ver", "about", "pn", "ver", "about"})
        m_test->program.form1().command(command).trigger();
    QCOMPARE(m_test->program.form1().findChildren<FrmAbout*>().size(), 1);
    int form2s = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        form2s += qobject_cast<Form2*>(window) && window->isVisible();
    QCOMPARE(form2s, 1);
}

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
