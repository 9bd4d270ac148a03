#pragma once
#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
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
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->text();
    return {};
}

// The columns every window's layout test reads: the control, its place in its
// container in logical pixels, its caption and its font.
inline void add_layout_columns()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<bool>("bold");
}

inline void check_control(const QWidget* window)
{
    QFETCH(QString, name);
    QFETCH(QRect, place);
    QFETCH(QString, caption);
    QFETCH(QString, family);
    QFETCH(int, pixels);
    QFETCH(bool, bold);
    const auto* widget = window->findChild<QWidget*>(name);
    QVERIFY2(widget, qPrintable(name));
    QCOMPARE(widget->geometry(), place);
    QCOMPARE(caption_of(widget), caption);
    QCOMPARE(widget->font().family(), family);
    QCOMPARE(widget->font().pixelSize(), pixels);
    QCOMPARE(widget->font().bold(), bold);
    QCOMPARE(QFontInfo(widget->font()).family(), family); // the face is installed, not substituted
}

// Every visible caption of the window fits its control: nothing is cut off.
inline void check_no_text_clipped(const QWidget* window)
{
    for (const auto* widget : window->findChildren<QWidget*>()) {
        const QString text = caption_of(widget);
        if (text.isEmpty() || !widget->isVisibleTo(window) || qobject_cast<const QLineEdit*>(widget))
            continue;
        const QFontMetrics metrics(widget->font());
        const QRect ink = metrics.boundingRect(text);
        int room = widget->width();
        if (qobject_cast<const QAbstractButton*>(widget))
            room -= 8; // the button's bevel
        QVERIFY2(ink.width() <= room, qPrintable(widget->objectName() + QStringLiteral(": ") + text));
        if (qobject_cast<const QLabel*>(widget))
            QVERIFY2(metrics.tightBoundingRect(text).bottom() + metrics.ascent() <= widget->height(),
                     qPrintable(widget->objectName() + QStringLiteral(": ") + text));
    }
}

// What a screen reader says for the control.
inline QString accessible_name(QWidget* widget)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

// Every control of the window that a player can see has a name a screen reader says.
inline void check_every_control_named(const QWidget* window)
{
    for (auto* widget : window->findChildren<QWidget*>()) {
        if (widget->objectName().isEmpty() || widget->objectName().startsWith(u"qt_")
            || !widget->isVisibleTo(window))
            continue;
        QVERIFY2(!accessible_name(widget).trimmed().isEmpty(), qPrintable(widget->objectName()));
    }
}
