#include "media/LoaderPriority.h"

#include <dlfcn.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {
constexpr int kLoaderNice = 10;
}  // namespace

// On Linux a thread's nice value is its own: PRIO_PROCESS with its id.
void lowerLoaderPriority() { (void)setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kLoaderNice); }

// OpenMP's thread count is a setting of the thread that starts the work.
void loadOnThisThreadOnly() {
    using SetThreads = void (*)(int);
    if (auto setThreads = reinterpret_cast<SetThreads>(::dlsym(RTLD_DEFAULT, "omp_set_num_threads"))) setThreads(1);
}
