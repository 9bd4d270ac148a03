#include "form3.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

#include "centred.h"
#include "design_widget.h"
#include "form3_layout.h"
#include "texts.h"
#include "unicode_text.h"

using form3_layout::controls;

Form3::Form3()
{
    setObjectName(QStringLiteral("Form3"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(ui_text::form3_title.toString());
    setFont(design_font(ms_sans_serif_8));
    setFixedSize(to_pixels(form3_layout::client_area).size());

    QPushButton* previous = nullptr;
    for (const DesignControl& control : controls) {
        if (std::string_view(control.name).starts_with("Command")) {
            auto* button = make_control<QPushButton>(this, control);
            button->setAutoDefault(true); // Enter presses the focused button, and no other
            if (previous)
                setTabOrder(previous, button);
            previous = button;
            continue;
        }
        auto* label = make_control<QLabel>(this, control);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    for (std::size_t i = 0; i < m_cells.size(); ++i)
        m_cells[i] = findChild<QLabel*>(QStringLiteral("Label7(%1)").arg(i));
    show_cells(default_score_table());
}

QPushButton& Form3::button(const char* name) const
{
    auto* found = findChild<QPushButton*>(QString::fromLatin1(name));
    Q_ASSERT(found);
    return *found;
}

void Form3::show_cells(const ScoreCells& cells)
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

void Form3::show()
{
    const bool opening = !isVisible();
    show_centred_on_screen(*this);
    if (opening)
        button("Command2").setFocus();
}

void Form3::close()
{
    hide();
}

void Form3::closeEvent(QCloseEvent* event)
{
    event->accept();
    Q_EMIT closedByUser();
}
