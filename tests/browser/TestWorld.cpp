#include "TestWorld.h"

#include "AppPaths.h"
#include "PortraitWindow.h"
#include "Random.h"
#include "Units.h"
#include "Versions.h"
#include "WindowList.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QMouseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QStringEncoder>
#include <QTest>

namespace {

// The twelve values of an ordinary character of each class, in ability order.
const QList<int> GRow{40, 10, 10, 40, 40, 10, 10, 40, 20, 40, 10, 10};
const QList<int> FRow{20, 40, 20, 20, 20, 20, 20, 20, 40, 20, 20, 20};
const QList<int> CRow{10, 20, 40, 20, 10, 40, 40, 10, 10, 10, 40, 40};

QString character(const QString &name, const QString &team, const QString &cls,
                  const QString &recommended, const QString &height, QList<int> values)
{
    QString s = u'[' + name + QStringLiteral("]\r\n");
    s += QStringLiteral("球队=") + team + QStringLiteral("\r\n性别=男\r\n职业=") + cls
        + QStringLiteral("\r\n推荐职业=") + recommended + QStringLiteral("\r\n身高=") + height
        + QStringLiteral("\r\n");
    for (int i = 0; i < AbilityCount; ++i)
        s += Abilities[i].name.toString() + u'=' + QString::number(values[i]) + QStringLiteral("\r\n");
    return s;
}

QList<int> with(QList<int> row, int index, int value)
{
    row[index] = value;
    return row;
}

// The offscreen platform has no window opacity, raising or keyboard grabs;
// its notes about that would bury the test output.
QtMessageHandler testLogHandler = nullptr;

void quietOffscreen(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
        return;
    testLogHandler(type, context, message);
}

} // namespace

TestWorld::TestWorld()
{
    testLogHandler = qInstallMessageHandler(quietOffscreen);
    QDir(m_dir.path()).mkpath(QStringLiteral("ZRCimages"));
    AppPaths::setDataDir(m_dir.path());
    AppPaths::setConfigPath(configPath());
    AppPaths::setLegacyConfigPath(QString());
    Random::setSource([this] { return m_draws.isEmpty() ? 0.0 : m_draws.takeFirst(); });
    Versions::run().reset();
}

TestWorld::~TestWorld()
{
    m_main.reset();
    WindowList::clear();
    Random::setSource({});
    Versions::run().reset();
    qInstallMessageHandler(testLogHandler);
}

QString TestWorld::configPath() const { return m_dir.filePath(QStringLiteral("ZRCconfig.ini")); }
QString TestWorld::imagesDir() const { return m_dir.filePath(QStringLiteral("ZRCimages")); }

void TestWorld::writeStandardDatabase()
{
    writeDatabase(standardDatabaseText());
    writePicture(QStringLiteral("林风"), OwnPictureColour);
    writePicture(QStringLiteral("普通角色"), OrdinaryPictureColour);
}

QString TestWorld::standardDatabaseText()
{
    QString s = QStringLiteral("[所有球队]\r\n球队1=雷霆队\r\n球队2=风暴队\r\n球队7=闪电队\r\n"
                               "[所有角色]\r\n角色1=普通角色\r\n角色2=林风\r\n角色3=石岩\r\n"
                               "角色4=云飞\r\n角色5=小白\r\n角色6=怪客\r\n"
                               "[雷霆队]\r\n角色1=林风\r\n角色2=石岩\r\n角色3=云飞\r\n"
                               "[风暴队]\r\n角色1=普通角色\r\n"
                               "[闪电队]\r\n角色1=小白\r\n角色2=怪客\r\n");
    s += character(QStringLiteral("普通角色"), QStringLiteral("风暴队"), QStringLiteral("G"), QString(),
                   QStringLiteral("中等"), GRow);
    s += character(QStringLiteral("林风"), QStringLiteral("雷霆队"), QStringLiteral("G"), QStringLiteral("SG"),
                   QStringLiteral("偏高"), with(with(GRow, 0, 45), 4, 35));
    s += character(QStringLiteral("石岩"), QStringLiteral("雷霆队"), QStringLiteral("C"), QString(),
                   QStringLiteral("偏高"), with(CRow, 2, 42));
    s += character(QStringLiteral("云飞"), QStringLiteral("雷霆队"), QStringLiteral("F"), QStringLiteral("SF"),
                   QStringLiteral("中等"), with(FRow, 1, 30));
    s += character(QStringLiteral("小白"), QStringLiteral("闪电队"), QStringLiteral("可选择"), QStringLiteral("PG"),
                   QStringLiteral("可设置"), with(FRow, 8, 45));
    s += character(QStringLiteral("怪客"), QStringLiteral("闪电队"), QStringLiteral("X"), QString(),
                   QStringLiteral("中等"), with(with(GRow, 0, 20), 1, 40));
    return s;
}

void TestWorld::writeDatabase(const QString &text)
{
    QFile file(AppPaths::databasePath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QStringEncoder gbk("GBK");
    file.write(gbk.encode(text));
}

void TestWorld::writePicture(const QString &name, const QColor &colour)
{
    QImage image(60, 80, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(QDir(imagesDir()).filePath(name + QStringLiteral(".jpg")), "JPG"));
}

void TestWorld::removePicture(const QString &name)
{
    QVERIFY(QFile::remove(QDir(imagesDir()).filePath(name + QStringLiteral(".jpg"))));
}

void TestWorld::fixDraws(const QList<double> &draws) { m_draws = draws; }

Main &TestWorld::open(bool placed)
{
    m_main = std::make_unique<Main>();
    if (placed)
        m_main->move(600, 100); // room on the left for the portrait
    m_main->show();
    return *m_main;
}

bool TestWorld::waitForPortrait()
{
    return QTest::qWaitFor([this] { return m_main->portrait()->isVisible(); });
}

bool pickFromList(QComboBox *box, const QString &text)
{
    if (!box || !box->isVisible() || !box->isEnabled())
        return false;
    const int index = box->findText(text);
    if (index < 0)
        return false;
    box->showPopup();
    QAbstractItemView *view = box->view();
    const QRect item = view->visualRect(view->model()->index(index, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    return box->currentText() == text && !view->isVisible();
}

void moveOver(QWidget *widget)
{
    const QPointF at = widget->rect().center();
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

void pressOn(QWidget *widget, Qt::MouseButton button)
{
    QTest::mousePress(widget, button, {}, widget->rect().center());
}

void releaseOn(QWidget *widget, Qt::MouseButton button)
{
    QTest::mouseRelease(widget, button, {}, widget->rect().center());
}

void clickOn(QWidget *widget, Qt::MouseButton button)
{
    QTest::mouseClick(widget, button, {}, widget->rect().center());
}

bool portraitShows(QWidget *portrait, const QColor &colour)
{
    // A patch of the picture's colour anywhere on the window (JPEG blurs it a little).
    const QImage shot = portrait->grab().toImage();
    int hits = 0;
    for (int y = 0; y < shot.height(); y += 2)
        for (int x = 0; x < shot.width(); x += 2) {
            const QColor c = shot.pixelColor(x, y);
            if (qAbs(c.red() - colour.red()) < 40 && qAbs(c.green() - colour.green()) < 40
                && qAbs(c.blue() - colour.blue()) < 40)
                ++hits;
        }
    return hits > 200;
}
