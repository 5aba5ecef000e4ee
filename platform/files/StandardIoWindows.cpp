#include "platform/files/StandardIo.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace platform {

void setUpStandardIo() {
    const bool outputHandedOver = GetFileType(GetStdHandle(STD_OUTPUT_HANDLE)) != FILE_TYPE_UNKNOWN;
    if (!outputHandedOver && AttachConsole(ATTACH_PARENT_PROCESS)) {
        std::freopen("CONOUT$", "w", stdout);
        std::freopen("CONOUT$", "w", stderr);
    }
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    _fmode = _O_BINARY;  // the mode of every file opened from here on
}

bool standardInputWasClosed() {
    return false;
}

}  // namespace platform
