#include "GroupBoxFrame.h"
#include "ProgramIcon.h"

#include <QFile>
#include <QApplication>
#include <QGroupBox>
#include <QStyle>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <cstring>

#ifdef Q_OS_LINUX
#  include <elf.h>
#endif

// What zrc loads before its main window is up: every object mapped at start
// costs start-up time, so the network stack, the web engine and the
// image-format plugins wait until they are used, and of Qt's catalogues only
// the base one loads.

namespace {

const QString BinDir = QStringLiteral(ZRC_TEST_SAMPLE_DIR);

#ifdef Q_OS_LINUX
// The libraries an ELF file names (DT_NEEDED): the dynamic loader maps them
// at every start, whether the program uses them or not.
QStringList neededLibraries(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const quint64 size = quint64(file.size());
    const uchar *data = file.map(0, qint64(size));
    const auto inFile = [size](quint64 offset, quint64 length) { return offset <= size && length <= size - offset; };
    if (!data || !inFile(0, sizeof(Elf64_Ehdr)))
        return {};
    const auto *header = reinterpret_cast<const Elf64_Ehdr *>(data);
    if (std::memcmp(header->e_ident, ELFMAG, SELFMAG) != 0 || header->e_ident[EI_CLASS] != ELFCLASS64
        || !inFile(header->e_shoff, quint64(header->e_shnum) * sizeof(Elf64_Shdr)))
        return {};
    const auto *sections = reinterpret_cast<const Elf64_Shdr *>(data + header->e_shoff);
    QStringList needed;
    for (int i = 0; i < header->e_shnum; ++i) {
        const Elf64_Shdr &dynamic = sections[i];
        if (dynamic.sh_type != SHT_DYNAMIC || dynamic.sh_link >= header->e_shnum)
            continue;
        const Elf64_Shdr &strings = sections[dynamic.sh_link];
        if (!inFile(dynamic.sh_offset, dynamic.sh_size) || !inFile(strings.sh_offset, strings.sh_size))
            continue;
        const auto *entries = reinterpret_cast<const Elf64_Dyn *>(data + dynamic.sh_offset);
        const auto *names = reinterpret_cast<const char *>(data + strings.sh_offset);
        for (quint64 e = 0; e < dynamic.sh_size / sizeof(Elf64_Dyn) && entries[e].d_tag != DT_NULL; ++e) {
            const quint64 at = entries[e].d_un.d_val;
            if (entries[e].d_tag == DT_NEEDED && at < strings.sh_size)
                needed.append(QString::fromLatin1(names + at, qstrnlen(names + at, strings.sh_size - at)));
        }
    }
    return needed;
}
#endif

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void zrcLinksNeitherNetworkNorWebEngine()
    {
#ifdef Q_OS_LINUX
        const QStringList zrc = neededLibraries(BinDir + QStringLiteral("/zrc"));
        QVERIFY2(zrc.filter(QStringLiteral("libQt6Widgets")).size() == 1, qPrintable(zrc.join(u' ')));
        for (const QString &library : zrc)
            QVERIFY2(!library.contains(QStringLiteral("Qt6Network")) && !library.contains(QStringLiteral("Qt6WebEngine")),
                     qPrintable(u"zrc needs " + library));
        // The network stack comes with the plugin instead.
        const QStringList plugin = neededLibraries(BinDir + QStringLiteral("/zrc-http.so"));
        QVERIFY2(plugin.filter(QStringLiteral("libQt6Network")).size() == 1, qPrintable(plugin.join(u' ')));
#else
        QSKIP("reads ELF files");
#endif
    }

