#pragma once
#include <QMainWindow>
#include <array>

#include "board.h"

class PictureBox;
class QLabel;
class QListWidget;
class SlotRow;
class StatusBar;

// `Form1`, the main window: menus, the board and the status bar. It holds nothing
// of the game: every change of the board is drawn at once from the board itself,
// so the window behind a modal box is always current.
class Form1 final : public QMainWindow, public BoardView {
    Q_OBJECT
public:
    Form1();

    void changed(const Board& board, BoardPart part) override;
    void show_board(const Board& board);
    // The menu command named as designed ("one", "pn", "sortir"...).
    QAction& command(const char* name) const;
    void show_centred();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createActions();
    void createMenus();
    void createBoard();
    void createFigure(QWidget* frame);
    QListWidget* createList(QWidget* container, const char* name, QStringView accessible_name);

    QLabel* m_label3 = nullptr;
    QLabel* m_label4 = nullptr;
    SlotRow* m_slots = nullptr;
    QListWidget* m_list1 = nullptr;
    QListWidget* m_list2 = nullptr;
    std::array<PictureBox*, 9> m_image9{};
    StatusBar* m_status = nullptr;
};
