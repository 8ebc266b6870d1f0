// A slow disk under one folder, for the tests of a save that a signal
// interrupts: loaded with LD_PRELOAD, it makes each fsync and fdatasync of a
// file or folder under $SLOW_SYNC_FOLDER take $SLOW_SYNC_MS milliseconds (3000
// when unset) more, and writes "SLOWSYNC" on stderr as such a sync begins.
#include <dlfcn.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <unistd.h>

namespace {

bool underFolder(int fd)
{
    const char* folder = std::getenv("SLOW_SYNC_FOLDER");
    if (!folder || !*folder) return false;
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char path[PATH_MAX];
    const ssize_t n = ::readlink(link, path, sizeof path - 1);
    if (n <= 0) return false;
    path[n] = '\0';
    return std::strncmp(path, folder, std::strlen(folder)) == 0;
}

void slowDown(int fd)
{
    if (!underFolder(fd)) return;
    const char* text = std::getenv("SLOW_SYNC_MS");
    const long ms = text ? std::atol(text) : 3000;
    static const char marker[] = "SLOWSYNC\n";
    [[maybe_unused]] const ssize_t ignored = ::write(STDERR_FILENO, marker, sizeof marker - 1);
    timespec left{ms / 1000, (ms % 1000) * 1000000};
    // A signal's handler does not cut the disk short.
    while (::nanosleep(&left, &left) != 0 && errno == EINTR) {
    }
}

template <typename Call>
Call real(const char* name)
{
    return reinterpret_cast<Call>(::dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" int fsync(int fd)
{
    static const auto call = real<int (*)(int)>("fsync");
    slowDown(fd);
    return call(fd);
}

extern "C" int fdatasync(int fd)
{
    static const auto call = real<int (*)(int)>("fdatasync");
    slowDown(fd);
    return call(fd);
}
