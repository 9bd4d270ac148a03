#include "ui/dialog_prompts.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>

#include "ui/unicode_text.h"

namespace {
// The core ends lines with CR LF, as its message boxes did; Qt wants LF alone.
QString box_text(std::u32string_view text)
{
    return to_qstring(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
} // namespace

DialogPrompts::DialogPrompts() = default;

DialogPrompts::~DialogPrompts() = default;

void DialogPrompts::prepare()
{
    if (m_input)
        return;
    m_input = std::make_unique<QInputDialog>();
    m_input->setInputMode(QInputDialog::TextInput);
}

void DialogPrompts::message(std::u32string_view text, std::u32string_view title, MessageStyle style)
{
    spoken_message(text, title, style, text, title);
}

std::u32string DialogPrompts::input(std::u32string_view prompt, std::u32string_view title,
                                    std::u32string_view default_text)
{
    return spoken_input(prompt, title, default_text, title);
}

void DialogPrompts::spoken_message(std::u32string_view text, std::u32string_view title, MessageStyle style,
                                   std::u32string_view spoken_text, std::u32string_view spoken_title)
{
    const auto icon = style == MessageStyle::critical ? QMessageBox::Critical : QMessageBox::Information;
    QMessageBox box(icon, to_qstring(title), box_text(text), QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setAccessibleName(to_qstring(spoken_title));
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
        label->setAccessibleName(box_text(spoken_text).replace(u'\n', u' '));
    box.exec();
}

std::u32string DialogPrompts::spoken_input(std::u32string_view prompt, std::u32string_view title,
                                           std::u32string_view default_text, std::u32string_view spoken_title)
{
    prepare();
    QInputDialog& dialog = *m_input;
    // Over the window the user is working in, which may still be this dialog just closed.
    QWidget* owner = QApplication::activeWindow();
    dialog.setParent(owner == &dialog ? nullptr : owner, dialog.windowFlags());
    dialog.setWindowTitle(to_qstring(title));
    dialog.setAccessibleName(to_qstring(spoken_title));
    dialog.setLabelText(box_text(prompt));
    dialog.setTextValue(to_qstring(default_text));
    const bool accepted = dialog.exec() == QDialog::Accepted;
    std::u32string typed = accepted ? typed_text(dialog.textValue()) : std::u32string();
    dialog.setTextValue({});
    dialog.setParent(nullptr, dialog.windowFlags()); // no window it was over takes it along when it goes
    return typed;
}
