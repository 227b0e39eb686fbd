// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Stand-ins for the desktop facilities the history window reaches through.

#include "pins/pin_widget_manager.h"
#include "platform/alert_presenter.h"
#include "platform/pasteboard.h"
#include "platform/save_panel.h"

#include <QList>
#include <QStringList>

#include <optional>
#include <vector>

namespace quorvane::test {

class FakePasteboard : public Pasteboard {
public:
    QList<Representation> content;
    int writes = 0;

    QStringList write(const QList<Representation> &representations) override
    {
        ++writes;
        content = representations;
        QStringList types;
        for (const Representation &r : representations)
            types << r.mimeType;
        return types;
    }
    QString text() const
    {
        for (const Representation &r : content) {
            if (r.mimeType == QLatin1String("text/plain"))
                return QString::fromUtf8(r.data);
        }
        return {};
    }
};

// Answers every panel with `answer` (none: cancelled) and keeps the requests.
class FakeSavePanel : public SavePanel {
public:
    std::optional<QString> answer;
    std::vector<SavePanelRequest> requests;

    std::optional<QString> run(const SavePanelRequest &request) override
    {
        requests.push_back(request);
        return answer;
    }
};

// Chooses button `choice` of every alert and keeps the alerts.
class FakeAlerts : public AlertPresenter {
public:
    int choice = 0;
    std::vector<Alert> shown;

    int runModal(const Alert &alert) override
    {
        shown.push_back(alert);
        return choice;
    }
};

class FakePins : public PinWidgetManager {
public:
    QList<CaptureHistoryEntry> pinnedEntries;

    void pinCapture(const CaptureHistoryEntry &, const QImage &, std::optional<QPoint>) override {}
    bool pinHistoryEntry(const CaptureHistoryEntry &entry, std::optional<QPoint>) override
    {
        pinnedEntries << entry;
        return true;
    }
};

} // namespace quorvane::test
