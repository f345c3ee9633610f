#pragma once

#include <QByteArray>
#include <QSize>

// What a picture's header says, read without decoding the picture: whether
// an image reader takes it at all and the size it claims. The database
// check and the portrait window judge a picture by this one routine.
struct PictureHeader {
    static constexpr int LargeSide = 4096; // larger than this on a side is worth a note

    enum class Verdict {
        Readable,    // a picture of a sensible size
        Large,       // readable, but more than LargeSide pixels on a side
        Undecodable, // no reader takes it, or its header holds no size
    };
    Verdict verdict = Verdict::Undecodable;
    QSize size;

    static PictureHeader inspect(const QByteArray &bytes);
};
