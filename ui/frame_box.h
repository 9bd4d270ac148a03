#pragma once
#include <QGroupBox>

// A frame as the design draws it: an etched rectangle whose top line runs through
// the middle of the caption, so the caption takes no room of its own and the
// controls inside stand at their designed places.
class FrameBox final : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};
