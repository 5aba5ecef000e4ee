#pragma once
// A window that passes everything to the window it wraps: the base of the shell's windows that
// change one thing about another.
#include <memory>
#include <utility>

#include "platform/seams/Window.h"

class ForwardingWindow : public platform::Window {
  public:
    explicit ForwardingWindow(std::unique_ptr<platform::Window> shown) : shown_(std::move(shown)) {}

    void showWindowed(std::uint32_t clientWidth, std::uint32_t clientHeight) override {
        shown_->showWindowed(clientWidth, clientHeight);
    }
    void moveTo(std::int32_t x, std::int32_t y) override { shown_->moveTo(x, y); }
    void setFullScreen(bool fullScreen) override { shown_->setFullScreen(fullScreen); }
    bool isFullScreen() const override { return shown_->isFullScreen(); }
    RECT clientBounds() const override { return shown_->clientBounds(); }
    RECT screenBounds() const override { return shown_->screenBounds(); }
    std::optional<RECT> placedBounds() const override { return shown_->placedBounds(); }
    HRESULT present(const platform::PictureView& picture) override {
        return shown_->present(picture);
    }

  protected:
    platform::Window& shown() const { return *shown_; }

  private:
    std::unique_ptr<platform::Window> shown_;
};
