// Linked into every test program. Under a locale run of ctest, TEST_LOCALE says how
// a desktop names its locale ("LC_ALL=de_DE.UTF-8", "LANG=tr_TR.UTF-8"): the test
// process and every program it starts take that locale from the environment, and
// every test fails when the locale is not in effect.
#include "ScopedLocale.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

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

// Only the one variable names the locale: the LC_ variables of the environment
// that ctest was started in are taken away.
void nameLocale(const std::string& variable, const std::string& name)
{
    std::vector<std::string> lcVariables;
    for (char** e = environ; *e; ++e) {
        const std::string entry(*e);
        if (entry.rfind("LC_", 0) == 0) lcVariables.push_back(entry.substr(0, entry.find('=')));
    }
    for (const std::string& v : lcVariables) ::unsetenv(v.c_str());
    ::setenv("LOCPATH", TEST_LOCALE_DIR, 1);
    ::setenv(variable.c_str(), name.c_str(), 1);
}

const bool registered = [] {
    const char* setting = std::getenv("TEST_LOCALE");
    if (!setting || !*setting) return false;
    const std::string text(setting);
    const auto equals = text.find('=');
    const std::string variable = equals == std::string::npos ? "LC_ALL" : text.substr(0, equals);
    const std::string name = equals == std::string::npos ? text : text.substr(equals + 1);
    nameLocale(variable, name);
    ::testing::AddGlobalTestEnvironment(new LocaleRun(name));
    return true;
}();

}  // namespace
