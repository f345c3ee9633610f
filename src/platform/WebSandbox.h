#pragma once

// The web engine refuses to start as root while its sandbox is on, and takes
// the whole program down with it. Run as root, the program turns the sandbox
// off itself (before the engine is loaded) and says so once on standard
// error. Returns true when it turned it off.
bool allowWebViewsAsRoot();
