// The embedded web engine needs one OpenGL context that all others share.
// Asking Qt for it before the application starts would make every start pay
// for an OpenGL context; the web-view seam makes it right before the plugin
// loads instead, which is as good for the engine.

#include "WebView.h"

#include <QtGui/qtguiglobal.h>

#if QT_CONFIG(opengl)
#include <QOpenGLContext>

// Exported by QtGui; the setter's header is private. The web engine takes
// the context set here as the one to share with.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);
#endif

void ensureSharedWebContext()
{
#if QT_CONFIG(opengl)
    if (QOpenGLContext::globalShareContext())
        return;
    // Lives as long as the program, like the context the engine would make.
    auto *context = new QOpenGLContext;
    // Set even when OpenGL can't make it, as Qt itself does for its shared
    // context: the engine expects one to be there and renders in software.
    context->create();
    qt_gl_set_global_share_context(context);
#endif
}
