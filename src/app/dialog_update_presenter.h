// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/update_presenter.h"
#include "platform/alert_presenter.h"

#include <memory>

namespace quorvane {

// Shows the outcome of a check for updates as alerts. The feed's texts reach the user
// through them only, so they are never read as markup.
class DialogUpdatePresenter : public UpdatePresenter {
public:
    explicit DialogUpdatePresenter(std::unique_ptr<AlertPresenter> alerts);

    bool offerUpdate(const AppcastItem &item, const QString &currentVersion) override;
    void showUpToDate(const QString &currentVersion) override;
    void showCheckFailed(const QString &reason) override;
    void showNotConfigured() override;

private:
    std::unique_ptr<AlertPresenter> m_alerts;
};

} // namespace quorvane
