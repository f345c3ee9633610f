#pragma once

// Shared by the fuzz targets: a failed invariant prints what failed and
// aborts, which libFuzzer (and the corpus replay) reports as a crash.

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition, what)                                                        \
    do {                                                                                   \
        if (!(condition)) {                                                                \
            std::fprintf(stderr, "invariant failed: %s (%s:%d)\n", what, __FILE__, __LINE__); \
            std::abort();                                                                  \
        }                                                                                  \
    } while (0)

// Takes the fuzz input apart piece by piece; empty once used up.
class FuzzInput {
public:
    FuzzInput(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}
    bool empty() const { return m_pos >= m_size; }
    uint8_t byte() { return empty() ? 0 : m_data[m_pos++]; }
    // Up to max bytes, ended early by a 0xFF byte (not included).
    QByteArray chunk(size_t max)
    {
        QByteArray out;
        while (!empty() && size_t(out.size()) < max) {
            const uint8_t b = m_data[m_pos++];
            if (b == 0xFF)
                break;
            out.append(char(b));
        }
        return out;
    }
    QByteArray rest()
    {
        QByteArray out(reinterpret_cast<const char *>(m_data + m_pos), qsizetype(m_size - m_pos));
        m_pos = m_size;
        return out;
    }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_pos = 0;
};

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);
