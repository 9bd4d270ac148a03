#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "control_checks.h"
#include "form1.h"
#include "picture_box.h"
#include "slot_row.h"
#include "status_bar.h"
#include "typed_characters.h"

class Form1Test : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase() { delete m_form1; }
    void control_is_placed_as_designed_data();
    void control_is_placed_as_designed();
    void window_has_fixed_client_area();
    void no_caption_is_clipped();
    void slots_stand_twenty_pixels_apart_data();
    void slots_stand_twenty_pixels_apart();
    void menu_tree_data();
    void menu_tree();
    void status_panel_data();
    void status_panel();
    void typed_character_reaches_game_data();
    void typed_character_reaches_game();
    void accessible_name_data();
    void accessible_name();
    void pictures_drawn_for_the_screen();

private:
    Form1* m_form1 = nullptr;
};

void Form1Test::initTestCase()
{
    m_form1 = new Form1;
    m_form1->show_centred();
    QVERIFY(QTest::qWaitForWindowActive(m_form1));
}

void Form1Test::control_is_placed_as_designed_data()
{
    add_layout_columns();
    const QString sans = QStringLiteral("Liberation Sans"), serif = QStringLiteral("Liberation Serif");
    QTest::newRow("List1") << "List1" << QRect(16, 256, 193, 199) << "" << sans << 11 << false;
    QTest::newRow("Frame3") << "Frame3" << QRect(232, 240, 209, 225) << "Letras incorrectas" << sans << 11 << false;
    QTest::newRow("List2 in Frame3") << "List2" << QRect(8, 16, 193, 199) << "" << sans << 11 << false;
    QTest::newRow("Frame2") << "Frame2" << QRect(8, 240, 209, 225) << "Letras correctas" << sans << 11 << false;
    QTest::newRow("Frame1") << "Frame1" << QRect(448, 0, 225, 465) << "Colgado" << sans << 11 << false;
    QTest::newRow("Label14 in Frame1") << "Label14" << QRect(8, 16, 209, 441) << "" << sans << 11 << false;
    QTest::newRow("StatusBar1") << "StatusBar1" << QRect(0, 471, 681, 25) << "" << sans << 11 << false;
    QTest::newRow("Label4") << "Label4" << QRect(72, 16, 81, 17) << "" << sans << 11 << false;
    QTest::newRow("Label3") << "Label3" << QRect(8, 16, 65, 17) << "Puntuación: " << sans << 11 << false;
    QTest::newRow("Label2 template") << "Label2" << QRect(8, 104, 19, 41) << " " << serif << 24 << false;
    QTest::newRow("Label1 template") << "Label1" << QRect(8, 56, 17, 25) << "&L" << serif << 24 << false;
    // The head comes first, the left lower leg last; places from the figure's design.
    QTest::newRow("Image9(8) head") << "Image9(8)" << QRect(55, 27, 102, 132) << "" << sans << 11 << false;
    QTest::newRow("Image9(7) torso") << "Image9(7)" << QRect(72, 144, 69, 88) << "" << sans << 11 << false;
    QTest::newRow("Image9(4) waist") << "Image9(4)" << QRect(88, 224, 34, 21) << "" << sans << 11 << false;
    QTest::newRow("Image9(0) left leg") << "Image9(0)" << QRect(32, 344, 78, 119) << "" << sans << 11 << false;
}

void Form1Test::control_is_placed_as_designed()
{
    check_control(m_form1);
}

