#pragma once
// What the player sees: presenting puts a picture into the window it belongs to. Other device
// objects can be attached to it; none changes what is shown.
#include <map>
#include <typeindex>

#include "display/device/Attached.h"
#include "display/device/RefCounted.h"
#include "winapi/HResult.h"

namespace platform {
class Window;
}  // namespace platform

namespace device {

using platform::Window;

class PixelSurface;

class FrontBuffer : public RefCounted {
  public:
    // One reference for the caller. The window must outlive the front buffer.
    static FrontBuffer* create(Window& window) { return new FrontBuffer(window); }

    // Shows the picture in the window; the window's failure passes through.
    HRESULT present(const PixelSurface& picture);

    // Keeps a reference of its own to the object, one of each type: it replaces the one of its
    // type attached before, and null detaches that. Always S_OK.
    template <typename T>
    HRESULT attach(T* object) {
        attached_[typeid(T)].attach(object);
        return S_OK;
    }
    // The object of that type attached now, or null.
    template <typename T>
    T* attached() const {
        const auto found = attached_.find(typeid(T));
        return found == attached_.end() ? nullptr : static_cast<T*>(found->second.get());
    }

  private:
    explicit FrontBuffer(Window& window) : window_(window) {}

    Window& window_;
    std::map<std::type_index, Attached<RefCounted>> attached_;
};

}  // namespace device
