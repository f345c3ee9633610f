#include "MainLinksTest.h"

#include "TestWorld.h"

#include "AbilitySheet.h"
#include "ClickLabel.h"
#include "OpenPage.h"
#include "ShareWindowOpen.h"
#include "Versions.h"

#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QStringEncoder>
#include <QTest>

namespace {

struct Share {
    QString post, title;
    int messagesBefore;
};

// Records share actions and page openings; no browser and no share window.
struct Recorders {
    QList<Share> shares;
    QList<QUrl> opened;
    explicit Recorders(TestWorld &world)
    {
        setShareWindowOpen([this, &world](const QString &post, const QString &title) {
            shares.append({post, title, world.messages().count()});
        });
        setPageOpener([this](const QUrl &url) {
            opened.append(url);
            return true;
        });
    }
    ~Recorders()
    {
        setShareWindowOpen({});
        setPageOpener({});
    }
};

void writeEndpoints(const TestWorld &world)
{
    QFile file(world.dataDir() + u"/ZRCendpoints.ini"_qs);
    if (file.open(QIODevice::WriteOnly))
        file.write("[pages]\r\nauthor=pages/author.html\r\nshare=pages/share.html\r\n");
}

} // namespace

void MainLinksTest::init()
{
    QStandardPaths::setTestModeEnabled(true);
    Versions::run().reset();
    Versions::run().setFver(3.2f);
}

void MainLinksTest::cleanup() { Versions::run().reset(); }

void MainLinksTest::sheetLinkCopiesThenSharesAfterTheMessage()
{
    TestWorld world;
    world.writeStandardDatabase();
    writeEndpoints(world);
    Main &main = world.open();
    Recorders rec(world);
    QGuiApplication::clipboard()->setText(u"旧内容"_qs);

    // Without abilities on show the link does nothing.
    QTest::mouseClick(main.Label_FZNL, Qt::LeftButton);
    QCOMPARE(rec.shares.size(), 0);

    QVERIFY(pickFromList(world.control<QComboBox>(u"Xingming"_qs), u"林风"_qs));
    QVERIFY(pickFromList(world.control<QComboBox>(u"ZYe"_qs), u"G"_qs));
    QVERIFY(pickFromList(world.control<QComboBox>(u"Dji"_qs), u"1级"_qs));
    QTest::mouseClick(main.Label_FZNL, Qt::LeftButton);

    const QString copied = QGuiApplication::clipboard()->text();
    QCOMPARE(copied, makeAbilitySheet(main.engine(), 3.2f, u"pages/author.html"_qs).text());
    const QStringList lines = copied.split(u"\r\n"_qs);
    QCOMPARE(lines.size(), 42);
    QCOMPARE(lines[2], u"职业：G(推荐SG)"_qs);
    QCOMPARE(lines[4], u"等级：1级"_qs);
    QCOMPARE(lines[26].left(3), u"跑动："_qs);
    QVERIFY2(lines[26].endsWith(u"(5↑)"), qPrintable(lines[26]));
    QCOMPARE(lines[41], u"作者微博【pages/author.html】"_qs);

    QCOMPARE(world.messages().count(), 1);
    const MessageBox::Message &m = world.messages().messages().at(0);
    QCOMPARE(m.text, u"复制成功！现在你可以在文本框内按 Ctrl V 粘贴内容。\r\n按确定之后，你还可以把它一键分享到微博。"_qs);
    QCOMPARE(m.title, u"ZR角色助手提示："_qs);
    QCOMPARE(m.icon, MessageBox::Icon::Information);

    QCOMPARE(rec.shares.size(), 1);
    QCOMPARE(rec.shares[0].messagesBefore, 1); // the share follows the message
    QCOMPARE(rec.shares[0].title, u"分享能力值 - ZR角色助手"_qs);
    QVERIFY(rec.shares[0].post.startsWith(u"【%23Hoopra%23】我的%23Hoopra-林风%23（职业：G，身高：偏高，等级：1级，训练：）跑动"));
    QVERIFY(rec.shares[0].post.endsWith(u"（分享自:%23ZR角色助手%23V3.2丨作者:@QUILON）"));
}

void MainLinksTest::feedbackAndShareLinksPostTheirTexts()
{
    TestWorld world;
    world.writeStandardDatabase();
    Main &main = world.open();
    Recorders rec(world);

    // The data version is still unread: it shows as .0.
    QTest::mouseClick(main.Fankui, Qt::LeftButton);
    Versions::run().setSver(3.1f);
    QTest::mouseClick(main.Fankui, Qt::LeftButton);
    QTest::mouseClick(main.fenxiang, Qt::LeftButton);

    QCOMPARE(rec.shares.size(), 3);
    QCOMPARE(rec.shares[0].post, u"@QUILON，你好！我正在使用你的%23ZR角色助手%23软件（版本V3.2，数据.0）。这是我的意见和建议："_qs);
    QCOMPARE(rec.shares[0].title, u"问题反馈 - ZR角色助手"_qs);
    QVERIFY(rec.shares[1].post.contains(u"（版本V3.2，数据3.1）"));
    QVERIFY(rec.shares[2].post.startsWith(u"Hello！我正在使用%23ZR角色助手%23软件，这个软件不是挂哦"));
    QVERIFY(rec.shares[2].post.endsWith(u"作为%23Hoopra%23爱好者的你，如果还没用过，那必须得赶紧试试了！/呲牙"));
    QCOMPARE(rec.shares[2].title, u"分享软件 - ZR角色助手"_qs);
    QCOMPARE(world.messages().count(), 0);
    QCOMPARE(rec.opened.size(), 0);
}

