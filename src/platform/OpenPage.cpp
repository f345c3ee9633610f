#include "OpenPage.h"

#include "MessageBox.h"

#include <QDesktopServices>

namespace {

PageOpener &opener()
{
    static PageOpener o;
    return o;
}

} // namespace

bool openPageQuietly(const QUrl &url)
{
    return opener() ? opener()(url) : QDesktopServices::openUrl(url);
}

bool openPage(const QUrl &url)
{
    const bool opened = openPageQuietly(url);
    if (!opened)
        MessageBox::show(QStringLiteral("调用浏览器错误！"), MessageBox::Icon::Critical,
                         QStringLiteral("错误："));
    return opened;
}

void setPageOpener(PageOpener o) { opener() = std::move(o); }
