#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <deque>
#include <random>

#include "form2.h"
#include "game_invariants.h"
#include "line_reader.h"
#include "picture_box.h"
#include "slot_row.h"
#include "status_bar.h"
#include "test_program.h"
#include "unicode_text.h"

// A long seeded random game against the real windows: typed keys in either list,
// the menu commands with good and bad answers, the add-words dialog and the score
// window. After every event the game keeps its rules and the screen shows the game.
class RandomPlayTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void twenty_thousand_events_keep_screen_and_game_alike();
};

namespace {

const QString typed = QStringLiteral("abcdefghijklmnopqrstuvwxyzñáéíóúçABCDEFGHIJKLMNOPQRSTUVWXYZÑÁÉÍÓÚÇ0123456789 \r\b\x1b" "ü€");
const std::vector<std::u32string> answers = {U"",    U"0",    U"1",   U"2",   U"30",
                                             U"31",  U" 4 ",  U"abc", U"Feo", U"abcdefghijklmnopqrstu",
                                             U"abcdefghijklmnopqrstuv", U"dos\nlíneas"};
const char* const commands[] = {"one", "for", "two", "five", "tree", "ver", "pn"};
const char* const score_buttons[] = {"Command1", "Command2", "Command3"};

// What Form1 shows against the board it was told of.
QString screen_differs(Form1& form1, const Board& board)
{
    const auto* slots = form1.findChild<SlotRow*>();
    if (slots->slot_count() != static_cast<int>(board.Label2.size()) - 1)
        return QStringLiteral("slot count");
    for (int i = 1; i <= slots->slot_count(); ++i) {
        if (slots->caption(i) != to_qstring(board.Label2[static_cast<std::size_t>(i)]))
            return QStringLiteral("slot %1").arg(i);
    }
    const std::pair<const char*, const std::vector<std::u32string>*> lists[] = {{"List1", &board.List1},
                                                                                {"List2", &board.List2}};
    for (const auto& [name, lines] : lists) {
        if (form1.findChild<QListWidget*>(QString::fromLatin1(name))->count() != static_cast<int>(lines->size()))
            return QString::fromLatin1(name);
    }
    for (int k = 0; k < 9; ++k) {
        if (form1.findChild<PictureBox*>(QStringLiteral("Image9(%1)").arg(k))->isVisible() != board.Image9[k])
            return QStringLiteral("Image9(%1)").arg(k);
    }
    const auto* status = form1.findChild<StatusBar*>();
    for (int n = 5; n <= 7; ++n) {
        if (status->panel(n).text() != to_qstring(board.panel(n)))
            return QStringLiteral("panel %1").arg(n);
    }
    return {};
}

unsigned chosen_seed()
{
    const QByteArray seed = qgetenv("RANDOM_PLAY_SEED");
    return seed.isEmpty() ? std::random_device{}() : seed.toUInt();
}

} // namespace

void RandomPlayTest::twenty_thousand_events_keep_screen_and_game_alike()
{
    const unsigned seed = chosen_seed();
    std::mt19937 rng{seed};
    auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>{0, n - 1}(rng); };
    TestProgram test;
    QVERIFY(test.start("Feo\r\n\r\nMaNteQuIlla\r\n\xc1rBoL\r\na b\r\n"));
    Form1& form1 = test.program.form1();
    QListWidget* lists[] = {form1.findChild<QListWidget*>(QStringLiteral("List1")),
                            form1.findChild<QListWidget*>(QStringLiteral("List2"))};
    std::deque<QString> recent;
    std::size_t letters_listed = 0;
    // The offscreen platform cannot raise windows; the windows are raised every time
    // they are opened again, so say it once.
    static QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (!message.contains(QLatin1String("does not support raise()")))
                previous(type, context, message);
        });

    for (int event = 0; event < 20'000; ++event) {
        test.prompts.answers = {answers[pick(answers.size())], answers[pick(answers.size())]};
        test.prompts.messages.clear();
        QString what;
        const std::size_t kind = pick(100);
        if (kind < 75) {
            // The player comes back to the main window to type.
            if (!form1.isActiveWindow()) {
                form1.activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(&form1));
            }
            QListWidget* list = lists[pick(2)];
            list->setFocus();
            const QString c = typed.at(static_cast<qsizetype>(pick(static_cast<std::size_t>(typed.size()))));
            what = QStringLiteral("key U+%1").arg(c.at(0).unicode(), 4, 16, QLatin1Char('0'));
            QTest::sendKeyEvent(QTest::Click, list, Qt::Key_unknown, c, Qt::NoModifier);
        } else if (kind < 90) {
            const char* command = commands[pick(std::size(commands))];
            what = QStringLiteral("command %1").arg(QLatin1String(command));
            form1.command(command).trigger();
            if (Form2* form2 = test.program.form2(); form2 && pick(2)) {
                auto* text1 = form2->findChild<QLineEdit*>(QStringLiteral("Text1"));
                text1->setText(to_qstring(answers[pick(answers.size())]));
                QTest::keyClick(text1, Qt::Key_Return);
            } else if (form2) {
                form2->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
            }
        } else if (kind < 95) {
            what = QStringLiteral("queued commands");
            QCoreApplication::processEvents();
        } else {
            const char* button = score_buttons[pick(std::size(score_buttons))];
            what = QStringLiteral("score window %1").arg(QLatin1String(button));
            test.program.form3().button(button).click();
        }
        recent.push_back(QStringLiteral("%1: %2").arg(event).arg(what));
        if (recent.size() > 30)
            recent.pop_front();

        const Game& game = test.program.game();
        letters_listed = std::max(letters_listed, game.board().List1.size() + game.board().List2.size());
        QString broken = QString::fromStdString(broken_invariant(game.state(), game.board()));
        if (broken.isEmpty())
            broken = screen_differs(form1, game.board());
        if (broken.isEmpty()) {
            LineReader lines{test.file("puntuaciones.txt"), new_file_format};
            std::string_view line;
            int count = 0;
            while (lines.next(line))
                ++count;
            if (count != 6)
                broken = QStringLiteral("score file has %1 lines").arg(count);
        }
        if (!broken.isEmpty()) {
            QStringList report{broken, QStringLiteral("RANDOM_PLAY_SEED=%1 replays it; last events:").arg(seed)};
            report.append(QStringList(recent.begin(), recent.end()));
            QFAIL(qPrintable(report.join(QLatin1Char('\n'))));
        }
    }
    QVERIFY2(letters_listed >= 9, "typed letters never reached the game");
}

QTEST_MAIN(RandomPlayTest)
#include "random_play_test.moc"
