#include "shell/PresentLog.h"

#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <memory>
#include <utility>

#include "platform/Clock.h"

namespace {

using LogFile = std::shared_ptr<std::FILE>;

class PresentLoggingWindow final : public platform::Window {
  public:
    PresentLoggingWindow(std::unique_ptr<platform::Window> shown, LogFile log)
        : shown_(std::move(shown)), log_(std::move(log)) {}

    void showWindowed(std::uint32_t clientWidth, std::uint32_t clientHeight) override {
        shown_->showWindowed(clientWidth, clientHeight);
    }
    void setFullScreen(bool fullScreen) override { shown_->setFullScreen(fullScreen); }
    bool isFullScreen() const override { return shown_->isFullScreen(); }
    RECT clientBounds() const override { return shown_->clientBounds(); }
    RECT screenBounds() const override { return shown_->screenBounds(); }

    HRESULT present(const platform::PictureView& picture) override {
        const HRESULT result = shown_->present(picture);
        std::fprintf(log_.get(), "%" PRIu64 "\n", platform::clock().nowNs());
        std::fflush(log_.get());
        return result;
    }

  private:
    std::unique_ptr<platform::Window> shown_;
    LogFile log_;  // shared by every window the factory makes
};

}  // namespace

WindowFactory logPresents(WindowFactory factory, const std::string& path, std::string& error) {
    const LogFile log(std::fopen(path.c_str(), "a"), [](std::FILE* file) {
        if (file != nullptr) {
            std::fclose(file);
        }
    });
    if (!log) {
        error = "cannot write the present log " + path + ": " + std::strerror(errno);
        return {};
    }
    return [factory = std::move(factory), log](const char* title, std::string& failure) {
        std::unique_ptr<platform::Window> shown = factory(title, failure);
        return shown ? std::make_unique<PresentLoggingWindow>(std::move(shown), log) : nullptr;
    };
}
