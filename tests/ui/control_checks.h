#pragma once
#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

// What a control shows as its caption: a frame's title, a label's or button's text.
inline QString caption_of(const QWidget* widget)
{
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget))
        return frame->title();
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    return {};
}

// A row of a window's layout table: the control, its place in its container in
// logical pixels, its caption and its font as "family pixels[ bold]".
struct Control {
    const char* name;
    QRect place;
    const char* caption = "";
    const char* font = "Liberation Sans 11";
};

inline void control_row(const Control& control)
{
    QTest::newRow(control.name) << control;
}

inline void check_control(const QWidget* window)
{
    QFETCH(Control, control);
    const auto* widget = window->findChild<QWidget*>(QString::fromLatin1(control.name));
    QVERIFY2(widget, control.name);
    QCOMPARE(widget->geometry(), control.place);
    QCOMPARE(caption_of(widget), QString::fromUtf8(control.caption));
    const QFont& set = widget->font(); // the face shown, so an uninstalled face is not substituted unseen
    QCOMPARE(QStringLiteral("%1 %2%3").arg(QFontInfo(set).family()).arg(set.pixelSize()).arg(set.bold() ? " bold" : ""),
             QString::fromLatin1(control.font));
}

// Every control a player can see has a name a screen reader says, and no caption is cut off.
inline void check_captions(const QWidget* window)
{
    for (auto* widget : window->findChildren<QWidget*>()) {
        const QString name = widget->objectName(), text = caption_of(widget);
        const QString what = name + QStringLiteral(": ") + text;
        if (!widget->isVisibleTo(window))
            continue;
        if (!name.isEmpty() && !name.startsWith(u"qt_")) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
            QVERIFY2(accessible && !accessible->text(QAccessible::Name).trimmed().isEmpty(), qPrintable(name));
        }
        if (text.isEmpty())
            continue;
        const QFontMetrics metrics(widget->font());
        const int bevel = qobject_cast<const QAbstractButton*>(widget) ? 8 : 0;
        QVERIFY2(metrics.boundingRect(text).width() <= widget->width() - bevel, qPrintable(what));
        if (qobject_cast<const QLabel*>(widget))
            QVERIFY2(metrics.tightBoundingRect(text).bottom() + metrics.ascent() <= widget->height(), qPrintable(what));
    }
}
