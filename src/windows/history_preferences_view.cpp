// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/history_preferences_view.h"

#include "core/diagnostics.h"
#include "core/future_outcome.h"
#include "core/localized_error.h"
#include "core/settings_store.h"
#include "history/history_error_alert.h"
#include "history/history_store.h"
#include "platform/alert_presenter.h"
#include "platform/language_change.h"
#include "windows/form_section.h"
#include "windows/form_style.h"
#include "windows/pane_symbol.h"
#include "windows/save_failure_banner.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace quorvane {

namespace {

constexpr int kMinimum = 1;
constexpr int kMaximum = 1000;

QString integerText(qint64 value)
{
    return QLocale().toString(value);
}

} // namespace

HistoryPreferencesView::HistoryPreferencesView(SettingsStore &settingsStore, qint64 maxHistoryEntries,
                                               HistoryStore *historyStore, AlertPresenter &alertPresenter,
                                               QWidget *parent)
    : QWidget(parent),
      m_settingsStore(settingsStore),
      m_historyStore(historyStore),
      m_alertPresenter(alertPresenter),
      m_maxHistoryEntries(int(std::clamp<qint64>(maxHistoryEntries, kMinimum, kMaximum)))
{
    auto *form = new QVBoxLayout(this);
    form->setContentsMargins(20, 16, 20, 16);
    form->setSpacing(12);

    auto *section = new FormSection(20, this);
    auto *content = section->content();
    m_header = FormStyle::makeLabel(QString(), FormStyle::Text::subheadline, section);
    FormStyle::makeSecondary(m_header);
    m_header->setContentsMargins(0, 0, 0, 8);
    content->addWidget(m_header);

    // The maximum.
    auto *maximum = new QVBoxLayout;
    maximum->setSpacing(12);
    m_maximumLabel = FormStyle::makeLabel(QString(), FormStyle::Text::boldBody, section);
    maximum->addWidget(m_maximumLabel);
    auto *sliderRow = new QHBoxLayout;
    sliderRow->setSpacing(16);
    m_slider = new QSlider(Qt::Horizontal, section);
    m_slider->setRange(kMinimum, kMaximum);
    m_slider->setSingleStep(sliderStep);
    m_slider->setPageStep(10 * sliderStep);
    connect(m_slider, &QSlider::valueChanged, this, &HistoryPreferencesView::sliderMoved);
    // A drag passes through every value on its way; only where it ends is the user's choice.
    connect(m_slider, &QSlider::sliderReleased, this, [this] { sliderMoved(m_slider->value()); });
    sliderRow->addWidget(m_slider, 1);
    m_valueLabel = new QLabel(section);
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setPointSizeF(font().pointSizeF() > 0 ? font().pointSizeF() : mono.pointSizeF());
    m_valueLabel->setFont(mono);
    m_valueLabel->setFixedWidth(50);
    m_valueLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    sliderRow->addWidget(m_valueLabel);
    maximum->addLayout(sliderRow);
    auto *notes = new QVBoxLayout;
    notes->setSpacing(4);
    m_estimateLabel = FormStyle::makeLabel(QString(), FormStyle::Text::caption, section);
    FormStyle::makeSecondary(m_estimateLabel);
    notes->addWidget(m_estimateLabel);
    m_evictionLabel = FormStyle::makeLabel(QString(), FormStyle::Text::caption, section);
    FormStyle::makeSecondary(m_evictionLabel);
    notes->addWidget(m_evictionLabel);
    maximum->addLayout(notes);
    content->addLayout(maximum);

    content->addWidget(FormStyle::makeDivider(section));

    // What is stored now.
    auto *stats = new QVBoxLayout;
    stats->setSpacing(8);
    m_statsLabel = FormStyle::makeLabel(QString(), FormStyle::Text::boldBody, section);
    stats->addWidget(m_statsLabel);
    auto *statLines = new QVBoxLayout;
    statLines->setSpacing(4);
    m_entryCountLabel = FormStyle::makeLabel(QString(), FormStyle::Text::caption, section);
    statLines->addWidget(m_entryCountLabel);
    m_usageLabel = FormStyle::makeLabel(QString(), FormStyle::Text::caption, section);
    FormStyle::makeSecondary(m_usageLabel);
    statLines->addWidget(m_usageLabel);
    stats->addLayout(statLines);
    content->addLayout(stats);

    content->addWidget(FormStyle::makeDivider(section));

    // Deleting everything.
    auto *deletion = new QVBoxLayout;
    deletion->setSpacing(8);
    m_clearLabel = FormStyle::makeLabel(QString(), FormStyle::Text::boldBody, section);
    deletion->addWidget(m_clearLabel);
    m_clearNote = FormStyle::makeLabel(QString(), FormStyle::Text::caption, section);
    FormStyle::makeSecondary(m_clearNote);
    deletion->addWidget(m_clearNote);
    m_clearButton = new QPushButton(paneSymbolIcon(PaneSymbol::trash, FormStyle::errorColor()), QString(), section);
    QPalette red = m_clearButton->palette();
    red.setColor(QPalette::ButtonText, FormStyle::errorColor());
    m_clearButton->setPalette(red);
    connect(m_clearButton, &QPushButton::clicked, this, &HistoryPreferencesView::requestClearAll);
    deletion->addWidget(m_clearButton, 0, Qt::AlignLeft);
    content->addLayout(deletion);

    form->addWidget(section);
    // The maximum is saved as every other setting is, and may fail as they may.
    form->addWidget(new SaveFailureBanner(m_settingsStore, this));
    form->addStretch(1);

    showSliderValue();
    onLanguageChange(this, [this] { retranslate(); });
    // A capture, a trim, a clear or a deletion elsewhere while the pane is open.
    if (m_historyStore) {
        connect(m_historyStore, &HistoryStore::historyDidChange, this, &HistoryPreferencesView::recount);
        connect(m_historyStore, &HistoryStore::entryDeleted, this, &HistoryPreferencesView::recount);
    }
}

