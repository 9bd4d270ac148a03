#include "form1.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenuBar>

#include "centred.h"
#include "design_widget.h"
#include "frame_box.h"
#include "form1_layout.h"
#include "gallows_layout.h"
#include "image9_places.h"
#include "letter_list.h"
#include "picture.h"
#include "picture_box.h"
#include "slot_row.h"
#include "status_bar.h"
#include "texts.h"
#include "unicode_text.h"

using form1_layout::controls;

namespace {
struct Command {
    const char* name;
    QStringView caption;
    QKeySequence shortcut;
};

void sync_lines(QListWidget& list, const std::vector<std::u32string>& lines)
{
    const auto count = static_cast<int>(lines.size());
    while (list.count() > count)
        delete list.takeItem(list.count() - 1);
    for (int i = 0; i < count; ++i) {
        const QString line = to_qstring(lines[static_cast<std::size_t>(i)]);
        if (i == list.count())
            list.addItem(line);
        else if (list.item(i)->text() != line)
            list.item(i)->setText(line);
    }
}
} // namespace

Form1::Form1()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(ui_text::form1_title.toString());
    setWindowIcon(art::program_icon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(design_font(arial_8));
    createActions();
    createMenus();
    createBoard();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void Form1::createActions()
{
    const Command commands[] = {
        {"pn", ui_text::add_words, {}},
        {"one", ui_text::one_player, QKeySequence(Qt::Key_F2)},
        {"for", ui_text::two_players, QKeySequence(Qt::Key_F3)},
        {"two", ui_text::pair_vs_computer, QKeySequence(Qt::Key_F4)},
        {"five", ui_text::x_players, QKeySequence(Qt::Key_F5)},
        {"tree", ui_text::x_players_vs_computer, QKeySequence(Qt::Key_F6)},
        {"ver", ui_text::high_scores, {}},
        {"sortir", ui_text::quit, QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {"about", ui_text::about, {}},
    };
    for (const Command& c : commands) {
        auto* action = new QAction(c.caption.toString(), this);
        action->setObjectName(QString::fromLatin1(c.name));
        action->setShortcut(c.shortcut);
    }
    connect(&command("sortir"), &QAction::triggered, qApp, &QCoreApplication::quit);
}

void Form1::createMenus()
{
    auto* joc = menuBar()->addMenu(ui_text::game_menu.toString());
    joc->setObjectName(QStringLiteral("joc"));
    joc->addAction(&command("pn"));
    auto* nj = joc->addMenu(ui_text::new_game.toString());
    nj->setObjectName(QStringLiteral("nj"));
    nj->menuAction()->setObjectName(QStringLiteral("nj"));
    for (const char* name : {"one", "for", "two", "five", "tree"})
        nj->addAction(&command(name));
    joc->addSeparator()->setObjectName(QStringLiteral("l"));
    joc->addAction(&command("ver"));
    joc->addSeparator()->setObjectName(QStringLiteral("sjjf"));
    joc->addAction(&command("sortir"));
    menuBar()->addAction(&command("about"));
}

// Created from back to front: a later control is drawn over an earlier one.
void Form1::createBoard()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setAccessibleName(ui_text::board.toString());
    client->setFixedSize(to_pixels(form1_layout::client_area).size());
    setCentralWidget(client);

    make_control<QLabel>(client, design(controls, "Label1"))->hide();
    const DesignControl& slot = design(controls, "Label2");
    make_control<QLabel>(client, slot)->hide();
    m_slots = new SlotRow(client, slot.place, to_pixels(design(controls, "Frame1").place).left());
    m_label3 = make_control<QLabel>(client, design(controls, "Label3"));
    m_label4 = make_control<QLabel>(client, design(controls, "Label4"));
    m_label4->setAccessibleName(ui_text::points_shown.toString());
    for (QLabel* label : {m_label3, m_label4}) {
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->hide();
    }
    m_status = make_control<StatusBar>(client, design(controls, "StatusBar1"));

    auto* frame1 = make_control<FrameBox>(client, design(controls, "Frame1"));
    createFigure(frame1);
    make_control<FrameBox>(client, design(controls, "Frame2"));
    auto* frame3 = make_control<FrameBox>(client, design(controls, "Frame3"));
    m_list2 = createList(frame3, "List2", ui_text::wrong_letters);
    m_list1 = createList(client, "List1", ui_text::right_letters);
    setTabOrder(m_list1, m_list2);
    m_list1->setFocus();
}

void Form1::createFigure(QWidget* frame)
{
    auto* backdrop = make_control<QLabel>(frame, design(controls, "Label14"));
    backdrop->setAccessibleName(ui_text::figure_backdrop.toString());
    backdrop->setAutoFillBackground(true);
    QPalette black = backdrop->palette();
    black.setColor(QPalette::Window, Qt::black);
    backdrop->setPalette(black);
    for (const GallowsPiece& piece : gallows_pieces) {
        auto* image = new PictureBox(frame, art::image9(piece.element));
        image->setObjectName(QStringLiteral("Image9(%1)").arg(piece.element));
        image->setAccessibleName(piece.accessible_name.toString());
        const art::Image9Place place = art::image9_places.at(static_cast<std::size_t>(piece.element));
        image->move(to_pixels(place.left), to_pixels(place.top));
        image->hide();
        m_image9.at(static_cast<std::size_t>(piece.element)) = image;
    }
}

QListWidget* Form1::createList(QWidget* container, const char* name, QStringView accessible_name)
{
    auto* list = make_control<LetterList>(container, design(controls, name));
    list->setAccessibleName(accessible_name.toString());
    list->setAttribute(Qt::WA_InputMethodEnabled);
    return list;
}

QAction& Form1::command(const char* name) const
{
    auto* action = findChild<QAction*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    Q_ASSERT(action);
    return *action;
}

void Form1::changed(const Board& board, BoardPart part)
{
    switch (part) {
    case BoardPart::letters:
        m_slots->show_slots(board.Label2, board.shown_word());
        break;
    case BoardPart::List1:
        sync_lines(*m_list1, board.List1);
        break;
    case BoardPart::List2:
        sync_lines(*m_list2, board.List2);
        break;
    case BoardPart::Image9:
        for (std::size_t i = 0; i < m_image9.size(); ++i)
            m_image9[i]->setVisible(board.Image9[i]);
        break;
    case BoardPart::status_bar:
        m_status->show_game_panels(board);
        break;
    case BoardPart::score_display:
        m_label3->setVisible(board.Label3_visible);
        m_label4->setVisible(board.Label4_visible);
        m_label4->setText(to_qstring(board.Label4));
        break;
    }
}

void Form1::show_board(const Board& board)
{
    for (BoardPart part : {BoardPart::letters, BoardPart::List1, BoardPart::List2, BoardPart::Image9,
                           BoardPart::status_bar, BoardPart::score_display})
        changed(board, part);
}

void Form1::show_centred()
{
    show_centred_on_screen(*this);
}

// Closing the main window ends the program with every window it has open.
void Form1::closeEvent(QCloseEvent* event)
{
    event->accept();
    QCoreApplication::quit();
}
