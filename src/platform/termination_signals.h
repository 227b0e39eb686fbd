// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <memory>

class QSocketNotifier;

namespace quorvane {

// Turns SIGTERM and SIGINT into a Qt signal on the main thread, so that a logout or
// Ctrl+C ends the program through its normal quit path (settings saved, hotkeys released).
// One instance per process.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

    // False when the handlers could not be installed.
    bool isInstalled() const { return m_installed; }

signals:
    // `signalNumber` is SIGTERM or SIGINT.
    void terminationRequested(int signalNumber);

private:
    void readPipe();

    bool m_installed = false;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace quorvane
