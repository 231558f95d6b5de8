// The calculator's code runs on its window thread only (a screen reader's calls arrive there
// as messages, and the dialogs' own threads run none of it). The runtime's per-thread
// bookkeeping is replaced here by single-thread versions: the library's own bring the whole
// POSIX thread library into the program, about 22 KB of the 64-bit exe and 28 KB of the
// 32-bit one.

#include <cxxabi.h>
#include <pthread.h>

namespace __cxxabiv1 {

// The exceptions in flight, as the C++ ABI lays the record out. The library's version
// reaches a record per thread through emulated thread-local storage.
struct __cxa_eh_globals {
    void* caughtExceptions;
    unsigned int uncaughtExceptions;
};

namespace {

__cxa_eh_globals inFlight;

}  // namespace

extern "C" __cxa_eh_globals* __cxa_get_globals() noexcept { return &inFlight; }
extern "C" __cxa_eh_globals* __cxa_get_globals_fast() noexcept { return &inFlight; }

}  // namespace __cxxabiv1

// The 32-bit unwinder prepares its tables once through this.
extern "C" int pthread_once(pthread_once_t* once, void (*initialise)()) {
    if (*once == PTHREAD_ONCE_INIT) {
        *once = PTHREAD_ONCE_INIT + 1;
        initialise();
    }
    return 0;
}