void Form1Test::window_has_fixed_client_area()
{
    const QWidget* client = m_form1->centralWidget();
    QCOMPARE(client->size(), QSize(681, 496));
    QCOMPARE(client->y(), m_form1->menuBar()->height());
    QCOMPARE(m_form1->minimumSize(), m_form1->maximumSize());
    QVERIFY(!(m_form1->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(m_form1->windowFlags() & Qt::WindowMinimizeButtonHint);
    QCOMPARE(m_form1->windowTitle(), QStringLiteral("CuErDaLoKKK V1.0"));
    // Drawing order: the right-letter list lies over its frame, the figure over its backdrop.
    const auto* list1 = m_form1->findChild<QWidget*>(QStringLiteral("List1"));
    QVERIFY(list1->isAncestorOf(client->childAt(20, 260)));
    const auto* head = m_form1->findChild<QWidget*>(QStringLiteral("Image9(8)"));
    QCOMPARE(head->parentWidget()->children().indexOf(head) > head->parentWidget()->children().indexOf(
                 m_form1->findChild<QWidget*>(QStringLiteral("Label14"))),
             true);
}

void Form1Test::no_caption_is_clipped()
{
    Board board;
    board.Label3_visible = board.Label4_visible = true;
    board.Label4 = U"100000 puntos."; // a hundred words guessed
    board.set_panel(5, U"Aciertos :21");
    board.set_panel(7, U"Jugador30");
    m_form1->changed(board, BoardPart::score_display);
    m_form1->changed(board, BoardPart::status_bar);
    check_no_text_clipped(m_form1);
    m_form1->show_board(Board{});
}

void Form1Test::slots_stand_twenty_pixels_apart_data()
{
    QTest::addColumn<QString>("word");
    QTest::newRow("one letter") << "a";
    QTest::newRow("MaNteQuIlla, the longest built-in word") << "MaNteQuIlla";
    QTest::newRow("21 letters, the longest a player may type") << "WWWWWWWWWWWWWWWWWWWWW";
}

void Form1Test::slots_stand_twenty_pixels_apart()
{
    QFETCH(QString, word);
    Board board;
    for (char32_t c : word.toStdU32String())
        board.Label2.push_back(std::u32string(1, c));
    m_form1->changed(board, BoardPart::letters);
    const auto* row = m_form1->findChild<SlotRow*>();
    QCOMPARE(row->slot_count(), word.size());
    for (int i = 1; i <= row->slot_count(); ++i) {
        QCOMPARE(row->slot_rect(i), QRect(8 + 20 * i, 104, 19, 41));
        QCOMPARE(row->caption(i), word.mid(i - 1, 1));
    }
    // The last slot still ends left of the "Colgado" frame.
    QVERIFY(row->slot_rect(row->slot_count()).right() < 448);
    QVERIFY(row->geometry().right() < 448);
    QCOMPARE(row->accessibleDescription(), word);
}

void Form1Test::menu_tree_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shortcut");
    const char* rows[][3] = {
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
        {"about", "Acerca de...", ""},
    };
    int index = 0;
    for (const auto& row : rows) {
        QTest::newRow(row[0]) << index++ << QString::fromUtf8(row[0]) << QString::fromUtf8(row[1])
                              << QString::fromUtf8(row[2]);
    }
}

namespace {
// The menu bar's entries depth first, each as its path of object names.
void walk(const QList<QAction*>& actions, const QString& prefix, QList<std::pair<QString, QAction*>>& out)
{
    for (QAction* action : actions) {
        const QString name = action->menu() ? action->menu()->objectName() : action->objectName();
        out.append({prefix + name, action});
        if (action->menu())
            walk(action->menu()->actions(), prefix + name + u'/', out);
    }
}
} // namespace

void Form1Test::menu_tree()
{
    QFETCH(int, index);
    QFETCH(QString, path);
    QFETCH(QString, caption);
    QFETCH(QString, shortcut);
    QList<std::pair<QString, QAction*>> entries;
    walk(m_form1->menuBar()->actions(), {}, entries);
    QCOMPARE(entries.size(), 13);
    const auto& [found_path, action] = entries.at(index);
    QCOMPARE(found_path, path);
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->isSeparator(), caption.isEmpty());
    QCOMPARE(action->shortcut().toString(QKeySequence::PortableText), shortcut);
    QVERIFY(action->isEnabled() && action->isVisible() && !action->isCheckable());
    QVERIFY(!caption.contains(u'&')); // no access keys
    if (path == u"about")
        QVERIFY(!action->menu()); // acts when clicked, opens nothing
}

void Form1Test::status_panel_data()
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

void Form1Test::status_panel()
{
    QFETCH(int, panel);
    QFETCH(QString, text);
    QFETCH(QString, tooltip);
    m_form1->show_board(Board{});
    const QLabel& label = m_form1->findChild<StatusBar*>()->panel(panel);
    QCOMPARE(label.x(), 96 * (panel - 1));
    QCOMPARE(label.width(), 96);
    if (text == u"time")
        QVERIFY(label.text().contains(QRegularExpression(QStringLiteral("^([01][0-9]|2[0-3]):[0-5][0-9]$"))));
    else
        QCOMPARE(label.text(), text);
    QCOMPARE(label.toolTip(), tooltip);
    if (panel <= 2) // no X server here, so the lights read off and the panel is dimmed
        QVERIFY(!label.isEnabled());
}