HistoryPreferencesView::~HistoryPreferencesView() = default;

void HistoryPreferencesView::retranslate()
{
    //: History header
    //% "Configure capture history storage and management"
    m_header->setText(qtTrId("preferences.history.header"));
    //: Max history entries label
    //% "Maximum history entries"
    const QString maximum = qtTrId("preferences.history.max_entries");
    m_maximumLabel->setText(maximum);
    m_slider->setAccessibleName(maximum);
    //: Auto eviction description
    //% "Oldest entries are automatically removed when this limit is reached"
    m_evictionLabel->setText(qtTrId("preferences.history.auto_eviction"));
    //: Current stats label
    //% "Current History"
    m_statsLabel->setText(qtTrId("preferences.history.current_stats"));
    //: Clear history section label
    //% "Clear History"
    m_clearLabel->setText(qtTrId("preferences.history.clear_history"));
    //: Clear history description
    //% "Permanently delete all capture history entries. This action cannot be undone"
    m_clearNote->setText(qtTrId("preferences.history.clear_history.description"));
    //: Clear all history button
    //% "Clear All History…"
    m_clearButton->setText(qtTrId("preferences.history.clear_all_button"));
    // The estimate, the count and the usage.
    refresh();
}

QString HistoryPreferencesView::storageEstimate(qint64 entries)
{
    const qint64 bytes = entries * bytesPerEntry;
    const QLocale locale;
    auto trimmed = [&](double value, int decimals) {
        QString text = locale.toString(value, 'f', decimals);
        if (decimals > 0) {
            const QString zeros = QString(locale.decimalPoint()) + QString(decimals, QLatin1Char('0'));
            if (text.endsWith(zeros))
                text.chop(zeros.size());
        }
        return text;
    };
    if (bytes < 1000)
        //: A size in bytes
        //% "%n bytes"
        return qtTrId("preferences.history.size.bytes", int(bytes));
    if (bytes < 1'000'000)
        //: A size in kilobytes (1000 bytes); %1 is the number
        //% "%1 KB"
        return qtTrId("preferences.history.size.kilobytes").arg(trimmed(std::round(bytes / 1e3), 0));
    if (bytes < 1'000'000'000)
        //: A size in megabytes; %1 is the number
        //% "%1 MB"
        return qtTrId("preferences.history.size.megabytes").arg(trimmed(bytes / 1e6, 1));
    //: A size in gigabytes; %1 is the number
    //% "%1 GB"
    return qtTrId("preferences.history.size.gigabytes").arg(trimmed(bytes / 1e9, 2));
}

int HistoryPreferencesView::usagePercentage(int count, int maximum)
{
    if (maximum <= 0)
        return 0;
    // A history above its maximum (one reset for being unreadable, or while a lower one
    // waits to be confirmed) is full, not fuller.
    return int(std::min(100.0, double(count) / double(maximum) * 100.0));
}

int HistoryPreferencesView::snappedToStep(int value)
{
    const int steps = int(std::lround(double(value - kMinimum) / sliderStep));
    return std::clamp(kMinimum + steps * sliderStep, kMinimum, kMaximum);
}

void HistoryPreferencesView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    countOnShow();
}

