#pragma once

#include <locale>
#include <string>

// The locales the tests also run under besides C: what German and Turkish desktops
// set, with a comma as decimal point (and, in Turkish, a dotted capital I). The
// build makes them in its own folder (TEST_LOCALE_DIR); the machine's stay as they are.
inline constexpr const char* TestLocales[] = {"de_DE.UTF-8", "tr_TR.UTF-8"};

// Empty when the process's C library runs in the named test locale with that
// locale's own rules in effect; otherwise what is wrong.
std::string LocaleProblem(const char* name);

// Switches the whole process to a test locale, as a host program does at start-up
// (the C library's locale and the C++ global locale), and back when it goes.
class ScopedLocale {
public:
    explicit ScopedLocale(const char* name);
    ~ScopedLocale();
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;

    // Empty when the switch took effect.
    const std::string& Problem() const { return problem_; }

private:
    std::string previousC_;
    std::locale previousCpp_;
    bool hadLocPath_ = false;
    std::string previousLocPath_;
    std::string problem_;
};