void Form1Test::typed_character_reaches_game_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("commit");
    QTest::addColumn<QString>("expected");
    QTest::newRow("letter in List1") << "List1" << int(Qt::Key_E) << "e" << "" << "e";
    QTest::newRow("capital in List2") << "List2" << int(Qt::Key_E) << "E" << "" << "E";
    QTest::newRow("ñ in List1") << "List1" << int(Qt::Key_Ntilde) << "ñ" << "" << "ñ";
    QTest::newRow("Ç in List2") << "List2" << int(Qt::Key_Ccedilla) << "Ç" << "" << "Ç";
    QTest::newRow("Enter is a move") << "List1" << int(Qt::Key_Return) << "\r" << "" << "\r";
    QTest::newRow("Backspace is a move") << "List1" << int(Qt::Key_Backspace) << "\b" << "" << "\b";
    QTest::newRow("Escape is a move") << "List2" << int(Qt::Key_Escape) << "\x1b" << "" << "\x1b";
    QTest::newRow("digit is a move") << "List1" << int(Qt::Key_5) << "5" << "" << "5";
    QTest::newRow("Shift types nothing") << "List1" << int(Qt::Key_Shift) << "" << "" << "";
    QTest::newRow("Caps Lock types nothing") << "List1" << int(Qt::Key_CapsLock) << "" << "" << "";
    QTest::newRow("Num Lock types nothing") << "List2" << int(Qt::Key_NumLock) << "" << "" << "";
    QTest::newRow("F7 types nothing") << "List1" << int(Qt::Key_F7) << "" << "" << "";
    QTest::newRow("arrow types nothing") << "List2" << int(Qt::Key_Down) << "" << "" << "";
    QTest::newRow("Tab moves the focus") << "List1" << int(Qt::Key_Tab) << "\t" << "" << "";
    QTest::newRow("dead key and o composed in List1") << "List1" << 0 << "" << "ó" << "ó";
    QTest::newRow("composed in List2") << "List2" << 0 << "" << "Ú" << "Ú";
    QTest::newRow("decomposed accent arrives as one letter") << "List1" << 0 << "" << "o\u0301" << "ó";
}

void Form1Test::typed_character_reaches_game()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(QString, commit);
    QFETCH(QString, expected);
    std::u32string typed;
    TypedCharacters router(*m_form1, [&typed](char32_t c) { typed += c; });
    auto* list = m_form1->findChild<QListWidget*>(focus);
    list->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), list);
    if (commit.isEmpty()) {
        QTest::sendKeyEvent(QTest::Press, list, Qt::Key(key), text, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, list, Qt::Key(key), text, Qt::NoModifier);
    } else {
        QInputMethodQueryEvent query(Qt::ImEnabled); // as the compose input method asks
        QApplication::sendEvent(list, &query);
        QVERIFY(query.value(Qt::ImEnabled).toBool()); // else dead keys would not compose here
        QInputMethodEvent event;
        event.setCommitString(commit);
        QApplication::sendEvent(list, &event);
    }
    QCOMPARE(QString::fromStdU32String(typed), expected);
    m_form1->findChild<QListWidget*>(QStringLiteral("List1"))->setFocus();
}

void Form1Test::accessible_name_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("List1") << "List1" << "Letras correctas";
    QTest::newRow("List2") << "List2" << "Letras incorrectas";
    QTest::newRow("the slots") << "SlotRow" << "Palabra";
    QTest::newRow("Frame1") << "Frame1" << "Colgado";
    QTest::newRow("the first piece") << "Image9(8)" << "Cabeza";
    QTest::newRow("Caps Lock, off here") << "Panel1" << "MAYÚS desactivado";
    QTest::newRow("hits") << "Panel5" << "Aciertos: 0";
}

void Form1Test::accessible_name()
{
    QFETCH(QString, name);
    QFETCH(QString, spoken);
    m_form1->show_board(Board{});
    QCOMPARE(::accessible_name(m_form1->findChild<QWidget*>(name)), spoken);
    Board board;
    board.Image9.fill(true);
    board.Label3_visible = board.Label4_visible = true;
    m_form1->show_board(board);
    check_every_control_named(m_form1);
    m_form1->show_board(Board{});
}

// At 1.5 or 2 device pixels per pixel (the scaled runs of this test) a piece is
// drawn for the screen, not blown up from its 1:1 pixels.
void Form1Test::pictures_drawn_for_the_screen()
{
    auto* head = m_form1->findChild<PictureBox*>(QStringLiteral("Image9(8)"));
    head->show();
    const qreal ratio = m_form1->devicePixelRatioF();
    const QPixmap shot = head->grab();
    QCOMPARE(shot.devicePixelRatio(), ratio);
    QCOMPARE(shot.size(), (QSizeF(102, 132) * ratio).toSize());
    QCOMPARE(head->size(), QSize(102, 132));
    head->hide();
}

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
