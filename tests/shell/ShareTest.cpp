#include "ShareTest.h"

#include "ShareWindowOpen.h"

#include <QTest>
#include <QUrlQuery>

void ShareTest::shareAddressKeepsThePostTextAsWritten()
{
    const QString post = QStringLiteral(
        "%23Hoopra%23-%23小明%23【 请 把 此 处 文 字 修 改 成 你 想 要 说 的 话 ！】"
        "（分享自:%23ZR角色助手%23V3.2丨作者:@QUILON）");
    const QUrl url = shareAddress(QUrl(QStringLiteral("http://127.0.0.1:8931/")), post);
    QVERIFY(url.isValid());
    QCOMPARE(url.host(), QStringLiteral("127.0.0.1"));
    QCOMPARE(url.port(), 8931);
    QCOMPARE(url.path(), QStringLiteral("/index.php"));
    QVERIFY2(url.fragment().isEmpty(), "the topic marks cut the post short");
    // What the share page receives: the text with "#" topic marks, nothing lost.
    QCOMPARE(QUrlQuery(url).queryItemValue(QStringLiteral("title"), QUrl::FullyDecoded),
             QString(post).replace(QStringLiteral("%23"), QStringLiteral("#")));
    // On the wire "%23" is sent as written and plain characters stay plain.
    const QByteArray wire = url.toEncoded();
    QVERIFY2(wire.startsWith("http://127.0.0.1:8931/index.php?c=share&a=index&title=%23Hoopra%23-%23"),
             wire.constData());
    QVERIFY(wire.contains(":%23ZR") && wire.contains("V3.2") && wire.endsWith(":@QUILON%EF%BC%89"));

    // A base without its closing slash still gets the page under it.
    QCOMPARE(shareAddress(QUrl(QStringLiteral("http://127.0.0.1:8931/wb")), QStringLiteral("x"))
                 .toString(),
             QStringLiteral("http://127.0.0.1:8931/wb/index.php?c=share&a=index&title=x"));
}

void ShareTest::shareAddressProtectsTheQuery()
{
    // Sheet texts carry "+7"; a bare "+" would reach the page as a blank.
    const QUrl url = shareAddress(QUrl(QStringLiteral("http://127.0.0.1:8931/")),
                                  QStringLiteral("传球+7 & 100% #x %41"));
    QCOMPARE(QUrlQuery(url).queryItemValue(QStringLiteral("title"), QUrl::FullyDecoded),
             QStringLiteral("传球+7 & 100% #x A"));
    const QByteArray wire = url.toEncoded();
    QVERIFY2(wire.contains("%2B7%20%26%20100%25%20%23x"), wire.constData());
    QVERIFY2(QUrlQuery(url).queryItems().size() == 3, "the post text split the share address");
}

void ShareTest::shareWindowOpenGoesToTheInstalledHandler()
{
    QList<QStringList> calls;
    setShareWindowOpen([&](const QString &post, const QString &title) { calls.append({post, title}); });
    ShareWindowOpen(QStringLiteral("%23Hoopra%23"), QStringLiteral("角色交流 - ZR角色助手"));
    setShareWindowOpen({});
    QCOMPARE(calls, QList<QStringList>({{"%23Hoopra%23", "角色交流 - ZR角色助手"}}));
}

void ShareTest::aLocalSharePageTakesTheQueryItself()
{
    // A local index.php would be offered as a download: a file base names
    // the page, and the query follows it.
    const QUrl page = QUrl::fromLocalFile(QStringLiteral("/data/pages/share.html"));
    const QUrl url = shareAddress(page, QStringLiteral("%23Hoopra%23 传球+7"));
    QVERIFY(url.isLocalFile());
    QCOMPARE(url.toLocalFile(), QStringLiteral("/data/pages/share.html"));
    QCOMPARE(url.query(QUrl::FullyEncoded).left(23), QStringLiteral("c=share&a=index&title=%"));
    QCOMPARE(QUrlQuery(url).queryItemValue(QStringLiteral("title"), QUrl::FullyDecoded),
             QStringLiteral("#Hoopra# 传球+7"));
}
