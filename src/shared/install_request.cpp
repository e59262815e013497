#include "shared/install_request.h"

#include "shared/message_set.h"

namespace shared {

std::optional<InstallType> InstallTypeOfRow(int row) {
    switch (row) {
    case 0: return InstallType::Product;
    case 1: return InstallType::CorelDraw;
    case 2: return InstallType::AutoCad;
    case 3: return InstallType::Illustrator;
    default: return std::nullopt;
    }
}

std::optional<InstallOutcome> PathRefusal(const InstallRequest& request) {
    if (request.pathHeld || request.findHost) return std::nullopt;
    return InstallOutcome{false, MessageSetFor(request.language).pathError};
}

}  // namespace shared
