#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <random>

#include "tests/support/game_invariants.h"
#include "tests/ui/test_program.h"
#include "ui/picture_box.h"
#include "ui/slot_row.h"
#include "ui/status_bar.h"
#include "ui/unicode_text.h"

// A long seeded random game against the real windows: typed keys in either list,
// the menu commands with good and bad answers, the add-words dialog and the score
// window. After every event the game keeps its rules and the screen shows the game.
class RandomPlayTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void twenty_thousand_events_keep_screen_and_game_alike();
};

namespace {

const QString typed =
    QStringLiteral("abcdefghijklmnopqrstuvwxyzñáéíóúçABCDEFGHIJKLMNOPQRSTUVWXYZÑÁÉÍÓÚÇ0123456789 \r\b\x1b"
                   "ü€");
const std::vector<std::u32string> answers = {U"",
                                             U"0",
                                             U"1",
                                             U"2",
                                             U"30",
                                             U"31",
                                             U" 4 ",
                                             U"abc",
                                             U"Feo",
                                             U"abcdefghijklmnopqrstu",
                                             U"abcdefghijklmnopqrstuv",
                                             U"dos\nlíneas"};
const Command commands[] = {Command::one_player,
                            Command::two_players,
                            Command::pair_against_computer,
                            Command::several_players,
                            Command::several_against_computer,
                            Command::high_scores,
                            Command::add_words};

// What the main window shows against the board it was told of.
QString screen_differs(MainWindow& window, const Board& board)
{
    const auto* slots = window.findChild<SlotRow*>();
    if (slots->shown_count() != static_cast<int>(std::min<std::size_t>(board.slots.size(), 21)))
        return QStringLiteral("slot count");
    for (int i = 1; i <= slots->shown_count(); ++i) {
        if (slots->caption(i) != to_qstring(std::u32string(1, board.slots.shown(static_cast<std::size_t>(i - 1)))))
            return QStringLiteral("slot %1").arg(i);
    }
    const std::pair<const char*, const std::u32string*> lists[] = {{"rightLetters", &board.right_letters},
                                                                   {"wrongLetters", &board.wrong_letters}};
    for (const auto& [name, letters] : lists) {
        if (window.findChild<QListWidget*>(QString::fromLatin1(name))->count() != static_cast<int>(letters->size()))
            return QString::fromLatin1(name);
    }
    for (int k = 0; k < 9; ++k) {
        if (window.findChild<PictureBox*>(QStringLiteral("piece%1").arg(k))->isVisible() != board.pieces[k])
            return QStringLiteral("piece %1").arg(k);
    }
    const auto* status = window.findChild<StatusBar*>();
    const std::u32string* texts[] = {&board.hits_text, &board.misses_text, &board.turn_text};
    for (int n = 5; n <= 7; ++n) {
        if (status->panel(n).text() != to_qstring(*texts[n - 5]))
            return QStringLiteral("panel %1").arg(n);
    }
    return {};
}

} // namespace

void RandomPlayTest::twenty_thousand_events_keep_screen_and_game_alike()
{
    const QByteArray chosen = qgetenv("RANDOM_PLAY_SEED");
    const unsigned seed = chosen.isEmpty() ? std::random_device{}() : chosen.toUInt();
    std::mt19937 rng{seed};
    auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>{0, n - 1}(rng); };
    TestProgram test;
    QVERIFY(test.start("Feo\r\n\r\nMaNteQuIlla\r\n\xc1rBoL\r\na b\r\n"));
    MainWindow& window = test.program.main_window();
    QListWidget* lists[] = {window.findChild<QListWidget*>(QStringLiteral("rightLetters")),
                            window.findChild<QListWidget*>(QStringLiteral("wrongLetters"))};
    QStringList recent;
    std::size_t letters_listed = 0;
    // The offscreen platform cannot raise windows; the windows are raised every time
    // they are opened again, so say it once.
    static QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
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
            if (!window.isActiveWindow()) {
                window.activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(&window));
            }
            QListWidget* list = lists[pick(2)];
            list->setFocus();
            const QString c = typed.at(static_cast<qsizetype>(pick(static_cast<std::size_t>(typed.size()))));
            what = QStringLiteral("key U+%1").arg(c.at(0).unicode(), 4, 16, QLatin1Char('0'));
            QTest::sendKeyEvent(QTest::Click, list, Qt::Key_unknown, c, Qt::NoModifier);
        } else if (kind < 90) {
            const Command command = commands[pick(std::size(commands))];
            what = QStringLiteral("command %1").arg(int(command));
            window.action(command).trigger();
            if (AddWordsDialog* dialog = test.program.add_words_dialog(); dialog && pick(2)) {
                auto* word = dialog->findChild<QLineEdit*>(QStringLiteral("wordEdit"));
                word->setText(to_qstring(answers[pick(answers.size())]));
                QTest::keyClick(word, Qt::Key_Return);
            } else if (dialog) {
                dialog->findChild<QPushButton*>(QStringLiteral("stopButton"))->click();
            }
        } else if (kind < 95) {
            what = QStringLiteral("queued commands");
            QCoreApplication::processEvents();
        } else {
            ScoreWindow& scores = test.program.score_window();
            QPushButton* buttons[] = {&scores.accept_button(), &scores.cancel_button(), &scores.erase_button()};
            QPushButton* button = buttons[pick(std::size(buttons))];
            what = QStringLiteral("score window %1").arg(button->objectName());
            button->click();
        }
        recent = recent.mid(recent.size() > 30) << QStringLiteral("%1: %2").arg(event).arg(what);

        const Game& game = test.program.game();
        letters_listed =
            std::max(letters_listed, game.board().right_letters.size() + game.board().wrong_letters.size());
        QString broken = QString::fromStdString(broken_invariant(game.state(), game.board()));
        if (broken.isEmpty())
            broken = screen_differs(window, game.board());
        const std::string& scores = test.file("puntuaciones.txt");
        if (broken.isEmpty() && std::count(scores.begin(), scores.end(), '\n') != 6)
            broken = QStringLiteral("the score file is no longer six lines");
        if (!broken.isEmpty())
            QFAIL(qPrintable(broken + QStringLiteral("\nRANDOM_PLAY_SEED=%1 replays it; last events:\n").arg(seed) +
                             recent.join(u'\n')));
    }
    QVERIFY2(letters_listed >= 9, "typed letters never reached the game");
}

QTEST_MAIN(RandomPlayTest)
#include "random_play_test.moc"
