// zrc_monkey [--seed N] [--events N] [--verbose]
//
// Starts the program as zrc does (through the guide, every window wired to
// the main window's links) on a copy of the bundled sample and sends random
// events to its windows: clicks and double-clicks on named controls, picks
// in lists, keys and typing into text boxes, drags, closes and reopens,
// timer ticks. Pages show in the plain view, echoes come from a stand-in
// that answers at once, and the address lookup reads the sample's page. After every event
// it checks that the shown total is the sum of the twelve shown values,
// that the game database is byte for byte what it was, and that the
// configuration file still reads. A failure prints the seed, the event
// number and the event, and exits 1; the same seed replays it.

#include "AppPaths.h"
#include "AssistantWiring.h"
#include "BestBuildWiring.h"
#include "ComparisonWiring.h"
#include "ComboSelect.h"
#include "MessageRecorder.h"
#include "MonkeyWindows.h"
#include "Numbers.h"
#include "OpenPage.h"
#include "PingEcho.h"
#include "ProfileDocument.h"
#include "Random.h"
#include "RegularFile.h"
#include "ShareWindowOpen.h"
#include "ZoneWiring.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <map>
#include <string_view>
#include <random>

namespace {

// Echo replies without the network: each address answers in a time of its
// own (some never), at once, so a zone's ten passes cost nothing.
class StandInEcho : public mPing::Backend {
public:
    mPing::Echo ping(std::uint32_t address) override
    {
        const unsigned last = address >> 24; // a.b.c.d in network order: d in the top byte
        if (last % 7 == 3)
            return mPing::Echo::failure();
        return mPing::Echo::success(int(last * 37 % 240));
    }
};

struct Monkey {
    MonkeyProgram &program;
    Main &main;
    std::mt19937 &rng;
    QString database;
    QString config;
    QByteArray databaseBytes;
    int totalsChecked = 0;
    std::map<QString, int> opened;  // window name -> times it came on screen
    std::map<QString, bool> showing;

    // Counts the windows that came on screen since the last look.
    void countOpenings()
    {
        for (const MonkeyWindow &w : MonkeyWindows) {
            QWidget *widget = w.find(program);
            const bool now = widget && widget->isVisible();
            bool &was = showing[QString::fromLatin1(w.name)];
            if (now && !was)
                ++opened[QString::fromLatin1(w.name)];
            was = now;
        }
    }

    int below(int n) { return n <= 0 ? 0 : int(rng() % unsigned(n)); }

    QList<const MonkeyWindow *> openRows()
    {
        QList<const MonkeyWindow *> out;
        for (const MonkeyWindow &w : MonkeyWindows)
            if (QWidget *widget = w.find(program); widget && widget->isVisible())
                out.append(&w);
        return out;
    }

    // Named controls a person can reach: visible and enabled.
    QList<QWidget *> controls(QWidget *window)
    {
        QList<QWidget *> out;
        for (QWidget *w : window->findChildren<QWidget *>())
            if (!w->objectName().isEmpty() && !w->objectName().startsWith(u"qt_") && w->isVisible()
                && w->isEnabled())
                out.append(w);
        return out;
    }

    QPoint somewhere(QWidget *w) { return QPoint(below(w->width()), below(w->height())); }

