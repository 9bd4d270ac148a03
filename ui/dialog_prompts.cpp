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
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(to_qstring(title));
    dialog.setAccessibleName(to_qstring(spoken_title));
    dialog.setLabelText(box_text(prompt));
    dialog.setTextValue(to_qstring(default_text));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return typed_text(dialog.textValue());
}
