#pragma once

#include "capture/continuity_bridge_view.h"

#include <QObject>
#include <QStringList>
#include <QWidget>

#include <memory>

namespace quorvane {

// Keeps the application's image requestor: the bridge view, hosted in an invisible helper
// panel, whose delegate (the application delegate) receives every image it reads.
class ContinuityManager : public QObject {
    Q_OBJECT
public:
    // Makes the bridge view, registers the image return types, then builds the panel.
    explicit ContinuityManager(QObject *parent = nullptr);
    ~ContinuityManager() override;

    // The process's manager, made on first use on the main thread and kept for the life
    // of the process.
    static ContinuityManager &shared();

    ContinuityBridgeView &bridgeView() const { return *m_bridgeView; }
    // The 1 x 1 panel at the bottom right of the primary screen's free area that hosts the
    // bridge view; it is never shown. None until `configureHelperPanel` has run.
    QWidget *helperPanel() const { return m_helperPanel.get(); }
    bool servicesRegistered() const { return m_servicesRegistered; }
    // The image types the application accepts back (nothing is ever sent).
    QStringList registeredReturnTypes() const { return m_returnTypes; }

    // Each runs its work once; later calls do nothing.
    void registerServices();
    void configureHelperPanel();

private:
    // The panel is declared first so that it outlives the view it hosts.
    std::unique_ptr<QWidget> m_helperPanel;
    std::unique_ptr<ContinuityBridgeView> m_bridgeView;
    bool m_servicesRegistered = false;
    QStringList m_returnTypes;
};

} // namespace quorvane
