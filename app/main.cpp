#include <QApplication>

#include "data/program_info.h"
#include "platform/current_directory.h"
#include "platform/disk_file_system.h"
#include "platform/random_source.h"
#ifdef _WIN32
#include "platform/windows/player_folder.h"
#include "ui/bundled_fonts.h"
#endif
#include "ui/art/picture.h"
#include "ui/dialog_prompts.h"
#include "ui/first_paint.h"
#include "ui/program.h"
#include "ui/spanish_qt_texts.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
#ifdef _WIN32
    // The Start menu's entry keeps the files in the player's own folder, as the
    // desktop's launcher does on Linux; started from a folder, the game uses it.
    if (QApplication::arguments().contains(QStringLiteral("--from-menu")))
        enter_player_folder();
    add_bundled_fonts();
#endif
    install_spanish_qt_texts(application);
    const auto text = [](std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); };
    QApplication::setApplicationName(text(program_info::product_name));
    QApplication::setApplicationVersion(text(program_info::product_version));
    QGuiApplication::setDesktopFileName(text(program_info::desktop_file_name));

    ProcessDirectory directory;
    DiskFileSystem files;
    ClockRandomSource random;
    DialogPrompts prompts;
    Program program({files, directory, random, prompts});
    // The icon is drawn and the name box made once the window is on screen, after
    // the benchmark's first-paint note, which is watched later and so runs first.
    after_first_paint(program.main_window(), [&prompts] {
        QApplication::setWindowIcon(art::program_icon());
        prompts.prepare();
    });
    note_first_paint_when_asked(program.main_window());
    program.start();
    return QApplication::exec();
}
