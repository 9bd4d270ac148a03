#include <QApplication>

#include "current_directory.h"
#include "dialog_prompts.h"
#include "disk_file_system.h"
#include "first_paint.h"
#include "picture.h"
#include "program.h"
#include "program_info.h"
#include "random_source.h"
#include "spanish_qt_texts.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    install_spanish_qt_texts(application);
    const auto text = [](std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); };
    QApplication::setApplicationName(text(program_info::product_name));
    QApplication::setApplicationVersion(text(program_info::product_version));
    QGuiApplication::setDesktopFileName(text(program_info::desktop_file_name));
    QApplication::setWindowIcon(art::program_icon());

    ProcessDirectory directory;
    DiskFileSystem files;
    ClockRandomSource random;
    DialogPrompts prompts;
    Program program({files, directory, random, prompts});
    note_first_paint_when_asked(program.main_window());
    program.start();
    return QApplication::exec();
}
