#pragma once

#include <QString>
#include <QStringList>

#include <cstddef>
#include <functional>
#include <list>
#include <memory>
#include <utility>

namespace quorvane {

// The loaded recognition engines of a session. Each holds its models in memory (about
// 15 MB for Tesseract) and loading one takes longer than reading a capture with it, so
// engines are kept, but not all: a search for the language of a text loads many
// candidates, most of which read nothing the user sees.
//
// Engines of pinned languages (the locale's) and the last few chosen ones (those whose
// reading the user got) stay loaded. Within a search nothing is released, so that the
// search never loads an engine twice; when it ends the cache shrinks to `most` engines,
// and when the session goes idle to the pinned and chosen ones alone. Not thread-safe.
template <typename Engine>
class EngineCache {
public:
    using Load = std::function<std::unique_ptr<Engine>(const QStringList &dataNames, bool useCorrection)>;

    // `chosen`: how many of the last chosen engines stay loaded; `most`: how many engines
    // stay loaded between searches.
    EngineCache(Load load, std::size_t chosen, std::size_t most)
        : m_load(std::move(load))
        , m_chosenLimit(chosen)
        , m_most(most)
    {
    }

    // The engine, loaded on first use. Throws what loading throws.
    Engine &engine(const QStringList &dataNames, bool useCorrection)
    {
        const QString key = keyOf(dataNames, useCorrection);
        for (auto it = m_engines.begin(); it != m_engines.end(); ++it) {
            if (it->first == key) {
                m_engines.splice(m_engines.begin(), m_engines, it);
                return *m_engines.front().second;
            }
        }
        m_engines.emplace_front(key, m_load(dataNames, useCorrection));
        return *m_engines.front().second;
    }

    // Keeps the engine loaded for the whole session.
    void pin(const QStringList &dataNames, bool useCorrection) { m_pinned.append(keyOf(dataNames, useCorrection)); }

    // The engine read what the user got: it stays loaded until `chosen` others are chosen.
    void choose(const QStringList &dataNames, bool useCorrection)
    {
        const QString key = keyOf(dataNames, useCorrection);
        m_chosen.removeAll(key);
        m_chosen.prepend(key);
        while (std::size_t(m_chosen.size()) > m_chosenLimit)
            m_chosen.removeLast();
    }

    // A search ended: the least recently used engines beyond `most` are released, unless
    // pinned or chosen.
    void endSearch() { release(m_most); }

    // The session went idle: only pinned and chosen engines stay.
    void releaseUnchosen() { release(0); }

    std::size_t size() const { return m_engines.size(); }

private:
    static QString keyOf(const QStringList &dataNames, bool useCorrection)
    {
        return dataNames.join(QLatin1Char('+')) + (useCorrection ? QStringLiteral("|dict") : QString());
    }

    void release(std::size_t most)
    {
        for (auto it = m_engines.end(); it != m_engines.begin() && m_engines.size() > most;) {
            --it;
            if (!m_pinned.contains(it->first) && !m_chosen.contains(it->first))
                it = m_engines.erase(it);
        }
    }

    const Load m_load;
    const std::size_t m_chosenLimit;
    const std::size_t m_most;
    QStringList m_pinned;
    QStringList m_chosen;  // most recent first
    std::list<std::pair<QString, std::unique_ptr<Engine>>> m_engines;  // most recently used first
};

} // namespace quorvane
