#include "ui/add_words_dialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "ui/accessible_roles.h"
#include "ui/add_words_dialog_layout.h"
#include "ui/art/picture.h"
#include "ui/design_widget.h"
#include "ui/frame_box.h"
#include "ui/picture_box.h"
#include "ui/ui_text.h"
#include "ui/unicode_text.h"

namespace layout = add_words_dialog_layout;

AddWordsDialog::AddWordsDialog(WordFile& words, Prompts& prompts) : m_logic(words, prompts, *this)
{
    install_accessible_roles();
    setObjectName(QStringLiteral("addWordsDialog"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(ui_text::add_words_title.toString());
    setFont(design_font(arial_8));
    setFixedSize(to_pixels(layout::client_area).size());

    auto* frame = make_control<FrameBox>(this, layout::frame);
    m_word = make_control<QLineEdit>(frame, layout::word);
    m_word->setAccessibleName(ui_text::new_word.toString());
    auto* add = make_control<QPushButton>(frame, layout::add_button);
    auto* stop = make_control<QPushButton>(frame, layout::stop_button);
    auto* sign = new PictureBox(stop, art::PictureName::stop_sign);
    sign->move(stop->rect().center() - sign->rect().center());
    stop->setAccessibleName(ui_text::stop.toString());
    for (QPushButton* button : {add, stop})
        button->setAutoDefault(true); // Enter presses the button that has the focus
    setTabOrder(m_word, add);
    setTabOrder(add, stop);

    connect(m_word, &QLineEdit::textChanged, this, &AddWordsDialog::text_changed);
    connect(add, &QPushButton::clicked, this, [this] { m_logic.add_word(); });
    connect(stop, &QPushButton::clicked, this, [this] { m_logic.stop(); });
    m_word->installEventFilter(this);
    m_word->setFocus();
}

void AddWordsDialog::text_changed(const QString& text)
{
    m_logic.text_changed(typed_text(text), characters_before(text, m_word->cursorPosition()));
}

bool AddWordsDialog::eventFilter(QObject* receiver, QEvent* event)
{
    if (receiver == m_word && event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        for (char32_t c : typed_text(typed))
            m_logic.key_pressed(c);
    }
    return false;
}

void AddWordsDialog::show_text(const std::u32string& text, std::size_t caret)
{
    const QString shown = to_qstring(text);
    m_word->setText(shown);
    m_word->setCursorPosition(static_cast<int>(utf16_position(shown, caret)));
}

void AddWordsDialog::beep()
{
    QApplication::beep();
}

void AddWordsDialog::announce(std::u32string_view text)
{
    if (m_say)
        m_say(text);
}

void AddWordsDialog::close_dialog()
{
    close();
}
