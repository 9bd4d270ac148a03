#pragma once
#include <QAbstractButton>
#include <QAccessible>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTest>

// A window compared with its reviewed reference in tests/ui/reference: its
// title, size, kind and focus, its menus, and every control's place, font,
// caption (its text or title) and spoken name as a text, the same at every
// screen scale, and at scale 1 the picture itself, pixel for pixel. With
// CUERDALOKKK_UPDATE_REFERENCES set the references are written anew first, to be
// looked at before they are committed. `changing` are controls that change by
// themselves (the clock), left out of both.
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
    QStringList rows{QString::asprintf(
        "window \"%s\" %dx%d%s flags %x focus %s", qUtf8Printable(window.windowTitle()), window.width(),
        window.height(), window.minimumSize() == window.maximumSize() ? " fixed" : "", unsigned(window.windowFlags()),
        focus && focus->window() == &window ? qUtf8Printable(focus->objectName()) : "-")};
    if (const auto* menus = window.findChild<QMenuBar*>())
        list_menus(menus->actions(), QStringLiteral("menu "), rows);
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->isWindow() || widget->objectName().isEmpty() || widget->objectName().startsWith(u"qt_"))
            continue;
        const bool shown = !changing.contains(widget);
        const QPoint place = widget->mapTo(&window, QPoint(0, 0));
        const QFontInfo font(widget->font());
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        rows << QString::asprintf(
            "%s %d,%d %dx%d %s %d%s%s \"%s\" spoken \"%s\"", qUtf8Printable(widget->objectName()), place.x(), place.y(),
            widget->width(), widget->height(), qUtf8Printable(font.family()), widget->font().pixelSize(),
            font.bold() ? " bold" : "", widget->isVisibleTo(&window) ? "" : " hidden",
            qUtf8Printable(shown ? widget->property(qobject_cast<QGroupBox*>(widget) ? "title" : "text").toString()
                                 : QString()),
            qUtf8Printable(shown && accessible ? accessible->text(QAccessible::Name) : QString()));
    }
    return rows.join(u'\n') + u'\n';
}

inline void compare_with_reference(QWidget& window, const QString& name, const QList<QWidget*>& changing = {})
{
    QImage picture = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QPainter painter(&picture);
    for (const QWidget* widget : changing)
        painter.fillRect(QRect(widget->mapTo(&window, QPoint(0, 0)), widget->size()), Qt::magenta);
    painter.end();
    QFile layout(QStringLiteral(REFERENCE_DIR "/%1.layout").arg(name));
    const QString picture_file = QStringLiteral(REFERENCE_DIR "/%1.png").arg(name);
    const bool at_scale_one = picture.devicePixelRatio() == 1.0;
    if (qEnvironmentVariableIsSet("CUERDALOKKK_UPDATE_REFERENCES")) {
        QVERIFY(layout.open(QIODevice::WriteOnly) && layout.write(layout_of(window, changing).toUtf8()) > 0);
        QVERIFY(!at_scale_one || picture.save(picture_file));
        layout.close();
    }
    QVERIFY2(layout.open(QIODevice::ReadOnly), qPrintable(layout.fileName()));
    QCOMPARE(layout_of(window, changing), QString::fromUtf8(layout.readAll()));
    QVERIFY2(!at_scale_one || picture == QImage(picture_file).convertToFormat(QImage::Format_RGB32),
             qPrintable(picture_file));
}
