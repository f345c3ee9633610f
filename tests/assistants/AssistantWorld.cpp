#include "AssistantWorld.h"

#include "AppPaths.h"
#include "WindowList.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

namespace {

void writeGbk(const QString &path, const QString &text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QStringEncoder gbk("GBK");
    file.write(gbk.encode(text));
}

} // namespace

AssistantWorld::AssistantWorld()
{
    AppPaths::setDataDir(m_dir.path());
    AppPaths::setConfigPath(configPath());
    AppPaths::setLegacyConfigPath(QString());
    m_main.setWindowTitle(QStringLiteral("ZR角色助手"));
    m_main.resize(200, 100);
    m_main.show();
}

AssistantWorld::~AssistantWorld() { WindowList::clear(); }

QString AssistantWorld::configPath() const { return m_dir.filePath(QStringLiteral("ZRCconfig.ini")); }
QString AssistantWorld::databasePath() const { return m_dir.filePath(QStringLiteral("ZRCdata.dat")); }
void AssistantWorld::writeConfig(const QString &text) { writeGbk(configPath(), text); }
void AssistantWorld::writeDatabase(const QString &text) { writeGbk(databasePath(), text); }

QString AssistantWorld::configText() const
{
    QFile file(configPath());
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QStringDecoder gbk("GBK");
    return gbk.decode(file.readAll());
}

void moveOver(QWidget *widget)
{
    const QPointF at = widget->rect().center();
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}
