#pragma once
#include <QWidget>
#include <array>

#include "score_window.h"

class QLabel;
class QPushButton;

// `Form3`, the score window: a fixed tool window that shows the cells of the score
// window logic. Its buttons and its title-bar close box are reported as signals;
// the logic closes it by hiding it, which is no close by the user.
class Form3 final : public QWidget, public ScoreWindowView {
    Q_OBJECT
public:
    Form3();

    void show_cells(const ScoreCells& cells) override;
    void show() override;
    void close() override;

    QLabel& cell(int i) const { return *m_cells.at(static_cast<std::size_t>(i)); }
    QPushButton& button(const char* name) const;

Q_SIGNALS:
    void closedByUser();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::array<QLabel*, 6> m_cells{};
};
