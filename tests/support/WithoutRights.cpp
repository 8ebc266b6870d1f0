#include "WithoutRights.h"

#include <QFile>

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr uid_t Nobody = 65534;
constexpr gid_t NoGroup = 65534;

bool runsAsRoot() { return ::geteuid() == 0; }

}  // namespace

WithoutRights::WithoutRights(const QString& device) : path_(QFile::encodeName(device))
{
    struct stat st{};
    if (runsAsRoot() || ::stat(path_.constData(), &st) != 0) return;
    mode_ = st.st_mode & 07777;
    restore_ = ::chmod(path_.constData(), 0) == 0;
}

WithoutRights::~WithoutRights()
{
    if (restore_) ::chmod(path_.constData(), mode_);
}

void WithoutRights::InChild()
{
    if (!runsAsRoot()) return;
    if (::setgroups(0, nullptr) != 0 || ::setgid(NoGroup) != 0 || ::setuid(Nobody) != 0) ::_exit(126);
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
