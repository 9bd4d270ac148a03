#pragma once
#include <QString>
#include <QWidget>
#include <algorithm>
#include <span>
#include <string_view>

#include "design.h"

// The row of `controls` named `name`; every window asks only for names it designed.
inline const DesignControl& design(std::span<const DesignControl> controls, std::string_view name)
{
    const auto found = std::find_if(controls.begin(), controls.end(),
                                     [name](const DesignControl& c) { return c.name == name; });
    Q_ASSERT(found != controls.end());
    return *found;
}

// A control as designed: name, place inside its container, font and caption, the
// caption also being its accessible name.
template <class Widget>
Widget* make_control(QWidget* container, const DesignControl& control)
{
    auto* widget = new Widget(container);
    widget->setObjectName(QString::fromLatin1(control.name));
    widget->setGeometry(to_pixels(control.place));
    widget->setFont(design_font(control.font));
    const QString caption = control.caption.toString();
    if constexpr (requires { widget->setTitle(caption); })
        widget->setTitle(caption);
    else if constexpr (requires { widget->setText(caption); })
        widget->setText(caption);
    if (!caption.trimmed().isEmpty())
        widget->setAccessibleName(caption.trimmed());
    return widget;
}
