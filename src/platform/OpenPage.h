#pragma once

#include <QUrl>
#include <functional>

// Opens a page in the user's browser. On failure the player sees
// "调用浏览器错误！" (error icon, title "错误：") and false is returned.
bool openPage(const QUrl &url);
// The same without the message, where a failure is to pass unremarked.
bool openPageQuietly(const QUrl &url);

// Tests: replaces the call to the desktop (the opener returns whether it
// succeeded); the failure message still goes through the message box seam.
// An empty opener restores the desktop.
using PageOpener = std::function<bool(const QUrl &)>;
void setPageOpener(PageOpener opener);
