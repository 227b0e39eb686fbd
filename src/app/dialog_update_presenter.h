#pragma once

#include "app/update_presenter.h"

namespace quorvane {

// Shows the outcome of a check for updates in modal message boxes.
class DialogUpdatePresenter : public UpdatePresenter {
public:
    bool offerUpdate(const AppcastItem &item, const QString &currentVersion) override;
    void showUpToDate(const QString &currentVersion) override;
    void showCheckFailed(const QString &reason) override;
};

} // namespace quorvane
