#include "ui/menu_item_accessible.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>

#include "engine/spoken_text.h"
#include "ui/ui_text.h"
#include "ui/unicode_text.h"

MenuItemAccessible::MenuItemAccessible(QAction* action, QWidget* owner) : m_action(action), m_owner(owner) {}

bool MenuItemAccessible::isValid() const
{
    return m_action && m_owner;
}

QObject* MenuItemAccessible::object() const
{
    return m_action;
}

QWindow* MenuItemAccessible::window() const
{
    return m_owner ? m_owner->windowHandle() : nullptr;
}

QAccessibleInterface* MenuItemAccessible::childAt(int x, int y) const
{
    for (int i = 0; i < childCount(); ++i) {
        QAccessibleInterface* item = child(i);
        if (item && item->rect().contains(x, y))
            return item;
    }
    return nullptr;
}

QAccessibleInterface* MenuItemAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(m_owner.data());
}

QAccessibleInterface* MenuItemAccessible::child(int index) const
{
    if (index == 0 && m_action && m_action->menu())
        return QAccessible::queryAccessibleInterface(m_action->menu());
    return nullptr;
}

int MenuItemAccessible::childCount() const
{
    return m_action && m_action->menu() ? 1 : 0;
}

int MenuItemAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    return child && childCount() == 1 && child->object() == m_action->menu() ? 0 : -1;
}

QString MenuItemAccessible::text(QAccessible::Text t) const
{
    if (!m_action)
        return {};
    switch (t) {
    case QAccessible::Name: {
        QString name = m_action->text().remove(u'&');
        // An item of the menu bar opens a menu by its nature; one in a menu is said to.
        if (m_action->menu() && qobject_cast<QMenu*>(m_owner))
            name += ui_text::submenu;
        return name;
    }
    case QAccessible::Accelerator:
        return m_action->shortcut().toString(QKeySequence::NativeText);
    default:
        return {};
    }
}

QRect MenuItemAccessible::rect() const
{
    if (auto* menu = qobject_cast<QMenu*>(m_owner))
        return menu->actionGeometry(m_action).translated(menu->mapToGlobal(QPoint(0, 0)));
    if (auto* bar = qobject_cast<QMenuBar*>(m_owner))
        return bar->actionGeometry(m_action).translated(bar->mapToGlobal(QPoint(0, 0)));
    return {};
}

QAccessible::Role MenuItemAccessible::role() const
{
    return m_action && m_action->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
}

QAccessible::State MenuItemAccessible::state() const
{
    QAccessible::State s;
    if (!m_action || !m_owner)
        return s;
    if (!m_owner->isVisible() || !m_action->isVisible())
        s.invisible = true;
    QAction* active = nullptr;
    if (auto* menu = qobject_cast<QMenu*>(m_owner))
        active = menu->activeAction();
    else if (auto* bar = qobject_cast<QMenuBar*>(m_owner))
        active = bar->activeAction();
    s.focusable = true;
    s.focused = active == m_action;
    if (m_owner->style()->styleHint(QStyle::SH_Menu_MouseTracking))
        s.hotTracked = true;
    s.disabled = m_action->isSeparator() || !m_action->isEnabled();
    s.checkable = m_action->isCheckable();
    s.checked = m_action->isChecked();
    s.hasPopup = m_action->menu() != nullptr;
    return s;
}

void* MenuItemAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
}

QStringList MenuItemAccessible::actionNames() const
{
    if (!m_action || m_action->isSeparator() || !m_action->isEnabled())
        return {};
    return {m_action->menu() ? showMenuAction() : pressAction()};
}

void MenuItemAccessible::doAction(const QString& name)
{
    if (!m_action || !m_action->isEnabled())
        return;
    if (name == pressAction()) {
        m_action->trigger();
    } else if (name == showMenuAction()) {
        if (auto* menu = qobject_cast<QMenu*>(m_owner))
            menu->setActiveAction(m_action);
        else if (auto* bar = qobject_cast<QMenuBar*>(m_owner))
            bar->setActiveAction(m_action);
    }
}

QStringList MenuItemAccessible::keyBindingsForAction(const QString&) const
{
    if (!m_action || m_action->shortcut().isEmpty())
        return {};
    return {QString(), QString(), spoken_shortcut(m_action->shortcut())};
}

QString spoken_shortcut(const QKeySequence& shortcut)
{
    return shortcut.toString(QKeySequence::PortableText)
        .replace(QStringLiteral("Ctrl+"), to_qstring(spoken_text::control));
}
