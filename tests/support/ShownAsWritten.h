#pragma once

#include <QLabel>
#include <QTextDocument>

// Whether a label shows its text as written: the literal characters, never
// markup read as rich text. Grabbing the label lays the text out, which is
// when a picture named in markup would be loaded.
inline bool shownAsWritten(QLabel *label, const QString &text)
{
    label->grab();
    const bool plain = label->textFormat() == Qt::PlainText
                       || (label->textFormat() == Qt::AutoText && !Qt::mightBeRichText(label->text()));
    return plain && label->text() == text;
}
