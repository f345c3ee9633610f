#pragma once

#include <QString>
#include <QUrl>
#include <functional>

// The common share action: shows the share page with a post text in the share
// window under the given window title. In post texts "%23" stands for "#".
using ShareHandler = std::function<void(const QString &postText, const QString &title)>;

// Installs what ShareWindowOpen does (the share window, or a test recorder);
// an empty handler restores the default, which opens the share page in the
// user's browser.
void setShareWindowOpen(ShareHandler handler);
void ShareWindowOpen(const QString &postText, const QString &title);

// The share page for a post text: base + "index.php?c=share&a=index&title="
// + the text. "%23" and the text's characters stay as they are; only "+",
// "&", a bare "#" and a "%" that starts no escape are escaped, so the text
// arrives whole (a "+" would otherwise arrive as a blank).
QUrl shareAddress(const QUrl &shareBase, const QString &postText);
// The same with the share base of the endpoints file.
QUrl shareAddress(const QString &postText);
