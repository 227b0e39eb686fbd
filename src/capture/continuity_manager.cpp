#include "capture/continuity_manager.h"

#include "capture/continuity_pasteboard.h"
#include "core/diagnostics.h"

#include <QGuiApplication>
#include <QScreen>

namespace quorvane {

ContinuityManager::ContinuityManager(QObject *parent)
    : QObject(parent), m_bridgeView(std::make_unique<ContinuityBridgeView>())
{
    registerServices();
    configureHelperPanel();
}

ContinuityManager::~ContinuityManager() = default;

ContinuityManager &ContinuityManager::shared()
{
    // Deliberately never destroyed: it holds widgets, which must not outlive the
    // application object, and it is needed until the process ends.
    static ContinuityManager *const instance = new ContinuityManager();
    return *instance;
}

void ContinuityManager::registerServices()
{
    if (m_servicesRegistered)
        return;
    m_returnTypes = continuity::imageTypes();
    m_servicesRegistered = true;
    diag(lcImport(), QStringLiteral("📱 [ContinuityManager] Registered %1 image return types").arg(m_returnTypes.size()));
}

void ContinuityManager::configureHelperPanel()
{
    if (m_helperPanel)
        return;
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect visible = screen ? screen->availableGeometry() : QRect(0, 0, 100, 100);

    auto panel = std::make_unique<QWidget>(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                                                        | Qt::WindowTransparentForInput
                                                        | Qt::WindowDoesNotAcceptFocus);
    panel->setAttribute(Qt::WA_TranslucentBackground);
    panel->setAttribute(Qt::WA_ShowWithoutActivating);
    panel->setWindowOpacity(0.01);
    panel->setGeometry(visible.right(), visible.bottom(), 1, 1);
    m_bridgeView->setParent(panel.get());
    m_bridgeView->setGeometry(0, 0, 100, 100);
    m_helperPanel = std::move(panel);
    diag(lcImport(), QStringLiteral("📱 [ContinuityManager] Helper panel at %1,%2")
             .arg(m_helperPanel->x())
             .arg(m_helperPanel->y()));
}

} // namespace quorvane
