#include "ui/main_window.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenuBar>

#include "engine/spoken_text.h"
#include "engine/spoken_word.h"
#include "ui/accessible_roles.h"
#include "ui/announcer.h"
#include "ui/art/picture.h"
#include "ui/art/piece_places.h"
#include "ui/centred.h"
#include "ui/design_widget.h"
#include "ui/frame_box.h"
#include "ui/letter_list.h"
#include "ui/main_window_layout.h"
#include "ui/picture_box.h"
#include "ui/slot_row.h"
#include "ui/status_bar.h"
#include "ui/ui_text.h"
#include "ui/unicode_text.h"

namespace layout = main_window_layout;

namespace {
struct CommandSpec {
    const char* object_name;
    QStringView caption;
    QKeySequence shortcut;
};

// In the order of Command.
const CommandSpec command_specs[] = {
    {"addWordsAction", ui_text::add_words, {}},
    {"highScoresAction", ui_text::high_scores, {}},
    {"quitAction", ui_text::quit, QKeySequence(Qt::CTRL | Qt::Key_Q)},
    {"aboutAction", ui_text::about, {}},
};

// Each character of letters is one line of the list.
void sync_lines(QListWidget& list, const std::u32string& letters)
{
    const auto count = static_cast<int>(letters.size());
    // A line about to go must not hold the focus a screen reader follows.
    if (list.currentRow() >= count)
        list.setCurrentItem(nullptr);
    while (list.count() > count)
        delete list.takeItem(list.count() - 1);
    for (int i = 0; i < count; ++i) {
        const QString line = to_qstring(std::u32string_view(letters).substr(static_cast<std::size_t>(i), 1));
        if (i == list.count())
            list.addItem(line);
        else if (list.item(i)->text() != line)
            list.item(i)->setText(line);
    }
}

// The letters are in the list's name too: a screen reader says a list's items
// only one by one, as the focus reaches them.
void show_letters(QListWidget& list, QStringView caption, const std::u32string& letters)
{
    sync_lines(list, letters);
    list.setAccessibleName(caption.toString() + QStringLiteral(": ") + to_qstring(spoken_letters(letters)));
}

QAction* make_action(QObject* owner, const QString& object_name, const QString& caption, const QKeySequence& key)
{
    auto* action = new QAction(caption, owner);
    action->setObjectName(object_name);
    action->setShortcut(key);
    return action;
}

QListWidget* make_letter_list(QWidget* container, const DesignControl& control, QStringView caption)
{
    auto* list = make_control<LetterList>(container, control);
    show_letters(*list, caption, {});
    list->setAttribute(Qt::WA_InputMethodEnabled);
    return list;
}
} // namespace

MainWindow::MainWindow()
{
    install_accessible_roles();
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(ui_text::main_window_title.toString());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(design_font(arial_8));
    setAccessibleName(to_qstring(spoken_text::main_window));
    createActions();
    createMenus();
    createBoard();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainWindow::createActions()
{
    for (std::size_t i = 0; i < m_actions.size(); ++i) {
        const CommandSpec& spec = command_specs[i];
        m_actions[i] = make_action(this, QString::fromLatin1(spec.object_name), spec.caption.toString(), spec.shortcut);
    }
    for (const ModeRules& mode : modes)
        m_new_games.at(static_cast<std::size_t>(mode.mode)) =
            make_action(this, QString::fromLatin1(mode.name) + QStringLiteral("Action"), to_qstring(mode.caption),
                        QKeySequence::fromString(to_qstring(mode.key), QKeySequence::PortableText));
    connect(&action(Command::quit), &QAction::triggered, qApp, &QCoreApplication::quit);
    // F10 opens the menus, as on other desktops; a bare Alt still does too.
    auto* menus = new QAction(this);
    menus->setShortcut(QKeySequence(Qt::Key_F10));
    addAction(menus);
    connect(menus, &QAction::triggered, this, &MainWindow::openMenuBar);
}

void MainWindow::openMenuBar()
{
    QAction* first = menuBar()->actions().value(0);
    if (!first || !first->menu())
        return;
    menuBar()->setActiveAction(first);
    first->menu()->setActiveAction(first->menu()->actions().value(0));
}

void MainWindow::createMenus()
{
    auto* game = menuBar()->addMenu(ui_text::game_menu.toString());
    game->setObjectName(QStringLiteral("gameMenu"));
    game->addAction(&action(Command::add_words));
    auto* new_game = game->addMenu(ui_text::new_game.toString());
    new_game->setObjectName(QStringLiteral("newGameMenu"));
    for (QAction* start : m_new_games)
        new_game->addAction(start);
    game->addSeparator();
    game->addAction(&action(Command::high_scores));
    game->addSeparator();
    game->addAction(&action(Command::quit));
    menuBar()->addAction(&action(Command::about));
}

// Created from back to front: a later control is drawn over an earlier one.
void MainWindow::createBoard()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("board"));
    client->setAccessibleName(ui_text::board.toString());
    client->setFixedSize(to_pixels(layout::client_area).size());
    setCentralWidget(client);

    m_slots = new SlotRow(client, layout::slot_template.place, to_pixels(layout::hanged_frame.place).left());
    m_score_caption = make_control<QLabel>(client, layout::score_caption);
    m_points = make_control<QLabel>(client, layout::points);
    for (QLabel* label : {m_score_caption, m_points}) {
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->hide();
    }
    m_status = make_control<StatusBar>(client, layout::status_bar);

    auto* hanged = make_control<FrameBox>(client, layout::hanged_frame);
    createFigure(hanged);
    make_control<FrameBox>(client, layout::right_letters_frame);
    auto* wrong_frame = make_control<FrameBox>(client, layout::wrong_letters_frame);
    m_wrong_letters = make_letter_list(wrong_frame, layout::wrong_letters, ui_text::wrong_letters);
    m_right_letters = make_letter_list(client, layout::right_letters, ui_text::right_letters);
    setTabOrder(m_right_letters, m_wrong_letters);
    setTabOrder(m_wrong_letters, m_slots);
    m_right_letters->setFocus();
    m_announcer = new Announcer(client, [this] { greet(); });
}

