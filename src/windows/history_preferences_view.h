// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QUuid>
#include <QWidget>

class QLabel;
class QPushButton;
class QSlider;

namespace quorvane {

class AlertPresenter;
class HistoryStore;
class SettingsStore;

// The History pane: the maximum number of captures kept (with the disk space that may
// take), how many are stored now, and deleting them all after a confirmation. It counts the
// program's history each time it comes on screen and whenever that history changes; the
// maximum goes to the settings and to that history.
class HistoryPreferencesView : public QWidget {
    Q_OBJECT
public:
    static constexpr qint64 bytesPerEntry = 50'000;
    static constexpr int sliderStep = 10;

    // `maxHistoryEntries` seeds the slider until the pane first comes on screen. Without a
    // `historyStore` the pane counts nothing and only stores the maximum.
    HistoryPreferencesView(SettingsStore &settingsStore, qint64 maxHistoryEntries, HistoryStore *historyStore,
                           AlertPresenter &alertPresenter, QWidget *parent = nullptr);
    ~HistoryPreferencesView() override;

    int maxHistoryEntries() const { return m_maxHistoryEntries; }
    int currentEntryCount() const { return m_currentEntryCount; }
    HistoryStore *historyStore() const { return m_historyStore; }

    // What the slider does when moved to `value`: stores it in the settings and applies it
    // to the pane's store.
    void setMaxHistoryEntries(int value);
    // What the "Clear All History..." button does: asks, then deletes the captures the
    // question counted (not those that arrive while it is asked).
    void requestClearAll();

    QSlider *slider() const { return m_slider; }
    QLabel *valueLabel() const { return m_valueLabel; }
    QLabel *estimateLabel() const { return m_estimateLabel; }
    QLabel *entryCountLabel() const { return m_entryCountLabel; }
    QLabel *usageLabel() const { return m_usageLabel; }
    QPushButton *clearButton() const { return m_clearButton; }

    // The disk space `entries` captures may take, as file sizes are shown ("5 MB").
    static QString storageEstimate(qint64 entries);
    // The share of `maximum` that `count` uses, in whole percent, rounded down.
    static int usagePercentage(int count, int maximum);
    // A slider position on the steps 1, 11, 21, ..., 991, 1000.
    static int snappedToStep(int value);

signals:
    // The history has been counted (on coming on screen, after a trim or a deletion).
    void entryCountChanged(int count);

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Sets every text of the pane in the interface language.
    void retranslate();
    void countOnShow();
    void recount();
    void showFailure(const QString &reason);
    void setCounted(QList<QUuid> ids);
    void deleteCaptures(const QList<QUuid> &ids);
    void showSliderValue();
    void refresh();
    // Applies a slider value, unless the slider is still held; asks first when the new
    // maximum would delete captures.
    void sliderMoved(int value);
    bool confirmTrim(int maximum);

    SettingsStore &m_settingsStore;
    HistoryStore *m_historyStore;
    AlertPresenter &m_alertPresenter;
    int m_maxHistoryEntries;
    int m_currentEntryCount = 0;
    QList<QUuid> m_countedIds; // the captures counted last

    QLabel *m_header = nullptr;
    QLabel *m_maximumLabel = nullptr;
    QLabel *m_evictionLabel = nullptr;
    QLabel *m_statsLabel = nullptr;
    QLabel *m_clearLabel = nullptr;
    QLabel *m_clearNote = nullptr;
    QSlider *m_slider = nullptr;
    QLabel *m_valueLabel = nullptr;
    QLabel *m_estimateLabel = nullptr;
    QLabel *m_entryCountLabel = nullptr;
    QLabel *m_usageLabel = nullptr;
    QPushButton *m_clearButton = nullptr;
};

} // namespace quorvane
