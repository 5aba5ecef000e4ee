#pragma once
// A counted reference that one platform object keeps of another attached to it: attaching takes
// a reference of its own and gives back the one held before; the holder's end gives it back.
#include "display/device/RefCounted.h"

namespace device {

template <typename T>
class Attached {
  public:
    Attached() = default;
    Attached(const Attached&) = delete;
    Attached& operator=(const Attached&) = delete;
    ~Attached() { releaseHeld(held_); }

    // Null detaches.
    void attach(T* object) {
        if (object != nullptr) {
            object->addRef();
        }
        releaseHeld(held_);
        held_ = object;
    }
    T* get() const { return held_; }

  private:
    T* held_ = nullptr;
};

}  // namespace device