void MainLinksTest::updateLinkShowsTheAuthorPageAndMinimises()
{
    TestWorld world;
    world.writeStandardDatabase();
    writeEndpoints(world);
    Main &main = world.open();
    Recorders rec(world);
    QTest::mouseClick(main.L_update, Qt::LeftButton);

    QCOMPARE(world.messages().texts(), QStringList{u"请查看置顶微博！"_qs});
    QCOMPARE(world.messages().messages().at(0).icon, MessageBox::Icon::Warning);
    QCOMPARE(world.messages().messages().at(0).title, u"ZR角色助手提示："_qs);
    QCOMPARE(rec.opened.size(), 1);
    QCOMPARE(rec.opened[0], QUrl::fromLocalFile(world.dataDir() + u"/pages/author.html"_qs));
    QVERIFY2(main.windowState() & Qt::WindowMinimized, "the main window stays in the way");
}

void MainLinksTest::readmeOpensAsUtf8OrTellsItIsMissing()
{
    TestWorld world;
    world.writeStandardDatabase();
    writeEndpoints(world);
    Main &main = world.open();
    Recorders rec(world);
    const QPoint onFrame(main.Frame5->width() - 4, main.Frame5->height() - 4);
    QCOMPARE(main.Frame5->toolTip(), u"点击查看说明文档"_qs);

    // No readme: the author and his page, nothing opened.
    QTest::mouseClick(main.Frame5, Qt::LeftButton, {}, onFrame);
    QCOMPARE(world.messages().texts(), QStringList{u"作者：Quillon\r\n\r\npages/author.html"_qs});
    QCOMPARE(world.messages().messages().at(0).title, u"ZR角色助手“说明文档”丢失！"_qs);
    QCOMPARE(world.messages().messages().at(0).icon, MessageBox::Icon::Warning);
    QCOMPARE(rec.opened.size(), 0);

    // A GBK readme reaches the viewer as a UTF-8 copy; the original stays.
    const QString text = u"ZR角色助手 3.2 说明文档\r\n第二行：能力助手"_qs;
    const QByteArray gbk = QStringEncoder("GBK").encode(text);
    QFile readme(world.dataDir() + u"/说明文档.txt"_qs);
    QVERIFY(readme.open(QIODevice::WriteOnly));
    readme.write(gbk);
    readme.close();
    QTest::mouseClick(main.Frame5, Qt::LeftButton, {}, onFrame);
    QCOMPARE(rec.opened.size(), 1);
    QVERIFY(rec.opened[0].isLocalFile());
    QVERIFY2(rec.opened[0].toLocalFile() != readme.fileName(), "the viewer gets the GBK original");
    QFile copy(rec.opened[0].toLocalFile());
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), QByteArray("\xEF\xBB\xBF") + text.toUtf8());
    QCOMPARE(world.messages().count(), 1);

    // A click on a link of the frame is that link's, not the readme's.
    QTest::mouseClick(main.fenxiang, Qt::LeftButton);
    QCOMPARE(rec.opened.size(), 1);
}

void MainLinksTest::linksDrawTheirTextsAsLabelsDo()
{
    // A link that takes the focus beside a plain label of the same text,
    // size and alignment: the two must look alike, before and after the
    // texts change, and the link must not carry a text document of its own.
    QWidget window;
    auto *link = new ClickLabel(u"随便看看"_qs, &window);
    connect(link, &ClickLabel::clicked, &window, [] {});
    QCOMPARE(link->focusPolicy(), Qt::TabFocus);
    auto *label = new QLabel(u"随便看看"_qs, &window);
    label->setTextFormat(Qt::PlainText);
    for (QLabel *l : {static_cast<QLabel *>(link), label}) {
        l->resize(90, 22);
        l->setAlignment(Qt::AlignCenter);
    }
    label->move(0, 30);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const auto documents = [link] {
        qsizetype n = 0;
        for (const QObject *child : link->children())
            n += qstrcmp(child->metaObject()->className(), "QWidgetTextControl") == 0;
        return n;
    };
    link->setFocus(Qt::ActiveWindowFocusReason); // focused, without the keyboard's look
    QVERIFY(link->hasFocus());
    QCOMPARE(documents(), 0);
    QCOMPARE(link->grab().toImage(), label->grab().toImage());

    // A text set while the link takes the focus gives it a document in
    // QLabel, which would draw the text a pixel higher.
    link->setText(u"显示头像"_qs);
    QCOMPARE(documents(), 1);
    label->setText(u"显示头像"_qs);
    QCOMPARE(link->grab().toImage(), label->grab().toImage());
}
