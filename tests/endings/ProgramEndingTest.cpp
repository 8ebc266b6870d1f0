// The program itself, ended by the desktop while it starts: during the splash
// and while the regulatory warning waits on the user, it ends as Quit ends it,
// within seconds, its settings written.
#include "EndingSupport.h"

#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <pthread.h>
#include <unistd.h>

#ifndef PROGRAM_PATH
#error "PROGRAM_PATH must name the program"
#endif

namespace {

struct Moment {
    const char* name;
    int afterMs;  // from the start; the splash stays 3 s
};
void PrintTo(const Moment& m, std::ostream* out) { *out << m.name; }

// The program itself with the settings in the folder, the ending signals as a
// desktop leaves them.
void startProgram(QProcess& program, const QTemporaryDir& config)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    program.setChildProcessModifier([] {
        sigset_t none;
        sigemptyset(&none);
        pthread_sigmask(SIG_SETMASK, &none, nullptr);
        std::signal(SIGTERM, SIG_DFL);
    });
    program.start(QStringLiteral(PROGRAM_PATH), {});
}

class ProgramStartEndingTest : public ::testing::TestWithParam<Moment> {};

TEST_P(ProgramStartEndingTest, TheProgramEndsAsItsQuitDoes)
{
    QTemporaryDir config;
    QProcess program;
    startProgram(program, config);
    ASSERT_TRUE(program.waitForStarted());
    QThread::msleep(GetParam().afterMs);
    ASSERT_EQ(program.state(), QProcess::Running) << program.readAllStandardError().toStdString();
    QElapsedTimer sinceSent;
    sinceSent.start();
    ::kill(pid_t(program.processId()), SIGTERM);
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_LT(sinceSent.elapsed(), 3000);
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 128 + SIGTERM) << program.readAllStandardError().toStdString();
    const QSettings settings(config.filePath(QStringLiteral("ZenvoProgrammer/ZenvoProgrammer.conf")),
                             QSettings::IniFormat);
    EXPECT_EQ(settings.value(QStringLiteral("StartUp/CommPort")).toString(), "1");
    EXPECT_EQ(settings.value(QStringLiteral("StartUp/FileName1")).toString(), "1");
}

const Moment moments[] = {{"DuringTheSplash", 1500}, {"AtTheWarning", 5500}};

INSTANTIATE_TEST_SUITE_P(WhileStarting, ProgramStartEndingTest, ::testing::ValuesIn(moments),
                         [](const ::testing::TestParamInfo<Moment>& info) { return std::string(info.param.name); });

// Settings that cannot be written: ended from outside, the program says so on its
// standard error rather than in a box that nobody answers.
TEST(ProgramEndingUnsaved, OneSignalEndsTheProgramAndTheMessageGoesToStandardError)
{
    QTemporaryDir config;
    ASSERT_TRUE(QDir(config.path()).mkpath(QStringLiteral("ZenvoProgrammer/ZenvoProgrammer.conf")));
    QProcess program;
    startProgram(program, config);
    ASSERT_TRUE(program.waitForStarted());
    QThread::msleep(5500);
    ASSERT_EQ(program.state(), QProcess::Running) << program.readAllStandardError().toStdString();
    QElapsedTimer sinceSent;
    sinceSent.start();
    ::kill(pid_t(program.processId()), SIGTERM);
    const bool ended = program.waitForFinished(5000);
    if (!ended) program.kill(), program.waitForFinished();
    ASSERT_TRUE(ended) << "still waiting 5 s after the signal";
    EXPECT_EQ(program.exitCode(), 128 + SIGTERM);
    const QString errors = QString::fromUtf8(program.readAllStandardError());
    EXPECT_TRUE(errors.contains(QStringLiteral("The settings could not be written to the file '%1'")
                                    .arg(config.filePath(QStringLiteral("ZenvoProgrammer/ZenvoProgrammer.conf")))))
        << errors.toStdString();
}

// A reader of the program's standard error that has gone (a closed terminal, a
// harness that died): the messages are lost, the program goes on.
TEST(ProgramEndingPipe, AStandardErrorNobodyReadsDoesNotEndTheProgram)
{
    QTemporaryDir config;
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    ::close(fds[0]);
    QProcess probe;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    environment.insert(QStringLiteral("XDG_STATE_HOME"), config.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    probe.setProcessEnvironment(environment);
    const int brokenPipe = fds[1];
    probe.setChildProcessModifier([brokenPipe] {
        std::signal(SIGPIPE, SIG_DFL);
        ::dup2(brokenPipe, STDERR_FILENO);
    });
    // Each open of a missing file writes its box to the standard error.
    const QString missing = config.filePath(QStringLiteral("missing.mdb"));
    probe.start(QStringLiteral(PROBE_PATH), {QStringLiteral("open"), missing, QStringLiteral("open"), missing});
    ASSERT_TRUE(probe.waitForFinished(20000));
    ::close(fds[1]);
    EXPECT_EQ(probe.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(probe.exitCode(), 0);
}

}  // namespace
