#pragma once

#include <QRect>
#include <QtGlobal>

#include <memory>
#include <optional>
#include <vector>

namespace quorvane {

// One monitor as windows are placed on it.
struct DisplayInfo {
    quint32 id = 0;            // the monitor's stable number
    QRect availableGeometry;   // its area without panels and docks, Qt global coordinates
};

// The monitors of the desktop, numbered the way captures record them.
class DisplayDirectory {
public:
    virtual ~DisplayDirectory() = default;

    // Every monitor, in the platform's order.
    virtual std::vector<DisplayInfo> displays() const = 0;
    // The main monitor, when there is one.
    virtual std::optional<DisplayInfo> mainDisplay() const = 0;
};

// The directory of the running desktop's screens.
std::unique_ptr<DisplayDirectory> createDisplayDirectory();

} // namespace quorvane
