#include "ConfigWriteNotice.h"

#include "Configuration.h"
#include "MessageBox.h"

void wireConfigWriteNotice()
{
    Configuration::setWriteFailureNotice(
        [](const QString &text) { MessageBox::show(text, MessageBox::Icon::Warning); });
}