void HistoryPreferencesView::countOnShow()
{
    m_maxHistoryEntries = int(m_settingsStore.settings().maxHistoryEntries);
    showSliderValue();
    if (!m_historyStore) {
        setCounted({});
        return;
    }
    // Answers come back on the main thread while the pane exists; a pane closed before
    // the store answers drops them (the store's operations never end cancelled).
    finishedOnThreadOf(this, m_historyStore->ensureLoaded()).then(this, [this](QFuture<void>) {
        // A failed load leaves the store with what it holds (nothing): that is counted.
        recount();
    });
}

void HistoryPreferencesView::showFailure(const QString &reason)
{
    m_alertPresenter.runModal(historyErrorAlert(reason, window()));
}

void HistoryPreferencesView::recount()
{
    if (!m_historyStore)
        return;
    finishedOnThreadOf(this, m_historyStore->entries()).then(this, [this](QFuture<QList<CaptureHistoryEntry>> done) {
        const FutureOutcome<QList<CaptureHistoryEntry>> outcome = outcomeOf(done);
        if (!outcome.value)
            return;
        QList<QUuid> ids;
        ids.reserve(outcome.value->size());
        for (const CaptureHistoryEntry &entry : *outcome.value)
            ids.append(entry.id);
        setCounted(std::move(ids));
    });
}

void HistoryPreferencesView::setCounted(QList<QUuid> ids)
{
    m_countedIds = std::move(ids);
    m_currentEntryCount = int(m_countedIds.size());
    refresh();
    emit entryCountChanged(m_currentEntryCount);
}

void HistoryPreferencesView::showSliderValue()
{
    const QSignalBlocker blocker(m_slider);
    m_slider->setValue(m_maxHistoryEntries);
    refresh();
}

void HistoryPreferencesView::sliderMoved(int value)
{
    const int snapped = snappedToStep(value);
    if (snapped != value) {
        // Lands back here with the snapped value.
        m_slider->setValue(snapped);
        return;
    }
    if (m_slider->isSliderDown()) {
        refresh();
        return;
    }
    if (snapped < m_currentEntryCount && snapped != m_maxHistoryEntries && !confirmTrim(snapped)) {
        showSliderValue();
        return;
    }
    setMaxHistoryEntries(snapped);
}

bool HistoryPreferencesView::confirmTrim(int maximum)
{
    const int doomed = int(m_currentEntryCount - maximum);
    Alert alert;
    alert.style = Alert::Style::warning;
    //: Title when a lower maximum would delete captures
    //% "Delete Older Captures?"
    alert.messageText = qtTrId("preferences.history.trim_confirmation.title");
    //: Message when a lower maximum would delete captures: %n the new maximum, %1 how many go
    //% "Keeping at most %n captures permanently deletes the %1 oldest. This action cannot be undone."
    alert.informativeText = qtTrId("preferences.history.trim_confirmation.message", maximum).arg(doomed);
    //: Button that lowers the maximum and deletes captures
    //% "Delete %n Captures"
    alert.buttons = {qtTrId("preferences.history.trim_confirmation.button", doomed),
                     //: Cancel button
                     //% "Cancel"
                     qtTrId("preferences.history.trim_confirmation.cancel")};
    alert.cancelButton = 1;
    alert.defaultButton = 1;
    alert.window = window();
    return m_alertPresenter.runModal(alert) == 0;
}

