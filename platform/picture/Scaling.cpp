#include "platform/picture/Scaling.h"

namespace platform {

std::optional<Scaling> scalingNamed(std::string_view name) {
    for (const Scaling scaling : {Scaling::Nearest, Scaling::Sharp}) {
        if (name == scalingName(scaling)) {
            return scaling;
        }
    }
    return std::nullopt;
}

std::string_view scalingName(Scaling scaling) {
    return scaling == Scaling::Nearest ? "nearest" : "sharp";
}

}  // namespace platform
