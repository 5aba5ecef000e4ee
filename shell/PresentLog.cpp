#include "shell/PresentLog.h"

#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "platform/files/QuotedText.h"
#include "platform/seams/Clock.h"
#include "shell/ForwardingWindow.h"

namespace {

// The open file, shared by every window the factory makes, until a write to it fails.
class LogFile {
  public:
    LogFile(std::FILE* file, std::string path, std::function<void(const std::string&)> warn)
        : file_(file), path_(std::move(path)), warn_(std::move(warn)) {}
    ~LogFile() { closeFile(); }
    LogFile(const LogFile&) = delete;
    LogFile& operator=(const LogFile&) = delete;

    void append(std::uint64_t ns) {
        if (file_ == nullptr) {
            return;
        }
        if (std::fprintf(file_, "%" PRIu64 "\n", ns) < 0 || std::fflush(file_) != 0) {
            warn_(failure(path_, errno));
            closeFile();
        }
    }

    static std::string failure(const std::string& path, int error) {
        return "cannot write the present log " + quotedPath(path) + ": " + std::strerror(error);
    }

  private:
    void closeFile() {
        if (file_ != nullptr) {
            std::fclose(file_);
            file_ = nullptr;
        }
    }

    std::FILE* file_;
    std::string path_;
    std::function<void(const std::string&)> warn_;
};

class PresentLoggingWindow final : public ForwardingWindow {
  public:
    PresentLoggingWindow(std::unique_ptr<platform::Window> shown, std::shared_ptr<LogFile> log)
        : ForwardingWindow(std::move(shown)), log_(std::move(log)) {}

    HRESULT present(const platform::PictureView& picture) override {
        const HRESULT result = ForwardingWindow::present(picture);
        log_->append(platform::clock().nowNs());
        return result;
    }

  private:
    std::shared_ptr<LogFile> log_;
};

}  // namespace

WindowFactory logPresents(WindowFactory factory, const std::string& path,
                          std::function<void(const std::string&)> warn) {
    std::FILE* file = std::fopen(path.c_str(), "a");
    if (file == nullptr) {
        warn(LogFile::failure(path, errno));
        return factory;
    }
    auto log = std::make_shared<LogFile>(file, path, std::move(warn));
    return [factory = std::move(factory), log](const char* title, std::string& failure) {
        std::unique_ptr<platform::Window> shown = factory(title, failure);
        return shown ? std::make_unique<PresentLoggingWindow>(std::move(shown), log) : nullptr;
    };
}
