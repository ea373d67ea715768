#include "media/LoaderPriority.h"

#include <sys/resource.h>
#include <unistd.h>

namespace {
constexpr int kLoaderNice = 10;
}  // namespace

// On Linux a thread's nice value is its own: PRIO_PROCESS with its id.
void lowerLoaderPriority() { (void)setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kLoaderNice); }
