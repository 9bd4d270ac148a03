#pragma once
#include <QDialog>

// The about box: a fixed dialog owned by the main window, not modal.
// Aceptar, Enter, Escape and the close box all close and discard it.
class AboutBox final : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* owner);

protected:
    void paintEvent(QPaintEvent* event) override;
};
