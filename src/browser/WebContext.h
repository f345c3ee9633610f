#pragma once

// The embedded web engine needs one OpenGL context that all others share.
// Asking for it before the application starts (prepareWebViews) makes every
// start pay for an OpenGL context; the main window instead makes it here,
// right before its first web page, which is as good for the engine.
void ensureWebContext();
