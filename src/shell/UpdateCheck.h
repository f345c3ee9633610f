#pragma once

#include "Versions.h"

#include <QString>
#include <functional>

class QObject;

// The check for a newer program version on the download page (once, 30 s
// after start-up). The page is fetched without blocking; when it arrives,
// the version in its title is compared with Fver, and a newer one is
// announced: the message, then the author's page in the browser (or the
// browser's error message), then the main window is minimised. Every
// failure on the way ends the check silently.
namespace UpdateCheck {

// Starts the check. minimiseMain runs when a newer version was announced;
// finished runs when the check is over, whatever its outcome. Nothing runs
// when `receiver` is gone or the answer was dropped at exit.
void start(QObject *receiver, std::function<void()> minimiseMain, std::function<void()> finished = {});

// The version the download page announces in its title; 0 when the title's
// prefix is missing.
VersionNumber publishedVersion(const QString &page);

// What follows the page's arrival (tests call it with a page).
void pageArrived(const QString &page, const std::function<void()> &minimiseMain);

} // namespace UpdateCheck
