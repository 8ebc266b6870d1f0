#include "ReadOnlyFolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr uid_t Nobody = 65534;

}  // namespace

ReadOnlyFolder::ReadOnlyFolder(const QString& path) : path_(path)
{
    if (::chmod(path_.toLocal8Bit().constData(), 0555) != 0) return;
    if (::geteuid() == 0) {
        if (::seteuid(Nobody) != 0) return;
        droppedRoot_ = true;
    }
    active_ = ::faccessat(AT_FDCWD, path_.toLocal8Bit().constData(), W_OK, AT_EACCESS) != 0;
}

ReadOnlyFolder::~ReadOnlyFolder()
{
    if (droppedRoot_ && ::seteuid(0) != 0) return;
    ::chmod(path_.toLocal8Bit().constData(), 0755);
}
