#include "platform/StandardDescriptors.h"

namespace platform {

void openClosedStandardDescriptors() {}

bool standardInputWasClosed() {
    return false;
}

}  // namespace platform