    // One random event; returns what it was.
    QString step()
    {
        const QList<const MonkeyWindow *> rows = openRows();
        const MonkeyWindow *row = rows.isEmpty() ? &MonkeyWindows[0] : rows[below(int(rows.size()))];
        QWidget *window = row->find(program);
        if (!window)
            window = &main;
        const QString where = QString::fromLatin1(row->name);
        const int kind = below(100);
        if (kind < 45) {
            const QList<QWidget *> list = controls(window);
            if (list.isEmpty())
                return where + u": nothing to click";
            // Half the time a list, the heart of the calculator.
            QList<QWidget *> combos;
            for (QWidget *w : list)
                if (qobject_cast<QComboBox *>(w))
                    combos.append(w);
            QWidget *c = !combos.isEmpty() && below(2) == 0 ? combos[below(int(combos.size()))]
                                                           : list[below(int(list.size()))];
            if (auto *combo = qobject_cast<QComboBox *>(c)) {
                const int i = below(int(combo->count()) + 1) - 1;
                selectIndex(combo, i);
                return where + u": pick " + QString::number(i) + u" in " + c->objectName();
            }
            const QPoint p = somewhere(c);
            if (below(8) == 0) {
                QTest::mouseDClick(c, Qt::LeftButton, {}, p);
                return where + u": double-click " + c->objectName();
            }
            QTest::mouseMove(c, p);
            QTest::mouseClick(c, below(6) == 0 ? Qt::RightButton : Qt::LeftButton, {}, p);
            return where + u": click " + c->objectName();
        }
        if (kind < 52) {
            // Typing into a text box (the level-up digit boxes), digits
            // mostly, then Return or Tab now and then.
            QList<QLineEdit *> boxes;
            for (QLineEdit *e : window->findChildren<QLineEdit *>())
                if (!e->objectName().isEmpty() && e->isVisible() && e->isEnabled())
                    boxes.append(e);
            if (!boxes.isEmpty()) {
                QLineEdit *box = boxes[below(int(boxes.size()))];
                QTest::mouseClick(box, Qt::LeftButton, {}, somewhere(box));
                static const char typed[] = "0123456789012345678901234567890123456789a-.,+ 9";
                QString text;
                for (int n = below(12); n >= 0; --n)
                    text += QLatin1Char(typed[below(int(sizeof typed) - 1)]);
                QTest::keyClicks(box, text);
                if (below(3) == 0)
                    QTest::keyClick(box, below(2) ? Qt::Key_Return : Qt::Key_Tab);
                return where + u": type \"" + text + u"\" into " + box->objectName();
            }
        }
        if (kind < 60) {
            static const Qt::Key keys[] = {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space, Qt::Key_Tab,
                                           Qt::Key_Up, Qt::Key_Down, Qt::Key_A, Qt::Key_1, Qt::Key_Backspace};
            const Qt::Key key = keys[below(int(std::size(keys)))];
            QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : window;
            QTest::keyClick(target, key);
            return where + u": key " + QString::number(int(key), 16);
        }
        if (kind < 72) {
            const QPoint from = somewhere(window), to = somewhere(window);
            QTest::mousePress(window, Qt::LeftButton, {}, from);
            QTest::mouseMove(window, to);
            QTest::mouseRelease(window, Qt::LeftButton, {}, to);
            return where + u": drag";
        }
        if (kind < 82) {
            const MonkeyWindow &w = MonkeyWindows[below(int(std::size(MonkeyWindows)))];
            QWidget *widget = w.find(program);
            if (widget && widget != &main && widget->isVisible()) {
                widget->close();
                return QString::fromLatin1(w.name) + u": close";
            }
            w.open(program);
            return QString::fromLatin1(w.name) + u": open";
        }
        if (below(5) == 0) {
            QTest::qWait(1);
            return QStringLiteral("events processed");
        }
        // A tick of a timer of an open window.
        if (row->tick) {
            const int first = below(8);
            for (int n = first; n < first + 8; ++n)
                if (const QString name = row->tick(window, n); !name.isEmpty())
                    return where + u": " + name + u" tick";
        }
        QApplication::processEvents();
        return where + u": no timer running";
    }

    // Empty when all is well, otherwise what went wrong.
    QString check()
    {
        const BuildEngine &e = main.engine();
        if (e.abilitiesVisible()) {
            ++totalsChecked;
            double sum = 0;
            for (int i = 0; i < AbilityCount; ++i) {
                auto *label = main.findChild<QLabel *>(Abilities[i].valueLabel.toString());
                if (!label)
                    return QStringLiteral("the ability label ") + Abilities[i].valueLabel.toString() + u" is gone";
                sum += leadingNumber(e.abilityText(i));
                if (label->isVisible() && label->text() != e.abilityText(i))
                    return u"the label " + label->objectName() + u" shows " + label->text() + u", the build holds "
                           + e.abilityText(i);
            }
            auto *total = main.findChild<QLabel *>(TotalLabel.toString());
            if (total && total->isVisible() && leadingNumber(total->text()) != sum)
                return u"the total shows " + total->text() + u", the twelve values add up to " + plainNumber(sum);
        }
        if (RegularFile::read(database).bytes != databaseBytes)
            return QStringLiteral("the game database changed");
        if (RegularFile::kind(config) != RegularFile::Problem::Missing) {
            const RegularFile::Contents c = RegularFile::read(config);
            if (!c.ok())
                return u"the configuration cannot be read: " + RegularFile::describe(c.problem);
            for (const auto &k : ProfileDocument::parse(c.bytes).keyLines())
                if (k.section != u"zrv" && k.section != u"zrc" && k.section != u"zru")
                    return u"the configuration holds a stray key at line " + QString::number(k.line);
        }
        return QString();
    }
};

} // namespace

