// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/capture_history_entry.h"
#include "history/date_filter.h"
#include "history/export_service.h"

#include <QDateTime>
#include <QFuture>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

namespace quorvane {

class HistoryStore;
class Pasteboard;
class SavePanel;

// The state behind one history window: the whole history as last read, the records that
// the search text and the date filter leave of it, the selection, the loading and error
// state, the two confirmation flags, and the operations the window's views invoke.
// Main thread only. Store failures never throw out of it; they become `error`.
class HistoryViewModel : public QObject {
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;

    // Everything given must outlive the view model. `clock` tells the date filters what
    // "now" is (the system clock when empty); `savePanel` serves the export service the
    // view model owns.
    HistoryViewModel(HistoryStore &historyStore, Pasteboard &pasteboard, SavePanel &savePanel,
                     Clock clock = {}, QObject *parent = nullptr);
    ~HistoryViewModel() override;

    // The records shown, newest first.
    const QList<CaptureHistoryEntry> &entries() const { return m_entries; }
    // The whole history as last read, newest first.
    const QList<CaptureHistoryEntry> &allEntries() const { return m_allEntries; }

    const std::optional<CaptureHistoryEntry> &selectedEntry() const { return m_selectedEntry; }
    void setSelectedEntry(const std::optional<CaptureHistoryEntry> &entry);

    // Every assignment re-filters, even of the same value.
    const QString &searchQuery() const { return m_searchQuery; }
    void setSearchQuery(const QString &query);
    DateFilter dateFilter() const { return m_dateFilter; }
    void setDateFilter(DateFilter filter);

    // The custom range's ends; setting them alone does not re-filter.
    const QDateTime &customDateFrom() const { return m_customDateFrom; }
    void setCustomDateFrom(const QDateTime &from);
    const QDateTime &customDateTo() const { return m_customDateTo; }
    void setCustomDateTo(const QDateTime &to);

    // True while a load, delete or clear runs.
    bool isLoading() const { return m_isLoading; }
    // The description of the last failure, until the next load, delete or clear.
    const std::optional<QString> &error() const { return m_error; }

    // Raised by the views, lowered when the confirmation closes; never changed here.
    bool showDeleteConfirmation() const { return m_showDeleteConfirmation; }
    void setShowDeleteConfirmation(bool show);
    bool showClearAllConfirmation() const { return m_showClearAllConfirmation; }
    void setShowClearAllConfirmation(bool show);
    // The record the delete confirmation is about.
    const std::optional<CaptureHistoryEntry> &entryToDelete() const { return m_entryToDelete; }
    void setEntryToDelete(const std::optional<CaptureHistoryEntry> &entry);

    ExportService &exportService() { return m_exportService; }
    HistoryStore &historyStore() const { return m_historyStore; }
    QDateTime now() const { return m_clock(); }

    // Reads the whole history and filters it; on failure both lists empty and `error` set.
    virtual QFuture<void> loadEntries();
    // Deletes `entryToDelete`, if any, and moves a selection of it to the first listed record.
    virtual QFuture<void> confirmDelete();
    // Empties the history and the selection.
    virtual QFuture<void> clearAllHistory();
    // Recomputes `entries` from `allEntries` and keeps the selection on a listed record.
    virtual void applyFilters();
    // Stores the range, switches the filter to `customRange` and re-filters.
    virtual void setCustomDateRange(const QDateTime &from, const QDateTime &to);

    // "3 of 10 captures" while the counts differ, else "10 captures".
    QString statsText() const;
    // Replaces the clipboard with the record's text and posts "TextCopied".
    virtual void copyEntryText(const CaptureHistoryEntry &entry);
    // The same, fencing a code capture's text as a Markdown code block.
    virtual void copyEntryAsMarkdown(const CaptureHistoryEntry &entry);

signals:
    void entriesChanged(); // `entries` or `allEntries`
    void selectedEntryChanged();
    void searchQueryChanged();
    void dateFilterChanged();
    void customDateRangeChanged();
    void isLoadingChanged();
    void errorChanged();
    void showDeleteConfirmationChanged();
    void showClearAllConfirmationChanged();
    // A copy operation put `text` on the clipboard.
    void textCopied(const QString &text);

private:
    void setLoading(bool loading);
    void setError(const std::optional<QString> &error);
    void selectFirstListed();
    void copy(const QString &text);

    HistoryStore &m_historyStore;
    Pasteboard &m_pasteboard;
    Clock m_clock;
    ExportService m_exportService;

    QList<CaptureHistoryEntry> m_allEntries;
    QList<CaptureHistoryEntry> m_entries;
    std::optional<CaptureHistoryEntry> m_selectedEntry;
    QString m_searchQuery;
    DateFilter m_dateFilter = DateFilter::all;
    QDateTime m_customDateFrom;
    QDateTime m_customDateTo;
    bool m_isLoading = false;
    std::optional<QString> m_error;
    bool m_showDeleteConfirmation = false;
    bool m_showClearAllConfirmation = false;
    std::optional<CaptureHistoryEntry> m_entryToDelete;
};

} // namespace quorvane
