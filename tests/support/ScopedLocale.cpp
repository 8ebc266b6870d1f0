#include "ScopedLocale.h"

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <cwctype>
#include <stdexcept>

std::string LocaleProblem(const char* name)
{
    const char* numeric = std::setlocale(LC_NUMERIC, nullptr);
    if (!numeric || std::strcmp(numeric, name) != 0)
        return std::string("the C library's locale is ") + (numeric ? numeric : "(none)") + ", not " + name +
               " (LOCPATH " + (std::getenv("LOCPATH") ? std::getenv("LOCPATH") : "unset") + ")";
    const char* point = std::localeconv()->decimal_point;
    if (std::strcmp(point, ",") != 0) return std::string("the decimal point in ") + name + " is \"" + point + "\"";
    const bool turkish = std::strncmp(name, "tr_", 3) == 0;
    if (turkish && std::towupper(L'i') != L'\u0130') return std::string("i is not upper-cased to a dotted I in ") + name;
    return {};
}

ScopedLocale::ScopedLocale(const char* name)
{
    const char* c = std::setlocale(LC_ALL, nullptr);
    previousC_ = c ? c : "C";
    if (const char* path = std::getenv("LOCPATH")) {
        hadLocPath_ = true;
        previousLocPath_ = path;
    }
    ::setenv("LOCPATH", TEST_LOCALE_DIR, 1);
    try {
        previousCpp_ = std::locale::global(std::locale(name));
    } catch (const std::runtime_error& e) {
        problem_ = std::string(name) + " cannot be set: " + e.what() + " (made in " TEST_LOCALE_DIR "?)";
        return;
    }
    std::setlocale(LC_ALL, name);
    problem_ = LocaleProblem(name);
}

ScopedLocale::~ScopedLocale()
{
    if (hadLocPath_)
        ::setenv("LOCPATH", previousLocPath_.c_str(), 1);
    else
        ::unsetenv("LOCPATH");
    std::locale::global(previousCpp_);
    std::setlocale(LC_ALL, previousC_.c_str());
}
