#include "SheetWorld.h"

#include "AppPaths.h"
#include "CodePage936.h"
#include "Configuration.h"
#include "WindowList.h"
#include "mIni.h"

#include <QFile>
#include <QTest>

namespace {

CharacterRecord record(const QString &name, const QString &cls, const QList<int> &values)
{
    CharacterRecord r;
    r.name = name;
    r.team = QStringLiteral("雷霆队");
    r.gender = QStringLiteral("男");
    r.positionClass = cls;
    r.height = QStringLiteral("中等");
    for (int i = 0; i < AbilityCount; ++i)
        r.abilities[i] = QString::number(values[i]);
    return r;
}

CharacterRecord lookUp(const QString &name)
{
    if (name == u"林风")
        return record(name, QStringLiteral("G"), {45, 10, 10, 40, 35, 10, 10, 40, 20, 40, 10, 10});
    if (name == u"云飞")
        return record(name, QStringLiteral("F"), {20, 30, 20, 20, 20, 20, 20, 20, 40, 20, 20, 20});
    return record(name, QStringLiteral("C"), {10, 20, 42, 20, 10, 40, 40, 10, 10, 10, 40, 40});
}

// The offscreen platform has no window opacity or raising; its notes about
// that would bury the test output.
QtMessageHandler testLogHandler = nullptr;

void quietOffscreen(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
        return;
    testLogHandler(type, context, message);
}

} // namespace

SheetWorld::SheetWorld() : m_engine(lookUp)
{
    testLogHandler = qInstallMessageHandler(quietOffscreen);
    AppPaths::setConfigPath(configPath());
    AppPaths::setLegacyConfigPath(QString());
    m_main.setWindowTitle(QStringLiteral("main"));
    m_main.setGeometry(0, 40, 100, 300);
    m_main.show();
}

SheetWorld::~SheetWorld()
{
    WindowList::clear();
    qInstallMessageHandler(testLogHandler);
}

QString SheetWorld::configPath() const { return m_dir.filePath(QStringLiteral("ZRCconfig.ini")); }

QMap<QString, QString> SheetWorld::slotsOnDisk() const
{
    QFile file(configPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = CodePage936::decode(file.readAll());
    QMap<QString, QString> keys;
    bool inSlots = false;
    for (const QString &line : text.split(QStringLiteral("\r\n"))) {
        if (line.startsWith(u'['))
            inSlots = line == u"[zrc]";
        else if (inSlots && line.contains(u'='))
            keys.insert(line.section(u'=', 0, 0), line.section(u'=', 1));
    }
    return keys;
}

void SheetWorld::store(const QMap<QString, QString> &keys)
{
    for (auto it = keys.cbegin(); it != keys.cend(); ++it)
        QVERIFY(Configuration::write(Configuration::SlotSection, it.key(), it.value()));
}

void SheetWorld::build(const QString &name, const QStringList &picks)
{
    m_engine.Xingming_Click(name);
    static const QList<ListId> order{ListId::ZYe, ListId::Dji, ListId::Xlian, ListId::Vip};
    for (int i = 0; i < picks.size(); ++i)
        QVERIFY2(m_engine.pick(order[i], picks[i]), qPrintable(picks[i]));
}

void clickOn(QWidget *widget, Qt::MouseButton button)
{
    QVERIFY(widget && widget->isVisible());
    QTest::mouseClick(widget, button, {}, widget->rect().center());
}
