// A gamepad for the end-to-end tests, loaded into the real game with LD_PRELOAD: when the game
// starts SDL's game controllers, one of SDL's virtual joysticks is plugged in, and a thread
// works it from the lines written to the FIFO named by TB_E2E_GAMEPAD:
//   press BUTTON, release BUTTON   (SDL's button names: a, b, back, start, dpleft, ...)
//   unplug, plug
#include <SDL.h>
#include <dlfcn.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

namespace {

int padIndex = -1;
SDL_Joystick* pad = nullptr;

void plug() {
    if (pad == nullptr) {
        padIndex = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER,
                                             SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0);
        pad = SDL_JoystickOpen(padIndex);
    }
}

void unplug() {
    if (pad != nullptr) {
        SDL_JoystickClose(pad);
        SDL_JoystickDetachVirtual(padIndex);
        pad = nullptr;
    }
}

// Sets a button and waits, for up to 30 s, until the game's own pumping of events has taken the
// change in: a virtual joystick reports only its state at each update, so a press and release
// between two updates would never be seen, where hardware would report both.
void setButton(SDL_GameControllerButton button, bool down) {
    SDL_JoystickSetVirtualButton(pad, button, down ? 1 : 0);
    for (int wait = 0; wait < 3000 && (SDL_JoystickGetButton(pad, button) != 0) != down; ++wait) {
        SDL_Delay(10);
    }
}

// Reads the FIFO again each time a writer closes it.
void listen(const std::string& fifo) {
    while (true) {
        std::ifstream commands(fifo);
        std::string verb;
        while (commands >> verb) {
            if (verb == "plug") {
                plug();
            } else if (verb == "unplug") {
                unplug();
            } else if (std::string button; commands >> button && pad != nullptr) {
                setButton(SDL_GameControllerGetButtonFromString(button.c_str()), verb == "press");
            }
        }
    }
}

}  // namespace

extern "C" int SDL_InitSubSystem(Uint32 flags) {
    using Init = int (*)(Uint32);
    static const auto init = reinterpret_cast<Init>(dlsym(RTLD_NEXT, "SDL_InitSubSystem"));
    const int result = init(flags);
    static bool started = false;
    const char* fifo = std::getenv("TB_E2E_GAMEPAD");
    if (result == 0 && (flags & SDL_INIT_GAMECONTROLLER) != 0 && !started && fifo != nullptr) {
        started = true;
        plug();
        std::thread(listen, std::string(fifo)).detach();
    }
    return result;
}