int main(int argc, char *argv[])
{
    // The pages in the plain view: no web engine in the monkey.
    qputenv("ZRC_NO_WEBENGINE", "1");
    QApplication app(argc, argv);
    unsigned seed = 1;
    int events = 2000;
    const bool verbose = QApplication::arguments().contains(QStringLiteral("--verbose"));
    const QStringList args = QApplication::arguments();
    for (qsizetype i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == u"--seed")
            seed = args[i + 1].toUInt();
        else if (args[i] == u"--events")
            events = args[i + 1].toInt();
    }

    // A copy of the bundled sample, and a configuration of its own.
    QTemporaryDir dir;
    const QDir sample(QStringLiteral(ZRC_TEST_SAMPLE_DIR));
    QDir().mkpath(dir.filePath(QStringLiteral("ZRCimages")));
    for (const QString &name : {QStringLiteral("ZRCdata.dat"), QStringLiteral("ZRCendpoints.ini"),
                                QStringLiteral("说明文档.txt")})
        QFile::copy(sample.filePath(name), dir.filePath(name));
    for (const QString &folder : {QStringLiteral("ZRCimages"), QStringLiteral("pages")}) {
        QDir().mkpath(dir.filePath(folder));
        for (const QString &name : QDir(sample.filePath(folder)).entryList(QDir::Files))
            QFile::copy(sample.filePath(folder + u'/' + name), dir.filePath(folder + u'/' + name));
    }
    AppPaths::init({QStringLiteral("--data-dir"), dir.path(), QStringLiteral("--config"),
                    dir.filePath(QStringLiteral("config/ZRCconfig.ini"))});

    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    Random::setSource([&] { return unit(rng); });
    MessageRecorder messages;
    setPageOpener([](const QUrl &) { return true; });
    mPing::setBackend(std::make_shared<StandInEcho>());

    // Wired and started as zrc starts: through the guide.
    Main main;
    wireComparison(main);
    wireAssistants(main);
    wireZonePing(main);
    wireBestBuild(main);
    MonkeyProgram program{main, nullptr};
    for (const MonkeyWindow &w : MonkeyWindows)
        if (w.name == std::string_view("News"))
            w.open(program);
    Monkey monkey{program, main, rng, AppPaths::databasePath(), AppPaths::configPath(),
                  RegularFile::read(AppPaths::databasePath()).bytes, 0, {}, {}};
    monkey.countOpenings();
    if (monkey.databaseBytes.isEmpty()) {
        std::fprintf(stderr, "zrc_monkey: no sample database in %s\n", ZRC_TEST_SAMPLE_DIR);
        return 2;
    }
    for (int n = 1; n <= events; ++n) {
        const QString event = monkey.step();
        if (verbose)
            std::printf("%d %s\n", n, qPrintable(event));
        QApplication::processEvents();
        monkey.countOpenings();
        const QString wrong = monkey.check();
        if (!wrong.isEmpty()) {
            std::fprintf(stderr, "zrc_monkey --seed %u: event %d (%s): %s\n", seed, n, qPrintable(event),
                         qPrintable(wrong));
            return 1;
        }
    }
    std::printf("zrc_monkey --seed %u: %d events (%d with a build shown), %d messages answered, all checks held\n",
                seed, events, monkey.totalsChecked, messages.count());
    std::printf("windows opened:");
    for (const MonkeyWindow &w : MonkeyWindows)
        std::printf(" %s %d", w.name, monkey.opened[QString::fromLatin1(w.name)]);
    std::printf("\n");
    return 0;
}
