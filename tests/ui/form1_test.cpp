#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "control_checks.h"
#include "form1.h"
#include "slot_row.h"
#include "status_bar.h"
#include "typed_characters.h"

namespace {
const char* const serif = "Liberation Serif 24";

// A key pressed, or text an input method commits, in one of the letter lists,
// and what reaches the game.
struct Typed {
    const char* focus;
    Qt::Key key;
    const char* text;
    const char* reaches;
    const char* commit = "";
};

// The menu bar's entries depth first, each as its path of object names.
void walk(const QList<QAction*>& actions, const QString& prefix, QList<std::pair<QString, QAction*>>& out)
{
    for (QAction* action : actions) {
        const QString name = prefix + (action->menu() ? action->menu()->objectName() : action->objectName());
        out.append({name, action});
        if (action->menu())
            walk(action->menu()->actions(), name + u'/', out);
    }
}
} // namespace

class Form1Test : public QObject {
    Q_OBJECT
    Form1 m_form1;

private Q_SLOTS:
    void initTestCase()
    {
        m_form1.show_centred();
        QVERIFY(QTest::qWaitForWindowActive(&m_form1));
    }
    void init() { m_form1.show_board(Board{}); }

    void control_is_placed_as_designed_data()
    {
        QTest::addColumn<Control>("control");
        control_row({"List1", {16, 256, 193, 199}});
        control_row({"Frame3", {232, 240, 209, 225}, "Letras incorrectas"});
        control_row({"List2", {8, 16, 193, 199}}); // in Frame3
        control_row({"Frame2", {8, 240, 209, 225}, "Letras correctas"});
        control_row({"Frame1", {448, 0, 225, 465}, "Colgado"});
        control_row({"Label14", {8, 16, 209, 441}}); // in Frame1
        control_row({"StatusBar1", {0, 471, 681, 25}});
        control_row({"Label4", {72, 16, 81, 17}});
        control_row({"Label3", {8, 16, 65, 17}, "Puntuación: "});
        control_row({"Label2", {8, 104, 19, 41}, " ", serif}); // the slots' template
        control_row({"Label1", {8, 56, 17, 25}, "&L", serif});
        // The head comes first, the left lower leg last.
        control_row({"Image9(8)", {55, 27, 102, 132}});
        control_row({"Image9(7)", {72, 144, 69, 88}});
        control_row({"Image9(4)", {88, 224, 34, 21}});
        control_row({"Image9(0)", {32, 344, 78, 119}});
    }
    void control_is_placed_as_designed() { check_control(&m_form1); }

