#include <QApplication>

#include "current_directory.h"
#include "dialog_prompts.h"
#include "disk_file_system.h"
#include "pictures.h"
#include "program.h"
#include "random_source.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("CuErDaLoKKK"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setWindowIcon(program_icon());

    ProcessDirectory directory;
    DiskFileSystem files;
    ClockRandomSource random;
    DialogPrompts prompts;
    Program program({files, directory, random, prompts});
    program.start();
    return QApplication::exec();
}
