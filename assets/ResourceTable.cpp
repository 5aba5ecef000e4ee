#include "assets/ResourceTable.h"

std::span<const std::uint8_t> findResource(ResourceKind kind, int id) {
    for (const EmbeddedResource& resource : embeddedResources()) {
        if (resource.kind == kind && resource.id == id) {
            return {resource.begin, resource.end};
        }
    }
    return {};
}
