// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/history_view_model.h"

#include "core/future_outcome.h"
#include "core/localized_error.h"
#include "history/history_store.h"
#include "platform/pasteboard.h"

#include <QLocale>

#include <exception>

namespace quorvane {

namespace {

// Lower case and composed, so that canonically equivalent texts compare alike.
QString searchForm(const QString &text)
{
    return text.toLower().normalized(QString::NormalizationForm_C);
}

} // namespace

HistoryViewModel::HistoryViewModel(HistoryStore &historyStore, Pasteboard &pasteboard,
                                   SavePanel &savePanel, Clock clock, QObject *parent)
    : QObject(parent),
      m_historyStore(historyStore),
      m_pasteboard(pasteboard),
      m_clock(clock ? std::move(clock) : Clock(&QDateTime::currentDateTime)),
      m_exportService(savePanel)
{
    const QDateTime now = m_clock();
    const QDateTime weekAgo = now.addDays(-7);
    m_customDateFrom = weekAgo.isValid() ? weekAgo : now;
    m_customDateTo = now;
}

HistoryViewModel::~HistoryViewModel() = default;

void HistoryViewModel::setSelectedEntry(const std::optional<CaptureHistoryEntry> &entry)
{
    // Records are the same record when their ids match; only a change of identity counts.
    const bool changed = entry != m_selectedEntry;
    m_selectedEntry = entry;
    if (changed)
        emit selectedEntryChanged();
}

void HistoryViewModel::setSearchQuery(const QString &query)
{
    const bool changed = query != m_searchQuery;
    m_searchQuery = query;
    if (changed)
        emit searchQueryChanged();
    applyFilters();
}

void HistoryViewModel::setDateFilter(DateFilter filter)
{
    const bool changed = filter != m_dateFilter;
    m_dateFilter = filter;
    if (changed)
        emit dateFilterChanged();
    applyFilters();
}

void HistoryViewModel::setCustomDateFrom(const QDateTime &from)
{
    if (from == m_customDateFrom)
        return;
    m_customDateFrom = from;
    emit customDateRangeChanged();
}

void HistoryViewModel::setCustomDateTo(const QDateTime &to)
{
    if (to == m_customDateTo)
        return;
    m_customDateTo = to;
    emit customDateRangeChanged();
}

void HistoryViewModel::setShowDeleteConfirmation(bool show)
{
    if (show == m_showDeleteConfirmation)
        return;
    m_showDeleteConfirmation = show;
    emit showDeleteConfirmationChanged();
}

void HistoryViewModel::setShowClearAllConfirmation(bool show)
{
    if (show == m_showClearAllConfirmation)
        return;
    m_showClearAllConfirmation = show;
    emit showClearAllConfirmationChanged();
}

void HistoryViewModel::setEntryToDelete(const std::optional<CaptureHistoryEntry> &entry)
{
    m_entryToDelete = entry;
}

void HistoryViewModel::setLoading(bool loading)
{
    if (loading == m_isLoading)
        return;
    m_isLoading = loading;
    emit isLoadingChanged();
}

void HistoryViewModel::setError(const std::optional<QString> &error)
{
    if (error == m_error)
        return;
    m_error = error;
    emit errorChanged();
}

void HistoryViewModel::selectFirstListed()
{
    setSelectedEntry(m_entries.isEmpty() ? std::nullopt
                                         : std::optional<CaptureHistoryEntry>(m_entries.front()));
}

QFuture<void> HistoryViewModel::loadEntries()
{
    setLoading(true);
    setError(std::nullopt);
    return finishedOnThreadOf(this, m_historyStore.getEntries(std::nullopt))
        .then(this, [this](QFuture<QList<CaptureHistoryEntry>> read) {
            try {
                m_allEntries = read.result();
                applyFilters();
            } catch (...) {
                setError(describeError(std::current_exception()));
                m_allEntries.clear();
                m_entries.clear();
                emit entriesChanged();
            }
            setLoading(false);
        });
}

QFuture<void> HistoryViewModel::confirmDelete()
{
    if (!m_entryToDelete)
        return QtFuture::makeReadyFuture();
    const QUuid id = m_entryToDelete->id;
    setLoading(true);
    setError(std::nullopt);
    return m_historyStore.deleteEntry(id).then(this, [this, id](QFuture<void> deletion) {
        try {
            deletion.waitForFinished();
            m_allEntries.removeIf([&id](const CaptureHistoryEntry &e) { return e.id == id; });
            applyFilters();
            if (m_selectedEntry && m_selectedEntry->id == id)
                selectFirstListed();
        } catch (...) {
            setError(describeError(std::current_exception()));
        }
        setLoading(false);
        m_entryToDelete.reset();
    });
}

QFuture<void> HistoryViewModel::clearAllHistory()
{
    setLoading(true);
    setError(std::nullopt);
    return m_historyStore.clearAll().then(this, [this](QFuture<void> clearing) {
        try {
            clearing.waitForFinished();
            m_allEntries.clear();
            m_entries.clear();
            emit entriesChanged();
            setSelectedEntry(std::nullopt);
        } catch (...) {
            setError(describeError(std::current_exception()));
        }
        setLoading(false);
    });
}

void HistoryViewModel::applyFilters()
{
    QList<CaptureHistoryEntry> listed = m_allEntries;

    if (!m_searchQuery.isEmpty()) {
        const QString query = searchForm(m_searchQuery);
        listed.removeIf([&query](const CaptureHistoryEntry &e) {
            return !searchForm(e.text).contains(query);
        });
    }

    if (const auto range = dateRange(m_dateFilter, m_clock(), QLocale().firstDayOfWeek())) {
        listed.removeIf([&range](const CaptureHistoryEntry &e) { return !range->contains(e.timestamp); });
    } else if (m_dateFilter == DateFilter::customRange) {
        const DateRange custom{m_customDateFrom, m_customDateTo};
        listed.removeIf([&custom](const CaptureHistoryEntry &e) { return !custom.contains(e.timestamp); });
    }

    m_entries = listed;
    emit entriesChanged();

    if (m_selectedEntry && !m_entries.contains(*m_selectedEntry))
        selectFirstListed();
}

void HistoryViewModel::setCustomDateRange(const QDateTime &from, const QDateTime &to)
{
    setCustomDateFrom(from);
    setCustomDateTo(to);
    setDateFilter(DateFilter::customRange);
}

QString HistoryViewModel::statsText() const
{
    const qsizetype shown = m_entries.size();
    const qsizetype total = m_allEntries.size();
    if (shown != total) {
        //: Filtered captures count: %1 shown of %n in all
        //% "%1 of %n capture(s)"
        return qtTrId("history.stats.filtered", int(total)).arg(shown);
    }
    //: Total captures count
    //% "%n capture(s)"
    return qtTrId("history.stats.total", int(total));
}

void HistoryViewModel::copyEntryText(const CaptureHistoryEntry &entry)
{
    copy(entry.text);
}

void HistoryViewModel::copyEntryAsMarkdown(const CaptureHistoryEntry &entry)
{
    if (entry.captureMode == CaptureMode::code)
        copy(QStringLiteral("```\n") + entry.text + QStringLiteral("\n```"));
    else
        copy(entry.text);
}

void HistoryViewModel::copy(const QString &text)
{
    m_pasteboard.write({{QStringLiteral("text/plain"), text.toUtf8()}});
    emit textCopied(text);
}

} // namespace quorvane
