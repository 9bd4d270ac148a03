#include "form2.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "design_widget.h"
#include "form2_layout.h"
#include "frame_box.h"
#include "picture.h"
#include "picture_box.h"
#include "texts.h"
#include "unicode_text.h"

using form2_layout::controls;

Form2::Form2(WordFile& words, Prompts& prompts) : m_logic(words, prompts, *this)
{
    setObjectName(QStringLiteral("Form2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(ui_text::form2_title.toString());
    setWindowIcon(art::program_icon());
    setFont(design_font(arial_8));
    setFixedSize(to_pixels(form2_layout::client_area).size());

    auto* frame = make_control<FrameBox>(this, design(controls, "Frame1"));
    m_text1 = make_control<QLineEdit>(frame, design(controls, "Text1"));
    m_text1->setAccessibleName(ui_text::new_word.toString());
    auto* command1 = make_control<QPushButton>(frame, design(controls, "Command1"));
    auto* command2 = make_control<QPushButton>(frame, design(controls, "Command2"));
    auto* stop = new PictureBox(command2, art::PictureName::form2_stop);
    stop->move(command2->rect().center() - stop->rect().center());
    command2->setAccessibleName(ui_text::stop.toString());
    for (QPushButton* button : {command1, command2})
        button->setAutoDefault(true); // Enter presses the button that has the focus
    setTabOrder(m_text1, command1);
    setTabOrder(command1, command2);

    connect(m_text1, &QLineEdit::textChanged, this, &Form2::text_changed);
    connect(command1, &QPushButton::clicked, this, [this] { m_logic.command1_click(); });
    connect(command2, &QPushButton::clicked, this, [this] { m_logic.command2_click(); });
    m_text1->installEventFilter(this);
    m_text1->setFocus();
}

void Form2::text_changed(const QString& text)
{
    m_logic.text1_change(typed_text(text), characters_before(text, m_text1->cursorPosition()));
}

bool Form2::eventFilter(QObject* receiver, QEvent* event)
{
    if (receiver == m_text1 && event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        for (char32_t c : typed_text(typed))
            m_logic.text1_key_press(c);
    }
    return false;
}

void Form2::show_text(const std::u32string& text, std::size_t caret)
{
    const QString shown = to_qstring(text);
    m_text1->setText(shown);
    m_text1->setCursorPosition(static_cast<int>(utf16_position(shown, caret)));
}

void Form2::beep()
{
    QApplication::beep();
}

void Form2::close()
{
    QWidget::close();
}
