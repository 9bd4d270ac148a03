#pragma once
#include <QAbstractButton>
#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTest>

// A window compared with its reviewed reference in tests/ui/reference: its
// title, size, kind and focus, its menus, and every control's place, font,
// caption and spoken name as a text, the same at every screen scale, and at scale 1 the picture itself, pixel for
// pixel. With CUERDALOKKK_UPDATE_REFERENCES set the references are written anew instead, to be looked at before they
// are committed. `changing` are controls that change by themselves (the clock), left out of both.
inline QString control_text(const QWidget* widget)
{
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget))
        return frame->title();
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    return {};
}

inline void list_menus(const QList<QAction*>& actions, const QString& indent, QStringList& rows)
{
    for (QAction* action : actions) {
        rows << indent + action->text() + u' ' + action->shortcut().toString(QKeySequence::PortableText);
        if (action->menu())
            list_menus(action->menu()->actions(), indent + QStringLiteral("  "), rows);
    }
}

inline QString layout_of(const QWidget& window, const QList<QWidget*>& changing)
{
    const QWidget* focus = QApplication::focusWidget();
    QStringList rows{QStringLiteral("window \"%1\" %2x%3%4 flags %5 focus %6")
                         .arg(window.windowTitle())
                         .arg(window.width())
                         .arg(window.height())
                         .arg(window.minimumSize() == window.maximumSize() ? QStringLiteral(" fixed") : QString())
                         .arg(int(window.windowFlags()), 0, 16)
                         .arg(focus && focus->window() == &window ? focus->objectName() : QStringLiteral("-"))};
    if (const auto* menus = window.findChild<QMenuBar*>())
        list_menus(menus->actions(), QStringLiteral("menu "), rows);
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->isWindow() || widget->objectName().isEmpty() || widget->objectName().startsWith(u"qt_"))
            continue;
        const bool shown = !changing.contains(widget);
        const QRect place(widget->mapTo(&window, QPoint(0, 0)), widget->size());
        const QFontInfo font(widget->font());
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        rows << QStringLiteral("%1 %2,%3 %4x%5 %6 %7%8%9 \"%10\" spoken \"%11\"")
                    .arg(widget->objectName())
                    .arg(place.x())
                    .arg(place.y())
                    .arg(place.width())
                    .arg(place.height())
                    .arg(font.family())
                    .arg(widget->font().pixelSize())
                    .arg(font.bold() ? QStringLiteral(" bold") : QString())
                    .arg(widget->isVisibleTo(&window) ? QString() : QStringLiteral(" hidden"))
                    .arg(shown ? control_text(widget) : QString(),
                         shown && accessible ? accessible->text(QAccessible::Name) : QString());
    }
    return rows.join(u'\n') + u'\n';
}

inline void compare_with_reference(QWidget& window, const QString& name, const QList<QWidget*>& changing = {})
{
    const QDir references(QStringLiteral(REFERENCE_DIR));
    QImage picture = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QPainter painter(&picture);
    for (const QWidget* widget : changing)
        painter.fillRect(QRect(widget->mapTo(&window, QPoint(0, 0)), widget->size()), Qt::magenta);
    painter.end();
    const QString layout_file = references.filePath(name + QStringLiteral(".layout"));
    const QString picture_file = references.filePath(name + QStringLiteral(".png"));
    const bool at_scale_one = picture.devicePixelRatio() == 1.0;
    if (qEnvironmentVariableIsSet("CUERDALOKKK_UPDATE_REFERENCES")) {
        QFile out(layout_file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(layout_of(window, changing).toUtf8());
        if (at_scale_one)
            QVERIFY(picture.save(picture_file));
        return;
    }
    QFile in(layout_file);
    QVERIFY2(in.open(QIODevice::ReadOnly), qPrintable(layout_file));
    QCOMPARE(layout_of(window, changing), QString::fromUtf8(in.readAll()));
    if (at_scale_one)
        QVERIFY2(picture == QImage(picture_file).convertToFormat(QImage::Format_RGB32), qPrintable(picture_file));
}
