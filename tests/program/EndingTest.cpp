// The Quit without its question that the desktop's ending signals ask for:
// whatever waits on the user is answered as its close box would, what talks to
// the modem ends first, and the program then ends as Quit ends it, its settings
// written.
#include "EndSignals.h"
#include "ProgramFixture.h"
#include "StartModule.h"
#include "WaitScreen.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QTimer>

#include <csignal>

namespace {

constexpr int Code = 128 + SIGTERM;

class EndingTest : public ProgramFixture {
protected:
    // The real message boxes and file dialogs, as the user sees them.
    EndingTest()
    {
        seams.prompt = nullptr;
        seams.files = nullptr;
    }

    // Runs the event loop until the program has ended, at most the time given.
    bool EndedWithin(int ms)
    {
        QElapsedTimer timer;
        timer.start();
        while (ends.isEmpty() && timer.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 20);
        return !ends.isEmpty();
    }
};

// Each waits on the user until answered; the answer it got, where it gives one.
struct Waiting {
    const char* name;
    std::function<QString(MainForm&)> wait;
    const char* answer;
};
void PrintTo(const Waiting& w, std::ostream* out) { *out << w.name; }

QString named(MsgResult result)
{
    switch (result) {
    case MsgResult::OK: return QStringLiteral("OK");
    case MsgResult::Cancel: return QStringLiteral("Cancel");
    case MsgResult::Yes: return QStringLiteral("Yes");
    case MsgResult::No: return QStringLiteral("No");
    case MsgResult::Retry: return QStringLiteral("Retry");
    }
    return QString();
}

QString box(MainForm& form, MsgButtons buttons)
{
    return named(form.MessagePrompt().Show(QStringLiteral("Go on?"), QStringLiteral("Title"), buttons, MsgIcon::None));
}

const Waiting waitings[] = {
    {"QuitQuestion", [](MainForm& f) { return f.Menu_Quit_Click(), QString(); }, ""},
    {"OkBox", [](MainForm& f) { return box(f, MsgButtons::OK); }, "OK"},
    {"OkCancelBox", [](MainForm& f) { return box(f, MsgButtons::OKCancel); }, "Cancel"},
    {"YesNoBox", [](MainForm& f) { return box(f, MsgButtons::YesNo); }, "No"},
    {"YesNoCancelBox", [](MainForm& f) { return box(f, MsgButtons::YesNoCancel); }, "Cancel"},
    {"RetryCancelBox", [](MainForm& f) { return box(f, MsgButtons::RetryCancel); }, "Cancel"},
    {"AboutBox", [](MainForm& f) { return f.Menu_About_Click(), QString(); }, ""},
    {"OpenDialog",
     [](MainForm& f) {
         f.Menu_Open_Click();
         return f.FromFile ? QStringLiteral("opened") : QString();
     },
     ""},
    {"FileMenu",
     [](MainForm& f) {
         QAction* chosen = f.findChild<QMenu*>(QStringLiteral("Menu_File"))->exec(QPoint(10, 10));
         return chosen ? chosen->objectName() : QString();
     },
     ""},
};

class EndWhileWaitingTest : public EndingTest, public ::testing::WithParamInterface<Waiting> {};

TEST_P(EndWhileWaitingTest, TheWindowIsAnsweredAndTheProgramEnds)
{
    ASSERT_TRUE(Load());
    form->show();
    QTimer::singleShot(300, form.get(), [this] { form->RequestQuit(Code); });
    QElapsedTimer timer;
    timer.start();
    const QString answer = GetParam().wait(*form);
    EXPECT_LT(timer.elapsed(), 5000) << "answered within seconds";
    EXPECT_EQ(answer.toStdString(), GetParam().answer);
    ASSERT_TRUE(EndedWithin(5000));
    EXPECT_EQ(ends, QList<int>{Code});
    EXPECT_EQ(StartUp(QStringLiteral("CommPort")), "1");
    EXPECT_EQ(StartUp(QStringLiteral("InitDir")), "1");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Each, EndWhileWaitingTest, ::testing::ValuesIn(waitings),
                         [](const ::testing::TestParamInfo<Waiting>& info) { return std::string(info.param.name); });

TEST_F(EndingTest, TheWaitWindowIsCancelled)
{
    ASSERT_TRUE(Load());
    WaitScreen screen(StartModule::ProgramTitle, form.get());
    QTimer::singleShot(300, form.get(), [this] { form->RequestQuit(Code); });
    QElapsedTimer timer;
    timer.start();
    EXPECT_TRUE(screen.ShowModal(port)) << "given up as by its Cancel";
    EXPECT_LT(timer.elapsed(), 5000);
    ASSERT_TRUE(EndedWithin(5000));
    EXPECT_EQ(ends, QList<int>{Code});
}

TEST_F(EndingTest, AModemOperationEndsFirst)
{
    ASSERT_TRUE(Load());
    form->setBusy(true);
    form->RequestQuit(Code);
    EXPECT_FALSE(EndedWithin(500));
    EXPECT_EQ(StartUp(QStringLiteral("CommPort")), QString()) << "nothing saved yet";
    form->setBusy(false);
    ASSERT_TRUE(EndedWithin(2000));
    EXPECT_EQ(ends, QList<int>{Code});
}

TEST_F(EndingTest, ASignalEndsTheProgramThroughTheEventLoop)
{
    EndSignals endSignals;
    seams.endSignals = &endSignals;
    ASSERT_TRUE(Load());
    std::raise(SIGHUP);
    EXPECT_TRUE(ends.isEmpty()) << "nothing runs inside the handler";
    ASSERT_TRUE(EndedWithin(2000));
    EXPECT_EQ(ends, QList<int>{128 + SIGHUP});
    EXPECT_EQ(StartUp(QStringLiteral("CommPort")), "1");
}

TEST_F(EndingTest, ASignalDuringStartUpEndsTheProgramOnceLoaded)
{
    EndSignals endSignals;
    std::raise(SIGTERM);
    QApplication::processEvents();
    seams.endSignals = &endSignals;
    ASSERT_TRUE(Load());
    ASSERT_TRUE(EndedWithin(2000));
    EXPECT_EQ(ends, QList<int>{Code});
}

// The signal plumbing alone.
int lastCaught = 0;
void catchIt(int signal) { lastCaught = signal; }

TEST(EndSignalsTest, TheSignalsComeThroughTheLoopAndAreGivenBackAsFound)
{
    struct sigaction mine {};
    mine.sa_handler = catchIt;
    sigemptyset(&mine.sa_mask);
    struct sigaction before {};
    ASSERT_EQ(::sigaction(SIGINT, &mine, &before), 0);
    {
        EndSignals endSignals;
        QList<int> ended;
        endSignals.Ended = [&](int signal) { ended << signal; };
        EXPECT_EQ(EndSignals::Received(), 0);
        std::raise(SIGINT);
        std::raise(SIGQUIT);
        EXPECT_EQ(EndSignals::Received(), SIGINT);
        EXPECT_TRUE(ended.isEmpty());
        QElapsedTimer timer;
        timer.start();
        while (ended.size() < 2 && timer.elapsed() < 2000) QApplication::processEvents(QEventLoop::AllEvents, 20);
        EXPECT_EQ(ended, (QList<int>{SIGINT, SIGQUIT}));
        EXPECT_EQ(lastCaught, 0);
    }
    std::raise(SIGINT);
    EXPECT_EQ(lastCaught, SIGINT) << "the handler found is back";
    ::sigaction(SIGINT, &before, nullptr);
}

TEST(EndSignalsTest, ASignalIgnoredAtStartStaysIgnored)
{
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    struct sigaction before {};
    ASSERT_EQ(::sigaction(SIGHUP, &ignore, &before), 0);
    {
        EndSignals endSignals;
        bool ended = false;
        endSignals.Ended = [&](int) { ended = true; };
        std::raise(SIGHUP);
        QApplication::processEvents();
        EXPECT_EQ(EndSignals::Received(), 0);
        EXPECT_FALSE(ended);
        struct sigaction now {};
        ::sigaction(SIGHUP, nullptr, &now);
        EXPECT_EQ(now.sa_handler, SIG_IGN);
    }
    ::sigaction(SIGHUP, &before, nullptr);
}

}  // namespace
