#pragma once

#include <QString>
#include <QUrl>
#include <functional>

// The common share action: shows the share page with a post text in the share
// window under the given window title. In post texts "%23" stands for "#".
using ShareHandler = std::function<void(const QString &postText, const QString &title)>;

// Installs what ShareWindowOpen does (a test recorder); an empty handler
// restores the default, the share window WbFx.
void setShareWindowOpen(ShareHandler handler);
void ShareWindowOpen(const QString &postText, const QString &title);

// The share page for a post text: base + "index.php?c=share&a=index&title="
// + the text for a web address; for a local file the base names the page
// itself (a local index.php would be offered as a download, not shown) and
// the query follows it. "%23" and the text's characters stay as they are; only "+",
// "&", a bare "#" and a "%" that starts no escape are escaped, so the text
// arrives whole (a "+" would otherwise arrive as a blank).
QUrl shareAddress(const QUrl &shareBase, const QString &postText);
// The same with the share base of the endpoints file.
QUrl shareAddress(const QString &postText);
