#pragma once
#include <QMainWindow>
#include <array>

#include "engine/board.h"
#include "engine/mode.h"

class Announcer;
class PictureBox;
class QLabel;
class QListWidget;
class SlotRow;
class StatusBar;

// The menu commands other than the new games, in menu order.
enum class Command { add_words, high_scores, quit, about };

// The main window: menus, the board and the status bar. It holds nothing of the
// game: every change of the board is drawn at once from the board itself, so the
// window behind a modal box is always current.
class MainWindow final : public QMainWindow, public BoardView {
    Q_OBJECT
public:
    MainWindow();

    void changed(const Board& board, BoardPart part) override;
    void announce(std::u32string_view text) override;
    void show_board(const Board& board);
    QAction& action(Command command) const { return *m_actions.at(static_cast<std::size_t>(command)); }
    QAction& action(Mode mode) const { return *m_new_games.at(static_cast<std::size_t>(mode)); }
    void show_centred();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createActions();
    void createMenus();
    void openMenuBar();
    void createBoard();
    void createFigure(QWidget* frame);
    void greet();

    std::array<QAction*, 4> m_actions{};
    std::array<QAction*, modes.size()> m_new_games{};
    QLabel* m_score_caption = nullptr;
    QLabel* m_points = nullptr;
    SlotRow* m_slots = nullptr;
    QListWidget* m_right_letters = nullptr;
    QListWidget* m_wrong_letters = nullptr;
    std::array<PictureBox*, 9> m_pieces{};
    StatusBar* m_status = nullptr;
    Announcer* m_announcer = nullptr;
    bool m_greeted = false;
};
