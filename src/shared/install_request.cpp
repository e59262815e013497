#include "shared/install_request.h"

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

}  // namespace shared
