#pragma once
#include <QAccessibleInterface>
#include <QPointer>

class QAction;
class QWidget;

// A menu item as screen readers get it: Qt's own, but with its shortcut key
// handed over as the accelerator part of the key binding ("mnemonic;path;
// accelerator"), the one part a screen reader such as Orca speaks, in words
// ("F2", "Control+Q"); a submenu's item says it is one.
class MenuItemAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    // The item of action in owner, a menu or the menu bar.
    MenuItemAccessible(QAction* action, QWidget* owner);

    bool isValid() const override;
    QObject* object() const override;
    QWindow* window() const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& name) override;
    QStringList keyBindingsForAction(const QString& name) const override;

private:
    QPointer<QAction> m_action;
    QPointer<QWidget> m_owner;
};

// The shortcut as a speech synthesizer says it well: "F2", "Control+Q".
QString spoken_shortcut(const QKeySequence& shortcut);