void HistoryPreferencesView::setMaxHistoryEntries(int value)
{
    const int n = value;
    if (n == m_maxHistoryEntries)
        return;
    try {
        m_settingsStore.setMaxHistoryEntries(n);
    } catch (const SettingsStoreError &) {
        m_maxHistoryEntries = int(m_settingsStore.settings().maxHistoryEntries);
        showSliderValue();
        return;
    }
    m_maxHistoryEntries = n;
    showSliderValue();
    if (!m_historyStore)
        return;
    // Trims the oldest records when the store holds more than the new maximum.
    m_historyStore->setMaxEntries(n).then(this, [this](QFuture<void> done) {
        try {
            done.waitForFinished();
        } catch (...) {
            const Phrase reason = errorPhrase(unwrappedException(std::current_exception()));
            diagWarning(lcHistory(), QStringLiteral("Failed to trim history: %1").arg(reason.english()));
            showFailure(reason.translated());
        }
        recount();
    });
}

void HistoryPreferencesView::requestClearAll()
{
    const QList<QUuid> named = m_countedIds;
    Alert alert;
    alert.style = Alert::Style::warning;
    //: Clear confirmation title
    //% "Clear All History?"
    alert.messageText = qtTrId("preferences.history.clear_confirmation.title");
    alert.informativeText =
        //: Clear confirmation message
        //% "This will permanently delete all capture history entries. This action cannot be undone."
        qtTrId("preferences.history.clear_confirmation.message");
    //: Delete entries button
    //% "Delete %n Entries"
    alert.buttons = {qtTrId("preferences.history.clear_confirmation.button", int(named.size())),
                     //: Cancel button
                     //% "Cancel"
                     qtTrId("preferences.history.clear_confirmation.cancel")};
    alert.cancelButton = 1;
    alert.defaultButton = 1;
    alert.window = window();
    if (m_alertPresenter.runModal(alert) == 0)
        deleteCaptures(named);
}

void HistoryPreferencesView::deleteCaptures(const QList<QUuid> &ids)
{
    if (!m_historyStore)
        return;
    m_historyStore->deleteEntries(ids).then(this, [this](QFuture<void> done) {
        try {
            done.waitForFinished();
        } catch (...) {
            const Phrase reason = errorPhrase(unwrappedException(std::current_exception()));
            diagWarning(lcHistory(), QStringLiteral("Failed to clear history: %1").arg(reason.english()));
            showFailure(reason.translated());
        }
        recount();
    });
}

void HistoryPreferencesView::refresh()
{
    // While the slider is held, the labels follow it; nothing is applied yet.
    const int shown = m_slider->isSliderDown() ? snappedToStep(m_slider->value()) : m_maxHistoryEntries;
    m_valueLabel->setText(integerText(shown));
    //: Estimated storage label
    //% "Estimated storage: %1"
    m_estimateLabel->setText(qtTrId("preferences.history.estimated_storage").arg(storageEstimate(shown)));
    //: Entry count label
    //% "%n entries stored"
    m_entryCountLabel->setText(qtTrId("preferences.history.entry_count", int(m_currentEntryCount)));
    m_usageLabel->setVisible(m_currentEntryCount >= 1);
    //: Space usage label
    //% "Using %1% of maximum capacity"
    m_usageLabel->setText(qtTrId("preferences.history.space_usage").arg(QString::number(usagePercentage(m_currentEntryCount, shown))));
    m_clearButton->setEnabled(m_currentEntryCount > 0);
}

} // namespace quorvane
