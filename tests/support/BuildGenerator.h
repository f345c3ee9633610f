#pragma once

#include "BuildEngine.h"
#include "PickSequence.h"

#include <QStringList>
#include <random>

// Seeded complete builds for property tests and benchmarks. A character is
// chosen uniformly, then every list that opens is answered with an item
// chosen uniformly from what it offers at that point, until the last
// teammate is answered. Now and then the position is picked again (which
// starts the build over from the level), and a pick the no-stacking rule
// refuses stays in the sequence, its list answered again. The same seed
// and characters give the same builds.
class BuildGenerator {
public:
    explicit BuildGenerator(quint64 seed, QStringList characters, double positionRepick = 0.02)
        : m_rng(seed), m_characters(std::move(characters)), m_repick(positionRepick)
    {
    }

    // Makes the next build on `engine` (an engine on the game data) and
    // returns every pick that went into it, refused ones and re-picks
    // included. A character whose lists run dry is set aside for another.
    PickSequence next(BuildEngine &engine)
    {
        while (!m_characters.isEmpty()) {
            PickSequence s;
            s.character = m_characters.at(uniform(m_characters.size()));
            engine.Xingming_Click(s.character);
            if (answerAll(engine, s))
                return s;
            m_characters.removeAll(s.character);
        }
        return {};
    }

    int uniform(qsizetype n) { return std::uniform_int_distribution<int>(0, int(n) - 1)(m_rng); }

private:
    static bool open(const BuildEngine &e, ListId id)
    {
        const OptionList &l = e.list(id);
        return l.enabled && l.visible;
    }

    // The list the wizard waits on: the position first, then the first open
    // list after it.
    static std::optional<ListId> waiting(const BuildEngine &e)
    {
        if (e.list(ListId::ZYe).text.isEmpty())
            return ListId::ZYe;
        for (int i = int(ListId::Dji); i < ListCount; ++i)
            if (open(e, ListId(i)))
                return ListId(i);
        return std::nullopt;
    }

    bool answerAll(BuildEngine &e, PickSequence &s)
    {
        int repicks = 0;
        for (int step = 0; step < 400; ++step) {
            std::optional<ListId> id = waiting(e);
            if (!id)
                return true;
            if (*id != ListId::ZYe && repicks < 2 && std::bernoulli_distribution(m_repick)(m_rng)) {
                id = ListId::ZYe;
                ++repicks;
            }
            const QStringList items = e.list(*id).items;
            if (items.isEmpty())
                return false;
            const QString item = items.at(uniform(items.size()));
            if (!e.pick(*id, item))
                return false;
            s.picks.append({*id, item});
        }
        return false;
    }

    std::mt19937_64 m_rng;
    QStringList m_characters;
    double m_repick;
};
