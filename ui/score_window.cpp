#include "ui/score_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

#include "ui/accessible_roles.h"
#include "ui/centred.h"
#include "ui/design_widget.h"
#include "ui/score_window_layout.h"
#include "ui/ui_text.h"
#include "ui/unicode_text.h"

namespace layout = score_window_layout;

namespace {
QLabel* make_label(QWidget* window, const DesignControl& control)
{
    auto* label = make_control<QLabel>(window, control);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}
} // namespace

ScoreWindow::ScoreWindow()
{
    install_accessible_roles();
    setObjectName(QStringLiteral("scoreWindow"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(ui_text::score_window_title.toString());
    setFont(design_font(ms_sans_serif_8));
    setFixedSize(to_pixels(layout::client_area).size());

    for (const DesignControl& heading : layout::headings)
        make_label(this, heading);
    // Row by row, as a reader goes through the table.
    for (std::size_t row = 0; row < 3; ++row) {
        make_label(this, layout::place_numbers[row]);
        for (std::size_t cell : {2 * row, 2 * row + 1})
            m_cells[cell] = make_label(this, layout::score_cells[cell]);
    }
    m_accept = make_control<QPushButton>(this, layout::accept_button);
    m_erase = make_control<QPushButton>(this, layout::erase_button);
    m_cancel = make_control<QPushButton>(this, layout::cancel_button);
    for (QPushButton* button : {m_accept, m_erase, m_cancel})
        button->setAutoDefault(true); // Enter presses the focused button, and no other
    setTabOrder(m_accept, m_erase);
    setTabOrder(m_erase, m_cancel);
    show_cells(default_score_table());
}

void ScoreWindow::show_cells(const ScoreCells& cells)
{
    for (std::size_t i = 0; i < cells.size(); ++i) {
        QLabel* label = m_cells.at(i);
        label->setText(to_qstring(cells[i]));
        label->setAccessibleName(QStringLiteral("%1 %2: %3")
                                     .arg(i % 2 == 0 ? ui_text::name : ui_text::score)
                                     .arg(i / 2 + 1)
                                     .arg(label->text()));
    }
}

void ScoreWindow::open_window()
{
    const bool opening = !isVisible();
    show_centred_on_screen(*this);
    if (opening)
        m_accept->setFocus();
}

void ScoreWindow::close_window()
{
    hide();
}

void ScoreWindow::announce(std::u32string_view text)
{
    if (m_say)
        m_say(text);
}

void ScoreWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    Q_EMIT closedByUser();
}
