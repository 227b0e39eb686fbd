// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <exception>
#include <future>
#include <functional>
#include <list>
#include <memory>
#include <utility>
#include <vector>

namespace quorvane {

// The loaded recognition engines of a session. Each holds its models in memory (about
// 15 MB for Tesseract) and loading one takes longer than reading a capture with it, so
// engines are kept, but not all: a search for the language of a text loads many
// candidates, most of which read nothing the user sees.
//
// Engines of pinned languages (the locale's) and the last few chosen ones (those whose
// reading the user got) stay loaded. Within a search, the candidates it is done with are
// released as it goes (`releaseCandidate`), so that it never holds every installed
// language at once; when it ends the cache shrinks to `most` engines, and when the session
// goes idle to the pinned and chosen ones alone, or to the pinned ones. An engine that goes
// unused for longer still (ten minutes unless told) is released too, pinned or chosen: a
// program that sits in the tray all day holds no models it does not use. Not thread-safe,
// but `Load` must be: `load` calls it on several threads at once.
template <typename Engine>
class EngineCache {
public:
    using Load = std::function<std::unique_ptr<Engine>(const QStringList &dataNames, bool useCorrection)>;
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    // `chosen`: how many of the last chosen engines stay loaded; `most`: how many engines
    // stay loaded between searches; `unusedLimit`: how long an engine stays unused before
    // `releaseUnused` drops it.
    EngineCache(Load load, std::size_t chosen, std::size_t most,
                std::chrono::milliseconds unusedLimit = std::chrono::minutes(10),
                Clock clock = &std::chrono::steady_clock::now)
        : m_load(std::move(load))
        , m_chosenLimit(chosen)
        , m_most(most)
        , m_unusedLimit(unusedLimit)
        , m_clock(std::move(clock))
    {
    }

    // The engine, loaded on first use. Throws what loading throws.
    Engine &engine(const QStringList &dataNames, bool useCorrection)
    {
        const QString key = keyOf(dataNames, useCorrection);
        if (const auto it = find(key); it != m_engines.end()) {
            m_engines.splice(m_engines.begin(), m_engines, it);
            m_engines.front().lastUsed = m_clock();
            return *m_engines.front().engine;
        }
        m_engines.emplace_front(key, m_load(dataNames, useCorrection), m_clock());
        return *m_engines.front().engine;
    }

    // Loads the engines of those of `dataNames` not loaded yet, each on a thread of its
    // own: loading is mostly unpacking the models, which engines do apart from one another.
    // Those that load are kept when another fails; the first failure is thrown.
    void load(const QList<QStringList> &dataNames, bool useCorrection)
    {
        std::vector<std::pair<QString, std::future<std::unique_ptr<Engine>>>> loading;
        for (const QStringList &names : dataNames) {
            const QString key = keyOf(names, useCorrection);
            if (!contains(names, useCorrection)
                && std::none_of(loading.begin(), loading.end(), [&](const auto &l) { return l.first == key; }))
                loading.emplace_back(key, std::async(std::launch::async, m_load, names, useCorrection));
        }
        std::exception_ptr failure;
        for (auto &[key, engine] : loading) {
            try {
                m_engines.emplace_front(key, engine.get(), m_clock());
            } catch (...) {
                if (!failure)
                    failure = std::current_exception();
            }
        }
        if (failure)
            std::rethrow_exception(failure);
    }

    // A second engine of the last chosen one, for reading two parts of an image side by
    // side, or null while there is none: the language the user last read in gets one,
    // candidates that may never be chosen do not, and no other (it would double its memory). The first ask starts loading it on a thread of its own,
    // so that no reading waits for it; it is kept while its engine is the last chosen, but
    // not while the session is idle. Null too once a twin failed to load.
    Engine *twin(const QStringList &dataNames, bool useCorrection)
    {
        const QString key = keyOf(dataNames, useCorrection);
        const auto entry = find(key);
        if (entry == m_engines.end() || m_chosen.value(0) != key)
            return nullptr;
        if (!entry->twin && entry->twinLoading.valid()
            && entry->twinLoading.wait_for(std::chrono::seconds(0)) == std::future_status::ready) {
            try {
                entry->twin = entry->twinLoading.get();
            } catch (...) {
                entry->twinFailed = true;
            }
        } else if (!entry->twin && !entry->twinLoading.valid() && !entry->twinFailed) {
            entry->twinLoading = std::async(std::launch::async, m_load, dataNames, useCorrection);
        }
        return entry->twin.get();
    }

