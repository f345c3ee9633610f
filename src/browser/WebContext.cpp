#include "WebContext.h"

#include <QtGui/qtguiglobal.h>

#if QT_CONFIG(opengl)
#include <QOpenGLContext>

// Exported by QtGui; the setter's header is private. The web engine takes
// the context set here as the one to share with.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);
#endif

void ensureWebContext()
{
#if QT_CONFIG(opengl)
    if (QOpenGLContext::globalShareContext())
        return;
    // Lives as long as the program, like the context the engine would make.
    auto *context = new QOpenGLContext;
    if (!context->create()) {
        delete context; // no OpenGL here: nothing to share
        return;
    }
    qt_gl_set_global_share_context(context);
#endif
}