    // A returning user's start (no tour), with the probe listing what was
    // loaded and which catalogues were installed when the window came up.
    void nothingExtraIsLoadedBeforeTheWindowShows()
    {
#ifndef Q_OS_LINUX
        QSKIP("the probe lists loaded objects on Linux");
#endif
        QTemporaryDir config;
        QFile file(config.filePath(QStringLiteral("ZRCconfig.ini")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[zrv]\r\nfver=3.2\r\nsver=3.1\r\n");
        file.close();
        QProcess zrc;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ZRC_STARTUP_PROBE"), QStringLiteral("1"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        zrc.setProcessEnvironment(env);
        zrc.start(BinDir + QStringLiteral("/zrc"),
                  {QStringLiteral("--data-dir"), BinDir, QStringLiteral("--config"), file.fileName()});
        QVERIFY2(zrc.waitForFinished(60000), "zrc did not come up and quit under the probe");
        const QStringList lines = QString::fromLocal8Bit(zrc.readAllStandardOutput()).split(u'\n');
        QVERIFY2(!lines.filter(QStringLiteral("exposed ")).isEmpty(), qPrintable(lines.join(u'\n')));

        // What the first paint loaded counts too: the window isn't up before it.
        QVERIFY2(!lines.filter(QStringLiteral("painted-objects ")).isEmpty(), qPrintable(lines.join(u'\n')));
        QStringList loaded, translators;
        for (const QString &line : lines) {
            if (line.startsWith(QStringLiteral("loaded /")))
                loaded.append(line.mid(7));
            else if (line.startsWith(QStringLiteral("loaded-in-paint /")))
                loaded.append(line.mid(16));
            else if (line.startsWith(QStringLiteral("translator ")))
                translators.append(line.mid(11));
        }
        QVERIFY2(!loaded.filter(QStringLiteral("libQt6Widgets")).isEmpty(), "the probe listed no objects");
        for (const QString &object : loaded)
            QVERIFY2(!object.contains(QStringLiteral("Qt6Network")) && !object.contains(QStringLiteral("Qt6WebEngine"))
                         && !object.contains(QStringLiteral("/imageformats/")) && !object.contains(QStringLiteral("/zrc-http"))
                         && !object.contains(QStringLiteral("/zrc-webview")),
                     qPrintable(u"loaded before the window was up: " + object));
        QCOMPARE(translators.size(), 1);
        QVERIFY2(translators.constFirst().endsWith(QStringLiteral("/qtbase_zh_CN.qm")), qPrintable(translators.constFirst()));
    }

    void windowIconIsThePackagedPicture()
    {
        const QIcon icon = programIcon();
        QCOMPARE(icon.availableSizes(), QList<QSize>{QSize(256, 256)});
        const QImage shown = icon.pixmap(QSize(256, 256)).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QImage packaged = QImage(QStringLiteral(ZRC_PACKAGING_DIR "/icons/zrc-256.png")).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QVERIFY(!packaged.isNull());
        QVERIFY2(shown == packaged, "the built-in pixels differ from packaging/icons/zrc-256.png");
    }

    // The icon waits for the first paint, then reaches every window, the
    // ones already up included.
    void windowIconComesAfterTheFirstPaint()
    {
        QWidget window;
        window.winId();
        useProgramIconAfterFirstPaint();
        QVERIFY(QGuiApplication::windowIcon().isNull());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(QGuiApplication::windowIcon().availableSizes(), QList<QSize>{QSize(256, 256)});
        QCOMPARE(window.windowHandle()->icon().availableSizes(), QList<QSize>{QSize(256, 256)});
    }

    // The frames of the main window are drawn from built-in pixels, and
    // must look as the style draws them from its own picture.
    void builtInFrameLooksAsTheStyleDrawsIt()
    {
        const QImage styles = QImage(QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"))
                                  .convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!styles.isNull());
        QVERIFY2(groupBoxFramePicture() == styles, "the built-in frame picture differs from the style's");

        if (QApplication::style()->name() != u"fusion")
            QSKIP("the built-in frame replaces the Fusion style's");
        for (const QString &title : {QStringLiteral("角色基本信息"), QString()}) {
            QWidget window;
            window.resize(420, 260);
            QGroupBox plain(title, &window), builtIn(title, &window);
            plain.setGeometry(5, 5, 200, 120);
            builtIn.setGeometry(210, 5, 200, 120);
            useBuiltInFrame(&builtIn);
            QVERIFY(builtIn.style() != plain.style());
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            const QImage drawn = window.grab().toImage();
            QCOMPARE(drawn.copy(210, 5, 200, 120), drawn.copy(5, 5, 200, 120));
        }
    }
};

QTEST_MAIN(StartupTest)

#include "tst_startup.moc"
