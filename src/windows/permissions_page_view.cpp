// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/permissions_page_view.h"

#include "capture/screen_capture_error.h"
#include "core/diagnostics.h"
#include "platform/language_change.h"
#include "windows/onboarding_style.h"
#include "windows/welcome_page_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSpacerItem>
#include <QTimer>
#include <QVBoxLayout>

namespace quorvane {

namespace {

constexpr int textColumnWidth = 450;
constexpr int iconArea = 32;
constexpr int instructionsGap = 32;

// The row's symbol in a 32 x 32 area; once granted, green with a tick badge on a small
// disc of the window's colour at the bottom-trailing corner.
QPixmap rowIcon(Symbol icon, bool granted, const QPalette &palette, qreal devicePixelRatio)
{
    QPixmap pixmap(qRound(iconArea * devicePixelRatio), qRound(iconArea * devicePixelRatio));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colour = granted ? grantedGreen() : secondaryColour(palette);
    p.drawPixmap(QPointF(4, 4), symbolPixmap(icon, 24, colour, devicePixelRatio));
    if (granted) {
        const QRectF badge(iconArea - 12, iconArea - 12, 12, 12);
        p.setPen(Qt::NoPen);
        p.setBrush(palette.color(QPalette::Window));
        p.drawEllipse(QRectF(badge.center() - QPointF(5, 5), QSizeF(10, 10)));
        p.drawPixmap(badge.topLeft(), symbolPixmap(Symbol::checkmarkCircle, 12, grantedGreen(), devicePixelRatio));
    }
    return pixmap;
}

QString grantedText(bool granted)
{
    return granted ? QStringLiteral("GRANTED") : QStringLiteral("DENIED");
}

QString boolText(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

} // namespace

// --- PermissionRow ---------------------------------------------------------------------

PermissionRow::PermissionRow(Symbol icon, bool isGranted, std::function<void()> onGrant, QWidget *parent)
    : QWidget(parent), m_icon(icon), m_isGranted(isGranted), m_onGrant(std::move(onGrant))
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 4, 0, 4);
    row->setSpacing(12);

    m_iconLabel = new QLabel;
    m_iconLabel->setObjectName(QStringLiteral("permissionIcon"));
    m_iconLabel->setFixedSize(iconArea, iconArea);
    row->addWidget(m_iconLabel, 0, Qt::AlignTop);

    auto *texts = new QVBoxLayout;
    texts->setSpacing(4);
    m_title = styledLabel(QString(), 14, QFont::DemiBold, TextTone::primary, true);
    m_title->setObjectName(QStringLiteral("permissionTitle"));
    texts->addWidget(m_title);
    m_description = styledLabel(QString(), 13, QFont::Normal, TextTone::secondary, true);
    texts->addWidget(m_description);
    row->addLayout(texts, 1);

    m_grantedLabel = styledLabel(QString(), 12, QFont::Medium, TextTone::green);
    m_grantedLabel->setObjectName(QStringLiteral("grantedLabel"));
    row->addWidget(m_grantedLabel, 0, Qt::AlignTop);
    m_unavailableLabel = styledLabel(QString(), 12, QFont::Medium, TextTone::secondary);
    m_unavailableLabel->setObjectName(QStringLiteral("unavailableLabel"));
    row->addWidget(m_unavailableLabel, 0, Qt::AlignTop);

    m_grantButton = new QPushButton;
    m_grantButton->setObjectName(QStringLiteral("grantButton"));
    QFont small = m_grantButton->font();
    small.setPixelSize(11);
    m_grantButton->setFont(small);
    m_grantButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(m_grantButton, &QPushButton::clicked, this, [this] {
        if (m_onGrant)
            m_onGrant();
    });
    row->addWidget(m_grantButton, 0, Qt::AlignTop);

    refresh();
}

void PermissionRow::setTexts(const QString &title, const QString &description)
{
    m_title->setText(title);
    m_description->setText(description);
    //: Status shown beside a permission that is granted
    //% "Granted"
    m_grantedLabel->setText(qtTrId("onboarding.permissions.granted"));
    //: Button that asks for a permission
    //% "Grant"
    m_grantButton->setText(qtTrId("onboarding.permissions.grant"));
    //: Status shown beside a permission the desktop does not offer at all
    //% "Not offered by this desktop"
    m_unavailableLabel->setText(qtTrId("onboarding.permissions.unavailable"));
}

void PermissionRow::setGranted(bool granted)
{
    if (granted == m_isGranted)
        return;
    m_isGranted = granted;
    refresh();
}

void PermissionRow::setUnavailable(bool unavailable)
{
    if (unavailable == m_isUnavailable)
        return;
    m_isUnavailable = unavailable;
    refresh();
}

