#include "platform/files/StandardIo.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace platform {
namespace {

bool inputWasClosed = false;

// True when the descriptor was closed. Every lower descriptor is open by now, so open() hands
// out this one. Should even /dev/null be missing there is no better place: it stays closed.
bool openWhenClosed(int descriptor, int mode) {
    if (fcntl(descriptor, F_GETFD) != -1 || errno != EBADF) {
        return false;
    }
    open("/dev/null", mode);
    return true;
}

}  // namespace

void setUpStandardIo() {
    inputWasClosed = openWhenClosed(STDIN_FILENO, O_RDONLY);
    openWhenClosed(STDOUT_FILENO, O_WRONLY);
    openWhenClosed(STDERR_FILENO, O_WRONLY);
    std::signal(SIGXFSZ, SIG_IGN);
}

bool standardInputWasClosed() {
    return inputWasClosed;
}

}  // namespace platform
