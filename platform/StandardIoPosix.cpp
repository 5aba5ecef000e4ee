#include "platform/StandardIo.h"

#include <csignal>

namespace platform {

void setUpStandardIo() {
    // Past `ulimit -f` a write fails and is reported, instead of the signal ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace platform