void PermissionRow::refresh()
{
    const bool granted = m_isGranted && !m_isUnavailable;
    m_iconLabel->setPixmap(rowIcon(m_icon, granted, palette(), devicePixelRatioF()));
    m_grantedLabel->setVisible(granted);
    m_unavailableLabel->setVisible(m_isUnavailable);
    m_grantButton->setVisible(!m_isGranted && !m_isUnavailable && m_onGrant);
}

// --- PermissionsPageView ---------------------------------------------------------------

PermissionsPageView::PermissionsPageView(PermissionsPageServices services, QWidget *parent)
    : QWidget(parent), m_services(std::move(services))
{
    setObjectName(QStringLiteral("PermissionsPageView"));
    auto *stack = new QVBoxLayout(this);
    stack->setContentsMargins(48, 32, 48, 32);
    // 32 pixels between the parts while they fit; less when a long text needs the room.
    stack->setSpacing(0);
    stack->addStretch();

    auto *header = new QVBoxLayout;
    header->setSpacing(16);
    auto *shield = new QLabel;
    shield->setFixedSize(64, 64);
    shield->setPixmap(symbolPixmap(Symbol::shieldChecked, 64, accentColour(palette()), devicePixelRatioF()));
    header->addWidget(shield, 0, Qt::AlignHCenter);
    auto *titles = new QVBoxLayout;
    titles->setSpacing(8);
    m_title = styledLabel(QString(), 28, QFont::Bold);
    titles->addWidget(m_title, 0, Qt::AlignHCenter);
    m_subtitle = styledLabel(QString(), 16, QFont::Normal, TextTone::secondary);
    titles->addWidget(m_subtitle, 0, Qt::AlignHCenter);
    header->addLayout(titles);
    stack->addLayout(header);
    addYieldingGap(stack, 32);

    m_explanation = styledLabel(QString(), 14, QFont::Normal, TextTone::secondary, true);
    m_explanation->setAlignment(Qt::AlignHCenter);
    addCentredColumn(stack, m_explanation, textColumnWidth);
    addYieldingGap(stack, 32);

    auto *rows = new QWidget;
    auto *rowList = new QVBoxLayout(rows);
    rowList->setContentsMargins(0, 0, 0, 0);
    rowList->setSpacing(16);
    m_screenRecordingRow = new PermissionRow(Symbol::videoCircle, false, [this] { grantScreenRecording(); });
    m_screenRecordingRow->setObjectName(QStringLiteral("screenRecordingRow"));
    rowList->addWidget(m_screenRecordingRow);
    m_accessibilityRow = new PermissionRow(Symbol::keyboard, false, [this] { grantAccessibility(); });
    m_accessibilityRow->setObjectName(QStringLiteral("accessibilityRow"));
    rowList->addWidget(m_accessibilityRow);
    addCentredColumn(stack, rows, textColumnWidth);
    // The gap above the instructions goes with them.
    m_instructionsGap = new QSpacerItem(0, instructionsGap, QSizePolicy::Minimum, QSizePolicy::Preferred);
    stack->addSpacerItem(m_instructionsGap);

    m_instructions = styledLabel(QString(), 12, QFont::Normal, TextTone::secondary, true);
    m_instructions->setObjectName(QStringLiteral("instructions"));
    m_instructions->setAlignment(Qt::AlignHCenter);
    addCentredColumn(stack, m_instructions, 400);
    stack->addStretch();
    onLanguageChange(this, [this] { retranslate(); });
}

void PermissionsPageView::retranslate()
{
    //: Permissions page title
    //% "Permissions Required"
    m_title->setText(qtTrId("onboarding.permissions.title"));
    //: Permissions page subtitle
    //% "Quorvane needs your permission to work"
    m_subtitle->setText(qtTrId("onboarding.permissions.subtitle"));
    //: Permissions explanation
    //% "To capture text from your screen, Quorvane needs access to it. This allows the app to see what's on your screen when you activate it. All processing happens locally on your device."
    m_explanation->setText(qtTrId("onboarding.permissions.explanation"));
    setExtraLineSpacing(m_explanation, 4);
    m_screenRecordingRow->setTexts(
        //: Title of the screen access permission
        //% "Screen Access"
        qtTrId("onboarding.permissions.screen_recording.title"),
        //: Screen Recording permission description
        //% "Allows Quorvane to capture text from selected screen regions"
        qtTrId("onboarding.permissions.screen_recording.description"));
    m_accessibilityRow->setTexts(
        //: Title of the global shortcuts permission
        //% "Global Shortcuts (Optional)"
        qtTrId("onboarding.permissions.accessibility.title"),
        m_shortcutsUnavailable ? WelcomePageView::captureBindingHint() :
                               //: Accessibility permission description
                               //% "Enables global keyboard shortcuts for quick capture"
                               qtTrId("onboarding.permissions.accessibility.description"));
    m_instructions->setText(instructionsText());
}

