// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/alert_presenter.h"
#include "platform/login_item.h"
#include "platform/privacy_settings_opener.h"

namespace quorvane::test {

// Desktop facilities that do nothing, for coordinator tests that never reach them.
class NoOpener : public PrivacySettingsOpener {
public:
    bool hasPrivacyPage() const override { return false; }
    QString openPrivacyPage() override { return {}; }
};

class NoAlerts : public AlertPresenter {
public:
    int runModal(const Alert &) override { return -1; }
};

class NoLoginItem : public LoginItem {
public:
    Status status() const override { return Status::notRegistered; }
    void registerItem() override {}
    void unregisterItem() override {}
};

} // namespace quorvane::test
