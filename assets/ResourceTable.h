#pragma once
// The program's built-in resources, embedded by the build and found by kind and integer id.
#include <cstdint>
#include <span>

// The kinds of resource, as the build's resource list names them in capitals (cmake/Embed.cmake).
enum class ResourceKind { Bitmap, Wave, Icon, GroupIcon, Font };

struct EmbeddedResource {
    ResourceKind kind;
    int id;
    const unsigned char* begin;
    const unsigned char* end;
};

// Every embedded resource, in the order the build listed them.
std::span<const EmbeddedResource> embeddedResources();

// The bytes of one resource as stored (a whole .bmp or .wav file); empty when there is none.
std::span<const std::uint8_t> findResource(ResourceKind kind, int id);
