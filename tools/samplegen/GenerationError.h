#pragma once

#include <QString>

// Any problem with the sources stops the generation: a half-written sample
// would make the program or its tests misbehave in confusing ways.
struct GenerationError {
    QString message;
};

[[noreturn]] inline void fail(const QString &message)
{
    throw GenerationError{message};
}
