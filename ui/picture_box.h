#pragma once
#include <QWidget>

#include "ui/art/picture_name.h"

// Shows one of the program's pictures at its natural size, drawn afresh for the
// screen's device pixel ratio so it stays sharp at any scale.
class PictureBox final : public QWidget {
    Q_OBJECT
public:
    PictureBox(QWidget* parent, art::PictureName picture);
    art::PictureName picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    art::PictureName m_picture;
};
