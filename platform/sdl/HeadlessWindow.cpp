#include "platform/sdl/HeadlessWindow.h"

#include <SDL.h>

#include <cstring>

namespace platform {

HeadlessWindow::HeadlessWindow(std::uint32_t screenWidth, std::uint32_t screenHeight)
    : screen_{0, 0, static_cast<std::int32_t>(screenWidth),
              static_cast<std::int32_t>(screenHeight)} {}

void HeadlessWindow::showWindowed(std::uint32_t clientWidth, std::uint32_t clientHeight) {
    fullScreen_ = false;
    clientWidth_ = clientWidth;
    clientHeight_ = clientHeight;
}

void HeadlessWindow::moveTo(std::int32_t x, std::int32_t y) {
    clientX_ = x;
    clientY_ = y;
}

RECT HeadlessWindow::clientBounds() const {
    if (fullScreen_) {
        return screen_;
    }
    return {clientX_, clientY_, clientX_ + static_cast<std::int32_t>(clientWidth_),
            clientY_ + static_cast<std::int32_t>(clientHeight_)};
}

RECT HeadlessWindow::screenBounds() const {
    return screen_;
}

void HeadlessWindow::setFullScreen(bool fullScreen) {
    placing_ = placing_ || (fullScreen_ && !fullScreen);
    fullScreen_ = fullScreen;
}

HRESULT HeadlessWindow::present(const PictureView& picture) {
    if (picture.pixels == nullptr) {
        return E_INVALIDARG;
    }
    ++presentCount_;
    if (placing_ && !fullScreen_) {
        placed_ = clientBounds();
        placing_ = false;
    }
    if (!keepsPictures_) {
        return S_OK;
    }
    picture_.resize(std::size_t{picture.width} * picture.height);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(picture.pixels);
    for (std::uint32_t y = 0; y < picture.height; ++y) {
        std::memcpy(&picture_[std::size_t{y} * picture.width],
                    bytes + std::size_t{y} * picture.pitch, picture.width * sizeof(std::uint16_t));
    }
    pictureWidth_ = picture.width;
    pictureHeight_ = picture.height;
    return S_OK;
}

std::uint16_t HeadlessWindow::pixel(std::uint32_t x, std::uint32_t y) const {
    return picture_.at(std::size_t{y} * pictureWidth_ + x);
}

bool HeadlessWindow::saveBmp(std::FILE* out) const {
    if (picture_.empty() || out == nullptr) {
        return false;
    }
    SDL_Surface* view = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<std::uint16_t*>(picture_.data()), static_cast<int>(pictureWidth_),
        static_cast<int>(pictureHeight_), 16,
        static_cast<int>(pictureWidth_ * sizeof(std::uint16_t)), SDL_PIXELFORMAT_RGB565);
    if (view == nullptr) {
        return false;
    }
    // Made whole in memory, where SDL seeks back to fill in the header, then written in one go:
    // so a pipe or a FIFO gets the same bytes as a file. Room for 32 bits a pixel and any header.
    constexpr std::size_t HeaderRoom = 1024;
    std::vector<std::uint8_t> bytes(HeaderRoom + picture_.size() * 4);
    SDL_RWops* memory = SDL_RWFromMem(bytes.data(), static_cast<int>(bytes.size()));
    const bool made = memory != nullptr && SDL_SaveBMP_RW(view, memory, 0) == 0;
    const Sint64 size = made ? SDL_RWtell(memory) : -1;
    if (memory != nullptr) {
        SDL_RWclose(memory);
    }
    SDL_FreeSurface(view);
    return size > 0 && std::fwrite(bytes.data(), 1, static_cast<std::size_t>(size), out) ==
                           static_cast<std::size_t>(size);
}

}  // namespace platform
