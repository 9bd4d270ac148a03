// A plain Qt Widgets program of the main window's shape, written the way any
// Qt program would be: default fonts, no pictures, no files. The start-up
// benchmark measures the game against it.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

#include "ui/first_paint.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Ventana"));

    QMenu* menu = window.menuBar()->addMenu(QStringLiteral("Menú"));
    const std::pair<const char*, QKeySequence> actions[] = {
        {"Acción 1", Qt::Key_F2}, {"Acción 2", Qt::Key_F3}, {"Acción 3", Qt::Key_F4}, {"Acción 4", Qt::Key_F5},
        {"Acción 5", Qt::Key_F6}, {"Acción 6", {}},         {"Acción 7", {}},         {"Salir", Qt::CTRL | Qt::Key_Q},
    };
    for (const auto& [caption, shortcut] : actions)
        menu->addAction(QString::fromUtf8(caption))->setShortcut(shortcut);

    auto* client = new QWidget;
    window.setCentralWidget(client);
    const QRect groups[] = {{8, 8, 300, 330}, {320, 8, 350, 120}, {320, 140, 350, 200}};
    for (const QRect& place : groups) {
        auto* group = new QGroupBox(QStringLiteral("Grupo"), client);
        group->setGeometry(place);
    }
    for (int i = 0; i < 2; ++i) {
        auto* list = new QListWidget(client);
        list->setGeometry(330 + 170 * i, 160, 150, 160);
    }
    for (int i = 0; i < 4; ++i)
        (new QLabel(QStringLiteral("Etiqueta"), client))->move(330, 40 + 20 * i);
    for (int i = 0; i < 7; ++i)
        window.statusBar()->addPermanentWidget(new QLabel(QStringLiteral("Panel")), 1);

    window.setFixedSize(681, 496);
    note_first_paint_when_asked(window);
    window.show();
    return QApplication::exec();
}
