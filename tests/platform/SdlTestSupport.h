#pragma once
// Synthetic SDL input and environment settings for the tests of the SDL seams.
#include <SDL.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace sdltest {

// Sets an environment variable for one scope, or unsets it when given no value (all tests may
// share one process).
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        value != nullptr ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedEnv() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

enum class Key { Up, Down, Repeat };

inline void pushKey(SDL_Scancode scancode, Key key, Uint16 mod = KMOD_NONE) {
    SDL_Event event{};
    event.type = key == Key::Up ? SDL_KEYUP : SDL_KEYDOWN;
    event.key.repeat = key == Key::Repeat ? 1 : 0;
    event.key.keysym.scancode = scancode;
    event.key.keysym.mod = mod;
    SDL_PushEvent(&event);
}

}  // namespace sdltest
