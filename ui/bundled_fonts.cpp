#include "ui/bundled_fonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>

void add_bundled_fonts()
{
    const QDir fonts(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
    for (const QString& file : fonts.entryList({QStringLiteral("*.ttf")}, QDir::Files))
        QFontDatabase::addApplicationFont(fonts.filePath(file));
}
