#include "WithoutRights.h"

#include <QFile>

#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int Overrides[] = {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH};

}  // namespace

WithoutRights::WithoutRights(const QString& device) : path_(QFile::encodeName(device))
{
    struct stat st{};
    if (::stat(path_.constData(), &st) != 0) return;
    mode_ = st.st_mode & 07777;
    restore_ = ::chmod(path_.constData(), 0) == 0;
}

WithoutRights::~WithoutRights()
{
    if (restore_) ::chmod(path_.constData(), mode_);
}

void WithoutRights::InChild()
{
    if (::geteuid() != 0) return;
    // From the bounding set, so that a program started next does not get them back.
    for (int cap : Overrides)
        if (::prctl(PR_CAPBSET_DROP, cap, 0, 0, 0) != 0) ::_exit(126);
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3]{};
    if (::syscall(SYS_capget, &header, data) != 0) ::_exit(126);
    for (int cap : Overrides) {
        data[CAP_TO_INDEX(cap)].effective &= ~CAP_TO_MASK(cap);
        data[CAP_TO_INDEX(cap)].permitted &= ~CAP_TO_MASK(cap);
        data[CAP_TO_INDEX(cap)].inheritable &= ~CAP_TO_MASK(cap);
    }
    if (::syscall(SYS_capset, &header, data) != 0) ::_exit(126);
}

std::string WithoutRights::Run(const std::function<std::string()>& body) const
{
    int out[2];
    if (::pipe(out) != 0) return "child failed";
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(out[0]);
        InChild();
        const std::string result = body();
        const ssize_t written = ::write(out[1], result.data(), result.size());
        ::_exit(written == ssize_t(result.size()) ? 0 : 1);
    }
    ::close(out[1]);
    std::string result;
    char chunk[1024];
    for (ssize_t n; (n = ::read(out[0], chunk, sizeof chunk)) > 0;) result.append(chunk, size_t(n));
    ::close(out[0]);
    int status = 0;
    if (pid > 0) ::waitpid(pid, &status, 0);
    return pid > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0 ? result : "child failed";
}
