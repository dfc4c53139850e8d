#include "process/start_up.h"

#include <csignal>

namespace quarvel {

void setUpProcess() {
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

} // namespace quarvel
