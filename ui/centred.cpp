#include "ui/centred.h"

#include <QScreen>
#include <QWidget>

void show_centred_on_screen(QWidget& window)
{
    if (!window.isVisible()) {
        window.adjustSize();
        const QRect screen = window.screen()->availableGeometry();
        window.move(screen.center() - window.rect().center());
        window.show();
    }
    window.raise();
    window.activateWindow();
}