    // Whether the engine is loaded.
    bool contains(const QStringList &dataNames, bool useCorrection) const
    {
        const QString key = keyOf(dataNames, useCorrection);
        return std::any_of(m_engines.begin(), m_engines.end(), [&](const Entry &entry) { return entry.key == key; });
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

    // The search is done with the engine for now: it is released unless pinned or chosen.
    // Whether it was.
    bool releaseCandidate(const QStringList &dataNames, bool useCorrection)
    {
        const QString key = keyOf(dataNames, useCorrection);
        if (m_pinned.contains(key) || m_chosen.contains(key))
            return false;
        const std::size_t before = m_engines.size();
        m_engines.remove_if([&](const Entry &entry) { return entry.key == key; });
        return m_engines.size() < before;
    }

    // A search ended: the least recently used engines beyond `most` are released, unless
    // pinned or chosen.
    void endSearch() { release(m_most); }

    // The session went idle: only pinned and chosen engines stay, without their twins.
    void releaseUnchosen()
    {
        release(0);
        dropTwins(true);
    }

    // The session stayed idle: only pinned engines stay. Chosen ones load again when next
    // asked for, and count as chosen still.
    void releaseAllButPinned()
    {
        m_engines.remove_if([&](const Entry &entry) { return !m_pinned.contains(entry.key); });
        dropTwins(true);
    }

    // A search for another language starts loading candidates: twins go, as one is most
    // likely not the language it finds and would only add to what the search holds. One
    // still loading is not waited for; each loads again when next asked for.
    void releaseTwins() { dropTwins(false); }

    // Releases every engine not used for `unusedLimit`, pinned and chosen ones too; each
    // loads again when next asked for.
    void releaseUnused()
    {
        const auto cutoff = m_clock() - m_unusedLimit;
        m_engines.remove_if([&](const Entry &entry) { return entry.lastUsed <= cutoff; });
    }
    std::chrono::milliseconds unusedLimit() const { return m_unusedLimit; }

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
            if (!m_pinned.contains(it->key) && !m_chosen.contains(it->key))
                it = m_engines.erase(it);
        }
        // Twins of engines no longer chosen last go, unless still loading: that is not waited for.
        dropTwins(false, m_chosen.value(0));
    }

    // Drops the twins (but that of `kept`), and those still loading when `waitForLoading`.
    void dropTwins(bool waitForLoading, const QString &kept = {})
    {
        for (Entry &entry : m_engines) {
            if (entry.key == kept)
                continue;
            entry.twin.reset();
            if (waitForLoading
                || (entry.twinLoading.valid() && entry.twinLoading.wait_for(std::chrono::seconds(0)) == std::future_status::ready))
                entry.twinLoading = {};
            if (waitForLoading)
                entry.twinFailed = false;
        }
    }

    struct Entry {
        Entry(QString key, std::unique_ptr<Engine> engine, std::chrono::steady_clock::time_point lastUsed)
            : key(std::move(key))
            , engine(std::move(engine))
            , lastUsed(lastUsed)
        {
        }
        QString key;
        std::unique_ptr<Engine> engine;
        std::chrono::steady_clock::time_point lastUsed;
        std::unique_ptr<Engine> twin;
        std::future<std::unique_ptr<Engine>> twinLoading;  // ends (waits) with the entry
        bool twinFailed = false;
    };

    const Load m_load;
    const std::size_t m_chosenLimit;
    const std::size_t m_most;
    const std::chrono::milliseconds m_unusedLimit;
    const Clock m_clock;
    QStringList m_pinned;
    QStringList m_chosen;  // most recent first
    std::list<Entry> m_engines;  // most recently used first

    typename std::list<Entry>::iterator find(const QString &key)
    {
        return std::find_if(m_engines.begin(), m_engines.end(), [&](const Entry &entry) { return entry.key == key; });
    }
};

} // namespace quorvane
