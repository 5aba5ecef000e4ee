#pragma once
// Counted references with explicit release, as the display layer holds its platform objects:
// whoever holds a reference releases it exactly once; the object goes with the last one.
#include <cstdint>

namespace device {

class RefCounted {
  public:
    RefCounted(const RefCounted&) = delete;
    RefCounted& operator=(const RefCounted&) = delete;

    // Both answer the count of references left.
    std::uint32_t addRef() { return ++references_; }
    std::uint32_t release() {
        const std::uint32_t left = --references_;
        if (left == 0) {
            delete this;
        }
        return left;
    }

  protected:
    RefCounted() = default;
    virtual ~RefCounted() = default;

  private:
    std::uint32_t references_ = 1;
};

}  // namespace device

namespace device {

// Releases the reference held in `held`, if any, and forgets it.
template <typename T>
void releaseHeld(T*& held) {
    if (held != nullptr) {
        held->release();
        held = nullptr;
    }
}

}  // namespace device
