// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/capture_history_entry.h"

#include <QAbstractListModel>
#include <QList>
#include <QUuid>

#include <optional>

namespace quorvane {

class HistoryViewModel;

// The history list's rows: the view model's listed records, in their order, one row per
// record, with whether it is the selection. Rows are keyed by record id: a deleted record
// removes its row, a new capture inserts one, and the other rows stay as they are; a
// filter change that reshapes the list replaces the rows at once. The records are shared
// with the view model, never copied.
class HistoryListModel : public QAbstractListModel {
    Q_OBJECT
public:
    // Qt::DisplayRole gives the record's title.
    enum Role {
        idRole = Qt::UserRole + 1,  // QUuid
        timestampRole,              // QDateTime
        captureModeRole,            // int, a CaptureMode
        thumbnailDataRole,          // QByteArray, the stored image bytes
        timeTextRole,               // QString, the time relative to the view model's now
        isSelectedRole,             // bool
    };

    // `viewModel` must outlive the model.
    explicit HistoryListModel(HistoryViewModel &viewModel, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    const CaptureHistoryEntry &entryAt(int row) const { return m_rows.at(row); }
    // The row of the record with `id`, or -1.
    int rowOf(const QUuid &id) const;

private:
    void syncRows();
    bool editRowsInto(const QList<CaptureHistoryEntry> &listed);
    void syncSelection();

    HistoryViewModel &m_viewModel;
    QList<CaptureHistoryEntry> m_rows;
    std::optional<QUuid> m_selectedId;
};

} // namespace quorvane
