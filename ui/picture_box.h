#pragma once
#include <QString>
#include <QWidget>

// Shows one picture of the program's art at the box's size, drawn afresh for the
// screen's device pixel ratio so it stays sharp on any scale.
class PictureBox final : public QWidget {
public:
    PictureBox(QWidget* parent, QString picture);
    const QString& picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_picture;
};
