#pragma once

#include <sys/types.h>
#include <vector>

// While the object lives, a test that runs as root acts as the unprivileged user
// "nobody" (group "nogroup", also a member of "users"), so that file permissions
// hold for it; files set up before, as root, may belong to anyone. Keep its life
// to the action under test. Without root it does nothing and is not Active.
class AsNobody {
public:
    static constexpr uid_t User = 65534;
    static constexpr gid_t Group = 65534;
    // A second group the user is a member of.
    static constexpr gid_t Users = 100;

    AsNobody();
    ~AsNobody();
    AsNobody(const AsNobody&) = delete;
    AsNobody& operator=(const AsNobody&) = delete;

    bool Active() const { return active_; }

private:
    bool active_ = false;
    std::vector<gid_t> groups_;
};
