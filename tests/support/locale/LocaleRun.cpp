// Linked into every test program. Under a locale run of ctest (TEST_LOCALE names
// one of the test locales), the test process and every program it starts take
// that locale from the environment as on a desktop that sets it, and every test
// fails when the locale is not in effect.
#include "ScopedLocale.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

namespace {

class LocaleRun : public ::testing::Environment {
public:
    explicit LocaleRun(std::string name) : name_(std::move(name)) {}

    void SetUp() override
    {
        // What a Qt application does at start-up; the tests without one need it here.
        std::setlocale(LC_ALL, "");
        // Not fatal: a fatal failure here would have the tests reported as skipped.
        EXPECT_EQ(LocaleProblem(name_.c_str()), "");
    }

private:
    std::string name_;
};

const bool registered = [] {
    const char* name = std::getenv("TEST_LOCALE");
    if (!name || !*name) return false;
    ::setenv("LOCPATH", TEST_LOCALE_DIR, 1);
    ::setenv("LC_ALL", name, 1);
    ::testing::AddGlobalTestEnvironment(new LocaleRun(name));
    return true;
}();

}  // namespace
