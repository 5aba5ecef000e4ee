#pragma once
// SDL's video, events and text rendering for the length of a run. Leaving the scope shuts them
// down, which gives the desktop back as it was, however the run ends.
#include <string>

namespace platform {

class SdlSession {
  public:
    // Sound is not started here: SdlAudio starts it, and runs silent when it cannot. A window
    // class, when given, names the session's windows to the desktop (on X11, their WM_CLASS; on
    // Windows, their window class).
    explicit SdlSession(const char* windowClass = nullptr);
    ~SdlSession();
    SdlSession(const SdlSession&) = delete;
    SdlSession& operator=(const SdlSession&) = delete;

    bool started() const { return failure_.empty(); }
    // Why the session could not start, naming the cause; empty once started.
    const std::string& failure() const { return failure_; }

  private:
    std::string failure_;
};

}  // namespace platform