void MainWindow::createFigure(QWidget* frame)
{
    auto* backdrop = make_control<QLabel>(frame, layout::figure_backdrop);
    backdrop->setAccessibleName(ui_text::figure_backdrop.toString());
    backdrop->setAutoFillBackground(true);
    QPalette black = backdrop->palette();
    black.setColor(QPalette::Window, Qt::black);
    backdrop->setPalette(black);
    // In the order misses show them, each later piece in front of the earlier ones.
    for (int number = art::piece_count - 1; number >= 0; --number) {
        auto* piece = new PictureBox(frame, art::piece(number));
        piece->setObjectName(QStringLiteral("piece%1").arg(number));
        piece->setAccessibleName(ui_text::piece_names[number].toString());
        const art::PiecePlace place = art::piece_places.at(static_cast<std::size_t>(number));
        piece->move(to_pixels(place.left), to_pixels(place.top));
        piece->hide();
        m_pieces.at(static_cast<std::size_t>(number)) = piece;
    }
}

void MainWindow::changed(const Board& board, BoardPart part)
{
    switch (part) {
    case BoardPart::slots:
        m_slots->show_slots(board);
        break;
    case BoardPart::right_letters:
        show_letters(*m_right_letters, ui_text::right_letters, board.right_letters);
        break;
    case BoardPart::wrong_letters:
        show_letters(*m_wrong_letters, ui_text::wrong_letters, board.wrong_letters);
        break;
    case BoardPart::pieces:
        for (std::size_t i = 0; i < m_pieces.size(); ++i)
            m_pieces[i]->setVisible(board.pieces[i]);
        break;
    case BoardPart::status_texts:
        m_status->show_game_panels(board);
        break;
    case BoardPart::points:
        m_score_caption->setVisible(board.points_shown);
        m_points->setVisible(board.points_shown);
        m_points->setText(to_qstring(board.points));
        m_points->setAccessibleName(ui_text::score_caption.toString() + m_points->text());
        break;
    }
}

void MainWindow::announce(std::u32string_view text)
{
    m_announcer->announce(to_qstring(text));
}

void MainWindow::show_board(const Board& board)
{
    for (BoardPart part : {BoardPart::slots, BoardPart::right_letters, BoardPart::wrong_letters, BoardPart::pieces,
                           BoardPart::status_texts, BoardPart::points})
        changed(board, part);
}

void MainWindow::show_centred()
{
    show_centred_on_screen(*this);
}

// The first time the window has the focus with a screen reader listening, a
// new player hears how to start.
void MainWindow::greet()
{
    if (isActiveWindow() && !m_greeted && QAccessible::isActive()) {
        m_greeted = true;
        announce(spoken_text::how_to_start);
    }
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange)
        greet();
    QMainWindow::changeEvent(event);
}

// Closing the main window ends the program with every window it has open.
void MainWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    QCoreApplication::quit();
}
