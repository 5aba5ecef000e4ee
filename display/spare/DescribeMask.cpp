#include "display/spare/DescribeMask.h"

HRESULT describeMask(std::uint32_t mask, std::uint32_t* shift, std::uint32_t* width) {
    if (shift == nullptr || width == nullptr) {
        return E_INVALIDARG;
    }
    std::uint32_t runStart = 0;
    std::uint32_t runLength = 0;
    if (mask != 0) {
        for (; (mask & 1u) == 0; mask >>= 1) {
            ++runStart;
        }
    }
    for (; (mask & 1u) != 0; mask >>= 1) {
        ++runLength;
    }
    *shift = runStart;
    *width = runLength;
    return S_OK;
}
