#include "AsNobody.h"

#include <algorithm>
#include <grp.h>
#include <unistd.h>

AsNobody::AsNobody()
{
    if (::geteuid() != 0) return;
    groups_.resize(size_t(std::max(0, ::getgroups(0, nullptr))));
    if (!groups_.empty() && ::getgroups(int(groups_.size()), groups_.data()) < 0) return;
    const gid_t member[] = {Group, Users};
    if (::setgroups(2, member) != 0) return;
    if (::setegid(Group) != 0) return;
    // The effective user last: the groups can only be changed as root.
    active_ = ::seteuid(User) == 0;
}

AsNobody::~AsNobody()
{
    if (::geteuid() != 0 && ::seteuid(0) != 0) return;
    [[maybe_unused]] const int group = ::setegid(0);
    [[maybe_unused]] const int groups = ::setgroups(groups_.size(), groups_.data());
}