    void window_has_fixed_client_area()
    {
        const QWidget* client = m_form1.centralWidget();
        QCOMPARE(client->size(), QSize(681, 496));
        QCOMPARE(client->y(), m_form1.menuBar()->height());
        QCOMPARE(m_form1.minimumSize(), m_form1.maximumSize());
        QVERIFY(!(m_form1.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(m_form1.windowFlags() & Qt::WindowMinimizeButtonHint);
        QCOMPARE(m_form1.windowTitle(), QStringLiteral("CuErDaLoKKK V1.0"));
        // Drawing order: the right-letter list lies over its frame, the figure over its backdrop.
        QVERIFY(m_form1.findChild<QWidget*>(QStringLiteral("List1"))->isAncestorOf(client->childAt(20, 260)));
        const QObjectList& figure = m_form1.findChild<QWidget*>(QStringLiteral("Label14"))->parent()->children();
        QVERIFY(figure.indexOf(m_form1.findChild<QWidget*>(QStringLiteral("Image9(8)")))
                > figure.indexOf(m_form1.findChild<QWidget*>(QStringLiteral("Label14"))));
    }

    void captions_fit_and_are_named()
    {
        Board board;
        board.Image9.fill(true);
        board.Label3_visible = board.Label4_visible = true;
        board.Label4 = U"100000 puntos."; // a hundred words guessed
        board.set_panel(5, U"Aciertos :21");
        board.set_panel(7, U"Jugador30");
        m_form1.show_board(board);
        check_captions(&m_form1);
    }

    void slots_stand_twenty_pixels_apart_data()
    {
        QTest::addColumn<QString>("word");
        QTest::newRow("one letter") << "a";
        QTest::newRow("21 letters, the longest a player may type") << "WWWWWWWWWWWWWWWWWWWWW";
    }
    void slots_stand_twenty_pixels_apart()
    {
        QFETCH(QString, word);
        Board board;
        for (char32_t c : word.toStdU32String())
            board.Label2.push_back(std::u32string(1, c));
        m_form1.changed(board, BoardPart::letters);
        const auto* row = m_form1.findChild<SlotRow*>();
        QCOMPARE(row->slot_count(), word.size());
        for (int i = 1; i <= row->slot_count(); ++i) {
            QCOMPARE(row->slot_rect(i), QRect(8 + 20 * i, 104, 19, 41));
            QCOMPARE(row->caption(i), word.mid(i - 1, 1));
        }
        QVERIFY(row->geometry().right() < 448); // left of the "Colgado" frame
    }

    void menu_tree()
    {
        const char* const expected[][3] = {
            {"joc", "Juego", ""},
            {"joc/pn", "Introducir palabras nuevas", ""},
            {"joc/nj", "Nuevo juego", ""},
            {"joc/nj/one", "1 Jugador", "F2"},
            {"joc/nj/for", "2 jugadores", "F3"},
            {"joc/nj/two", "2 Jugadores vs Ordenador", "F4"},
            {"joc/nj/five", "X jugadores", "F5"},
            {"joc/nj/tree", "X jugadores vs Ordenador", "F6"},
            {"joc/l", "", ""},
            {"joc/ver", "Ver puntuaciones máximas...", ""},
            {"joc/sjjf", "", ""},
            {"joc/sortir", "Salir", "Ctrl+Q"},
            {"about", "Acerca de...", ""}, // acts when clicked, opens nothing
        };
        QList<std::pair<QString, QAction*>> entries;
        walk(m_form1.menuBar()->actions(), {}, entries);
        QCOMPARE(entries.size(), std::size(expected));
        for (qsizetype i = 0; i < entries.size(); ++i) {
            const auto& [path, action] = entries.at(i);
            QCOMPARE(path, QString::fromLatin1(expected[i][0]));
            QCOMPARE(action->text(), QString::fromUtf8(expected[i][1])); // no '&': no access keys
            QCOMPARE(action->isSeparator(), action->text().isEmpty());
            QCOMPARE(action->shortcut().toString(QKeySequence::PortableText), QString::fromLatin1(expected[i][2]));
            QVERIFY(action->isEnabled() && action->isVisible() && !action->isCheckable());
        }
        QVERIFY(!entries.back().second->menu());
    }

    void status_panel_data()
    {
        QTest::addColumn<int>("panel");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("1 Caps Lock") << 1 << "MAYÚS" << "";
        QTest::newRow("2 Num Lock") << 2 << "NUM" << "";
        QTest::newRow("3 time") << 3 << "time" << "";
        QTest::newRow("4 date") << 4 << QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")) << "";
        QTest::newRow("5 hits") << 5 << "Aciertos: 0" << "Número de aciertos";
        QTest::newRow("6 failures") << 6 << "Fallos: 0" << "Número de fallos";
        QTest::newRow("7 turn, empty before the first game") << 7 << "" << "";
    }
    void status_panel()
    {
        QFETCH(int, panel);
        QFETCH(QString, text);
        QFETCH(QString, tooltip);
        const QLabel& label = m_form1.findChild<StatusBar*>()->panel(panel);
        QCOMPARE(label.geometry().left(), 96 * (panel - 1));
        QCOMPARE(label.width(), 96);
        if (text == u"time")
            QVERIFY(label.text().contains(QRegularExpression(QStringLiteral("^([01][0-9]|2[0-3]):[0-5][0-9]$"))));
        else
            QCOMPARE(label.text(), text);
        QCOMPARE(label.toolTip(), tooltip);
        if (panel <= 2) // no X server here, so the lights read off and the panel is dimmed
            QVERIFY(!label.isEnabled());
    }

    void typed_character_reaches_game_data()
    {
        QTest::addColumn<Typed>("typed");
        QTest::newRow("letter in List1") << Typed{"List1", Qt::Key_E, "e", "e"};
        QTest::newRow("capital in List2") << Typed{"List2", Qt::Key_E, "E", "E"};
        QTest::newRow("ñ in List1") << Typed{"List1", Qt::Key_Ntilde, "ñ", "ñ"};
        QTest::newRow("Enter is a move") << Typed{"List1", Qt::Key_Return, "\r", "\r"};
        QTest::newRow("Backspace is a move") << Typed{"List1", Qt::Key_Backspace, "\b", "\b"};
        QTest::newRow("Escape is a move") << Typed{"List2", Qt::Key_Escape, "\x1b", "\x1b"};
        QTest::newRow("digit is a move") << Typed{"List1", Qt::Key_5, "5", "5"};
        QTest::newRow("Shift types nothing") << Typed{"List1", Qt::Key_Shift, "", ""};
        QTest::newRow("Caps Lock types nothing") << Typed{"List2", Qt::Key_CapsLock, "", ""};
        QTest::newRow("arrow types nothing") << Typed{"List2", Qt::Key_Down, "", ""};
        QTest::newRow("Tab moves the focus") << Typed{"List1", Qt::Key_Tab, "\t", ""};
        QTest::newRow("dead key and o composed, once") << Typed{"List2", Qt::Key_unknown, "", "ó", "ó"};
        QTest::newRow("decomposed accent arrives as one letter") << Typed{"List1", Qt::Key_unknown, "", "ó", "o\u0301"};
    }
    void typed_character_reaches_game()
    {
        QFETCH(Typed, typed);
        std::u32string reached;
        TypedCharacters router(m_form1, [&reached](char32_t c) { reached += c; });
        auto* list = m_form1.findChild<QListWidget*>(QString::fromLatin1(typed.focus));
        list->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), list);
        if (!*typed.commit) {
            QTest::sendKeyEvent(QTest::Press, list, typed.key, QString::fromUtf8(typed.text), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, list, typed.key, QString::fromUtf8(typed.text), Qt::NoModifier);
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

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
