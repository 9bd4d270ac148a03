#include "ui/accessible_roles.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {
struct ClassRole {
    const char* class_name;
    QAccessible::Role role;
};

constexpr ClassRole roles[] = {
    {"StatusBar", QAccessible::StatusBar},    {"PictureBox", QAccessible::Graphic},
    {"AddWordsDialog", QAccessible::Dialog},  {"ScoreWindow", QAccessible::Dialog},
    {"Announcer", QAccessible::Notification}, {"SlotRow", QAccessible::StaticText},
};

QAccessibleInterface* accessible_with_role(const QString& class_name, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
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