QString PermissionsPageView::instructionsText()
{
    //: Permission instructions
    //% "Click the Grant button next to each permission to open your desktop's privacy settings. This page will automatically detect when you grant permissions."
    return qtTrId("onboarding.permissions.instructions");
}

PermissionsPageView::~PermissionsPageView() = default;

void PermissionsPageView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The page's own manager lives from its first showing to its end.
    if (!m_permissionManager) {
        m_permissionManager = std::make_unique<PermissionManager>(
            m_services.checks, m_services.privacySettings, m_services.alerts);
    }
    checkPermissionStatus();
    startPermissionPolling();
}

void PermissionsPageView::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    stopPermissionPolling();
}

void PermissionsPageView::startPermissionPolling()
{
    diag(lcPermissions(), QStringLiteral("Starting permission polling (every 1 second)..."));
    delete m_permissionCheckTimer;
    m_permissionCheckTimer = new QTimer(this);
    m_permissionCheckTimer->setInterval(pollIntervalMs);
    connect(m_permissionCheckTimer, &QTimer::timeout, this, &PermissionsPageView::checkPermissionStatus);
    m_permissionCheckTimer->start();
}

void PermissionsPageView::stopPermissionPolling()
{
    diag(lcPermissions(), QStringLiteral("Stopping permission polling"));
    delete m_permissionCheckTimer;
    m_permissionCheckTimer = nullptr;
}

void PermissionsPageView::checkPermissionStatus()
{
    const quint64 check = m_checkOrder.start();
    const bool screenRecording = checkScreenRecordingPermission();
    // The portal's grabber can always ask, so only the desktop's answer tells the truth.
    const bool unavailable = m_services.checks.shortcutsUnavailable && m_services.checks.shortcutsUnavailable();
    const bool accessibility = !unavailable && m_services.checks.accessibility && m_services.checks.accessibility();
    if (!m_checkOrder.mayShow(check))
        return;
    m_screenRecordingGranted = screenRecording;
    m_accessibilityGranted = accessibility;
    if (unavailable != m_shortcutsUnavailable) {
        m_shortcutsUnavailable = unavailable;
        m_accessibilityRow->setUnavailable(unavailable);
        retranslate();
    }

    m_screenRecordingRow->setGranted(m_screenRecordingGranted);
    m_accessibilityRow->setGranted(m_accessibilityGranted);
    // No privacy setting helps where the desktop lacks the service that reads the screen.
    const bool serviceMissing = !m_screenRecordingGranted && m_services.checks.screenServiceMissing
        && m_services.checks.screenServiceMissing();
    m_instructions->setText(serviceMissing ? ScreenCaptureError::portalMissing().localizedDescription()
                                           : instructionsText());
    // Nor is there anything to grant: a Grant button would do nothing visible.
    m_screenRecordingRow->setUnavailable(serviceMissing);
    // The instructions follow the required permission only.
    if (m_instructions->isHidden() != m_screenRecordingGranted) {
        m_instructions->setVisible(!m_screenRecordingGranted);
        m_instructionsGap->changeSize(0, m_screenRecordingGranted ? 0 : instructionsGap, QSizePolicy::Minimum,
                                      QSizePolicy::Preferred);
        layout()->invalidate();
    }
    emit areRequiredPermissionsGrantedChanged(m_screenRecordingGranted);

    diag(lcPermissions(), QStringLiteral("Permission status checked:"));
    diag(lcPermissions(), QStringLiteral("   Screen access: ") + grantedText(m_screenRecordingGranted));
    diag(lcPermissions(), QStringLiteral("   Global shortcuts: ")
                              + (unavailable ? QStringLiteral("— not offered") : grantedText(m_accessibilityGranted)));
}

bool PermissionsPageView::checkScreenRecordingPermission()
{
    return m_services.checks.screenRecording && m_services.checks.screenRecording();
}

void PermissionsPageView::grantScreenRecording()
{
    // X11 has no grant to ask for: the request is one more look at the screen.
    const bool granted = checkScreenRecordingPermission();
    diag(lcPermissions(), QStringLiteral("Screen access requested, granted: ") + boolText(granted));
    PermissionManager::openSystemSettings(PermissionType::screenRecording, m_services.privacySettings);
}

void PermissionsPageView::grantAccessibility()
{
    // Nor is there a trust prompt: the request is one more look at the key-grab connection.
    const bool granted = m_services.checks.accessibility && m_services.checks.accessibility();
    diag(lcPermissions(), QStringLiteral("Keyboard access requested, granted: ") + boolText(granted));
    PermissionManager::openSystemSettings(PermissionType::accessibility, m_services.privacySettings);
}

} // namespace quorvane
