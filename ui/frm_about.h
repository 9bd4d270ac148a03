#pragma once
#include <QDialog>

// `frmAbout`, the about box: a fixed dialog owned by the main window, not modal.
// Aceptar, Enter, Escape and the close box all close and discard it.
class FrmAbout final : public QDialog {
    Q_OBJECT
public:
    explicit FrmAbout(QWidget* owner);

protected:
    void paintEvent(QPaintEvent* event) override;
};
