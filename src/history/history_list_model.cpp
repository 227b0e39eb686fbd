// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/history_list_model.h"

#include "history/history_view_model.h"
#include "platform/date_text.h"

#include <QSet>

#include <vector>

namespace quorvane {

namespace {

// Beyond this many separate runs of rows the list has been reshaped by a filter, and
// replacing the rows at once is both cheaper and clearer to the view.
constexpr std::size_t kMaxEdits = 16;

struct RowEdit {
    bool insert;        // else remove
    qsizetype row;      // where, in the rows as the earlier edits left them
    qsizetype count;
};

QSet<QUuid> idsOf(const QList<CaptureHistoryEntry> &entries)
{
    QSet<QUuid> ids;
    ids.reserve(entries.size());
    for (const CaptureHistoryEntry &entry : entries)
        ids.insert(entry.id);
    return ids;
}

// The removals and insertions of whole runs that turn `from` into `to`, in the order they
// apply; none when the records both lists hold are not in the same order or there are
// too many runs.
std::optional<std::vector<RowEdit>> planEdits(const QList<CaptureHistoryEntry> &from,
                                              const QList<CaptureHistoryEntry> &to)
{
    const QSet<QUuid> fromIds = idsOf(from), toIds = idsOf(to);
    std::vector<RowEdit> edits;
    qsizetype i = 0, j = 0; // rows before `j` already match `to`
    while (i < from.size() || j < to.size()) {
        if (i < from.size() && j < to.size() && from[i].id == to[j].id) {
            ++i;
            ++j;
        } else if (i < from.size() && !toIds.contains(from[i].id)) {
            const qsizetype first = i;
            while (i < from.size() && !toIds.contains(from[i].id))
                ++i;
            edits.push_back({false, j, i - first});
        } else if (j < to.size() && !fromIds.contains(to[j].id)) {
            const qsizetype first = j;
            while (j < to.size() && !fromIds.contains(to[j].id))
                ++j;
            edits.push_back({true, first, j - first});
        } else {
            return std::nullopt;
        }
        if (edits.size() > kMaxEdits)
            return std::nullopt;
    }
    return edits;
}

} // namespace

HistoryListModel::HistoryListModel(HistoryViewModel &viewModel, QObject *parent)
    : QAbstractListModel(parent), m_viewModel(viewModel), m_rows(viewModel.entries())
{
    if (const auto &selected = m_viewModel.selectedEntry())
        m_selectedId = selected->id;
    connect(&m_viewModel, &HistoryViewModel::entriesChanged, this, &HistoryListModel::syncRows);
    connect(&m_viewModel, &HistoryViewModel::selectedEntryChanged, this, &HistoryListModel::syncSelection);
}

int HistoryListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant HistoryListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const CaptureHistoryEntry &entry = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole: return entry.title();
    case idRole: return entry.id;
    case timestampRole: return entry.timestamp;
    case captureModeRole: return int(entry.captureMode);
    case thumbnailDataRole: return entry.thumbnailData;
    case timeTextRole: return DateText::relative(entry.timestamp, m_viewModel.now());
    case isSelectedRole: return m_selectedId == entry.id;
    default: return {};
    }
}

QHash<int, QByteArray> HistoryListModel::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractListModel::roleNames();
    names.insert({{idRole, "id"}, {timestampRole, "timestamp"}, {captureModeRole, "captureMode"},
                  {thumbnailDataRole, "thumbnailData"}, {timeTextRole, "timeText"},
                  {isSelectedRole, "isSelected"}});
    return names;
}

int HistoryListModel::rowOf(const QUuid &id) const
{
    const auto found = std::find_if(m_rows.cbegin(), m_rows.cend(),
                                    [&id](const CaptureHistoryEntry &entry) { return entry.id == id; });
    return found == m_rows.cend() ? -1 : int(found - m_rows.cbegin());
}

void HistoryListModel::syncRows()
{
    const QList<CaptureHistoryEntry> &listed = m_viewModel.entries();
    if (!editRowsInto(listed)) {
        beginResetModel();
        m_rows = listed;
        endResetModel();
    }
    syncSelection();
}

bool HistoryListModel::editRowsInto(const QList<CaptureHistoryEntry> &listed)
{
    const auto edits = planEdits(m_rows, listed);
    if (!edits)
        return false;
    for (const RowEdit &edit : *edits) {
        const int first = int(edit.row), last = int(edit.row + edit.count - 1);
        if (edit.insert) {
            beginInsertRows({}, first, last);
            m_rows = m_rows.first(edit.row) + listed.mid(edit.row, edit.count) + m_rows.sliced(edit.row);
            endInsertRows();
        } else {
            beginRemoveRows({}, first, last);
            m_rows.remove(edit.row, edit.count);
            endRemoveRows();
        }
    }
    m_rows = listed; // the same records: share them again
    return true;
}

void HistoryListModel::syncSelection()
{
    const auto &selected = m_viewModel.selectedEntry();
    const std::optional<QUuid> id = selected ? std::optional<QUuid>(selected->id) : std::nullopt;
    if (id == m_selectedId)
        return;
    const std::optional<QUuid> previous = std::exchange(m_selectedId, id);
    for (const auto &changed : {previous, id}) {
        if (const int row = changed ? rowOf(*changed) : -1; row >= 0)
            emit dataChanged(index(row), index(row), {isSelectedRole});
    }
}

} // namespace quorvane
