#include "ui/accessible_roles.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include "ui/menu_item_accessible.h"

namespace {
struct ClassRole {
    const char* class_name;
    QAccessible::Role role;
};

constexpr ClassRole roles[] = {
    {"StatusBar", QAccessible::StatusBar},    {"PictureBox", QAccessible::Graphic},
    {"AddWordsDialog", QAccessible::Dialog},  {"ScoreWindow", QAccessible::Dialog},
    {"Announcer", QAccessible::Notification}, {"Notice", QAccessible::Notification},
    {"SlotRow", QAccessible::StaticText},
};

// The add-words frame and the wrong letters' frame only group their controls: as
// fillers, a screen reader does not name them each time the focus enters them
// (the list names itself).
constexpr ClassRole frames_by_name[] = {{"addFrame", QAccessible::Client}, {"wrongLettersFrame", QAccessible::Client}};

QAccessibleInterface* menu_item(QAction* action)
{
    for (QObject* owner : action->associatedObjects()) {
        if (qobject_cast<QMenu*>(owner) || qobject_cast<QMenuBar*>(owner))
            return new MenuItemAccessible(action, static_cast<QWidget*>(owner));
    }
    return nullptr;
}

QAccessibleInterface* accessible_with_role(const QString& class_name, QObject* object)
{
    if (auto* action = qobject_cast<QAction*>(object))
        return menu_item(action);
    auto* widget = qobject_cast<QWidget*>(object);
    for (const ClassRole& known : frames_by_name) {
        if (widget && class_name == QLatin1String("FrameBox") &&
            widget->objectName() == QLatin1String(known.class_name))
            return new QAccessibleWidget(widget, known.role);
    }
    for (const ClassRole& known : roles) {
        if (widget && class_name == QLatin1String(known.class_name))
            return new QAccessibleWidget(widget, known.role);
    }
    return nullptr;
}
} // namespace

void install_accessible_roles()
{
    static const bool installed = (QAccessible::installFactory(accessible_with_role), true);
    Q_UNUSED(installed);
}
