#pragma once
#include <QLabel>
#include <QString>
#include <QWidget>
#include <type_traits>

#include "ui/design.h"

// A control as designed: name, place inside its container, font and caption, the
// caption also being its accessible name. A label shows plain text, so a name a
// player typed never turns into markup.
template <class Widget>
Widget* make_control(QWidget* container, const DesignControl& control)
{
    auto* widget = new Widget(container);
    widget->setObjectName(QString::fromLatin1(control.object_name));
    widget->setGeometry(to_pixels(control.place));
    widget->setFont(design_font(control.font));
    if constexpr (std::is_base_of_v<QLabel, Widget>)
        widget->setTextFormat(Qt::PlainText);
    const QString caption = control.caption.toString();
    if constexpr (requires { widget->setTitle(caption); })
        widget->setTitle(caption);
    else if constexpr (requires { widget->setText(caption); })
        widget->setText(caption);
    if (!caption.trimmed().isEmpty())
        widget->setAccessibleName(caption.trimmed());
    return widget;
}
