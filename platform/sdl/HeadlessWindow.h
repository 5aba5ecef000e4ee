#pragma once
// A window that exists only in memory: it keeps the last picture presented, for tests and for
// the replay tool's screenshots.
#include <cstdint>
#include <cstdio>
#include <optional>
#include <vector>

#include "platform/seams/Window.h"

namespace platform {

class HeadlessWindow : public Window {
  public:
    explicit HeadlessWindow(std::uint32_t screenWidth = 640, std::uint32_t screenHeight = 480);

    void showWindowed(std::uint32_t clientWidth, std::uint32_t clientHeight) override;
    void moveTo(std::int32_t x, std::int32_t y) override;
    void setFullScreen(bool fullScreen) override;
    bool isFullScreen() const override { return fullScreen_; }
    // Windowed, the client area sits at the screen's top-left corner until moved.
    RECT clientBounds() const override;
    RECT screenBounds() const override;
    // No desktop moves it: placed where it stood at its first present after it became a window.
    std::optional<RECT> placedBounds() const override { return placed_; }
    // Keeps a copy of the picture as it is, unscaled, unless told to keep none.
    HRESULT present(const PictureView& picture) override;
    // Whether present keeps the picture; it does until told otherwise. One that keeps none only
    // counts its presents, at no cost per frame, and has no picture to give.
    void keepPictures(bool keep) { keepsPictures_ = keep; }

    // The last picture presented; 0 × 0 before the first.
    std::uint32_t pictureWidth() const { return pictureWidth_; }
    std::uint32_t pictureHeight() const { return pictureHeight_; }
    // Raw 5-6-5 value of one pixel of the last picture; x and y must lie inside it.
    std::uint16_t pixel(std::uint32_t x, std::uint32_t y) const;
    std::uint64_t presentCount() const { return presentCount_; }
    // Writes the last picture as a .bmp file into `out`, which may be a pipe; false when there is
    // none or it cannot be written.
    bool saveBmp(std::FILE* out) const;

  private:
    RECT screen_;
    std::int32_t clientX_ = 0;
    std::int32_t clientY_ = 0;
    std::uint32_t clientWidth_ = 0;
    std::uint32_t clientHeight_ = 0;
    bool fullScreen_ = false;
    std::optional<RECT> placed_;
    bool placing_ = true;  // until the next present in a window
    bool keepsPictures_ = true;
    std::vector<std::uint16_t> picture_;
    std::uint32_t pictureWidth_ = 0;
    std::uint32_t pictureHeight_ = 0;
    std::uint64_t presentCount_ = 0;
};

}  // namespace platform
