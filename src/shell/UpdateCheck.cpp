#include "UpdateCheck.h"

#include "Endpoints.h"
#include "HttpGet.h"
#include "MessageBox.h"
#include "NoticeTexts.h"
#include "OpenPage.h"
#include "PageMarkers.h"

namespace UpdateCheck {

VersionNumber publishedVersion(const QString &page)
{
    return VersionNumber(PageMarkers::publishedVersion(page).value_or(0));
}

void pageArrived(const QString &page, const std::function<void()> &minimiseMain)
{
    const VersionNumber published = publishedVersion(page);
    if (!(published > Versions::run().Fver()))
        return;
    MessageBox::show(NoticeTexts::newVersionMessage(published));
    // A failure shows "调用浏览器错误！" and goes on.
    openPage(Endpoints::page(QStringLiteral("author")));
    if (minimiseMain)
        minimiseMain();
}

void start(QObject *receiver, std::function<void()> minimiseMain, std::function<void()> finished)
{
    const QUrl page = Endpoints::page(QStringLiteral("download"));
    if (page.isEmpty()) {
        if (finished)
            finished();
        return;
    }
    HttpClient::instance().get(page, receiver,
                               [minimiseMain = std::move(minimiseMain),
                                finished = std::move(finished)](const HttpAnswer &answer) {
                                   if (answer.ok)
                                       pageArrived(answer.body, minimiseMain);
                                   if (finished)
                                       finished();
                               });
}

} // namespace UpdateCheck
