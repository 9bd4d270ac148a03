#include "ui/announcer.h"

#include "ui/accessible_roles.h"

Announcer::Announcer(QWidget* parent) : QWidget(parent)
{
    install_accessible_roles();
    setObjectName(QStringLiteral("announcer"));
    setFixedSize(0, 0);
    hide();
}

// Hidden first, so every text appears anew, even the same one twice.
void Announcer::announce(const QString& text)
{
    hide();
    setAccessibleName(text);
    show();
}
