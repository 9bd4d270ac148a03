#pragma once
#include <QWidget>
#include <array>
#include <functional>

#include "engine/score_table_editor.h"

class QLabel;
class QPushButton;

// The score window: a fixed tool window that shows the cells of the score table
// being edited. Its title-bar close box is reported as a signal; the editor
// closes it by hiding it, which is no close by the user.
class ScoreWindow final : public QWidget, public ScoreTableView {
    Q_OBJECT
public:
    ScoreWindow();

    void show_cells(const ScoreCells& cells) override;
    void open_window() override;
    void close_window() override;
    void announce(std::u32string_view text) override;
    // Where what the window did is said: it may close as it says it.
    void speak_through(std::function<void(std::u32string_view)> say) { m_say = std::move(say); }

    QLabel& cell(int i) const { return *m_cells.at(static_cast<std::size_t>(i)); }
    QPushButton& accept_button() const { return *m_accept; }
    QPushButton& cancel_button() const { return *m_cancel; }
    QPushButton& erase_button() const { return *m_erase; }

Q_SIGNALS:
    void closedByUser();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::array<QLabel*, 6> m_cells{};
    QPushButton* m_accept = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_erase = nullptr;
    std::function<void(std::u32string_view)> m_say;
};
