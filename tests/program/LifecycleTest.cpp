// The main window's load, its menus and toolbar, the user settings it restores
// and writes, the ways out, and the recent-file list.
#include "AsNobody.h"
#include "ProgramFixture.h"
#include "UserSettings.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include <functional>
#include <optional>
#include <unistd.h>

namespace {

// A failing case is told by its name.
template <typename Case>
    requires requires(const Case& c) { c.name; }
void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

const QStringList SixKeys = {"CommPort", "InitDir", "FileName1", "FileName2", "FileName3", "FileName4"};

class LifecycleTest : public ProgramFixture {
protected:
    QAction* Action(const QString& name) const { return form->findChild<QAction*>(name); }
    QMenu* FileMenu() const { return form->findChild<QMenu*>(QStringLiteral("Menu_File")); }

    // The File menu as the user sees it: each visible item's caption, "-" for a separator.
    QStringList VisibleFileMenu() const
    {
        QStringList items;
        for (QAction* a : FileMenu()->actions())
            if (a->isVisible()) items << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return items;
    }
};

TEST_F(LifecycleTest, TheWindowLoadsWithItsEditorsOffAndTheDefaultModemRow)
{
    ASSERT_TRUE(Load());
    EXPECT_TRUE(prompt.Boxes().isEmpty());
    EXPECT_FALSE(form->Busy());
    EXPECT_FALSE(form->VellModem1->Working());
    for (const char* name : {"TransFreq", "RXFreq", "PTTTime", "TXDelay", "RSSI", "ACharDef1", "APackDef1",
                             "AHandXON", "BCharDef1", "EnablePortB", "SIDON", "SupOff", "CPTTData", "WriteTxOn",
                             "TXFreqAdjust", "AutoRSSI", "PowAdjust", "DXLabel", "TransFrame", "Reciever"}) {
        SCOPED_TRACE(name);
        QWidget* w = Find<QWidget>(QString::fromLatin1(name));
        ASSERT_NE(w, nullptr);
        EXPECT_FALSE(w->isEnabled());
    }
    const std::pair<const char*, const char*> labels[] = {
        {"DXLabel", "Modem is Half Duplex"},      {"DiagLabel", "Diagnostic Disabled"},
        {"TXRadioType", "TX Radio Type: None"},   {"RXRadioTYpe", "RX Radio Type: None"},
        {"TXSerial", "------"},                   {"RXSerial", "------"},
        {"ADefLabel1", "9600,N,8,1"},             {"ADefLabel2", "4800,N,8,1"},
        {"BDefLabel1", "9600,N,8,1"},             {"BDefLabel2", "4800,N,8,1"},
        {"APackDefLabel1", "Timer Ends Frame"},   {"APackDefLabel2", "CR Ends Frame"},
        {"BPackDefLabel1", "Timer Ends Frame"},   {"BPackDefLabel2", "CR Ends Frame"},
    };
    for (const auto& [name, text] : labels) EXPECT_EQ(Find<QLabel>(QString::fromLatin1(name))->text(), text) << name;
    // 11910 x 8970 twips at 15 twips a pixel, and no resizing.
    EXPECT_EQ(form->size(), QSize(794, 598));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    // Loading reads the settings and writes none.
    for (const QString& key : SixKeys) EXPECT_TRUE(StartUp(key).isNull()) << key.toStdString();
}

TEST_F(LifecycleTest, MenusAndToolbarCarryTheirCaptionsKeysAndTips)
{
    ASSERT_TRUE(Load());
    const struct {
        const char* name;
        const char* caption;
        const char* shortcut;
    } items[] = {
        {"Menu_Open", "&Open File", "Ctrl+O"}, {"Menu_Save", "&Save File", "Ctrl+S"},
        {"Menu_Print", "&Print", "Ctrl+P"},    {"Menu_Quit", "E&xit", "Ctrl+X"},
        {"Menu_Read", "&Read Radio", "Ctrl+R"}, {"Menu_Write", "&Write Radio", "Ctrl+W"},
        {"Menu_Wizard", "&Start Wizard", "Ctrl+I"}, {"Menu_About", "&About", "Ctrl+A"},
    };
    for (const auto& item : items) {
        SCOPED_TRACE(item.name);
        QAction* a = Action(QString::fromLatin1(item.name));
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(), item.caption);
        EXPECT_EQ(a->shortcut(), QKeySequence(QString::fromLatin1(item.shortcut)));
    }
    QStringList menus;
    for (QAction* a : form->menuBar()->actions()) menus << a->text();
    EXPECT_EQ(menus, (QStringList{"&File", "&Radio", "&Wizard", "&Comm Ports", "&Help"}));

    const struct {
        const char* key;
        const char* caption;
        QStringList texts;
        bool enabledAtLoad;
    } buttons[] = {
        {"TOpen", "Open", {"Open Old Setting"}, true},
        {"TSave", "Save", {"Save Settings"}, false},
        {"TRRadio", "Read Radio", {"Read Setting From Radio"}, true},
        {"TWizard", "Wizard", {"Orvane Setup Wizard", "Default Template"}, false},
        {"TWRadio", "Write Radio", {"Write Setting To Radio"}, false},
        {"TPrint", "Print", {"Print Current Setting"}, false},
        {"TQuit", "Quit", {"Quit Program", "Exit Program"}, true},
    };
    QStringList order;
    for (QAction* a : form->Toolbar1->actions()) order << a->objectName();
    EXPECT_EQ(order, (QStringList{"TOpen", "TSave", "TRRadio", "TWizard", "TWRadio", "TPrint", "TQuit"}));
    for (const auto& b : buttons) {
        SCOPED_TRACE(b.key);
        QAction* a = form->Toolbar1->findChild<QAction*>(QString::fromLatin1(b.key));
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(), b.caption);
        EXPECT_EQ(a->isEnabled(), b.enabledAtLoad);
        QStringList shown{a->toolTip(), a->statusTip()};
        shown.removeDuplicates();
        shown.sort();
        QStringList expected = b.texts;
        expected.sort();
        EXPECT_EQ(shown, expected);
    }
}

TEST_F(LifecycleTest, MaximisingIsUndoneAndMinimisingIsAllowed)
{
    ASSERT_TRUE(Load());
    form->show();
    // The designed size is the outer one, frame included.
    EXPECT_EQ(form->frameGeometry().size(), QSize(794, 598));
    form->setWindowState(Qt::WindowMaximized);
    EXPECT_FALSE(form->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(form->frameGeometry().size(), QSize(794, 598));
    form->setWindowState(Qt::WindowMinimized);
    EXPECT_TRUE(form->windowState() & Qt::WindowMinimized);
    form->setWindowState(Qt::WindowNoState);
    form->resize(1000, 900);
    EXPECT_EQ(form->frameGeometry().size(), QSize(794, 598));
}

struct RestoreCase {
    const char* name;
    std::optional<QString> saved;
    bool portFound;
    int port;
};

class SavedPortTest : public LifecycleTest, public ::testing::WithParamInterface<RestoreCase> {};

TEST_P(SavedPortTest, TheSavedPortIsAppliedWhenItIsANumberFrom1To16)
{
    const RestoreCase& c = GetParam();
    if (c.saved) SaveStartUp(QStringLiteral("CommPort"), *c.saved);
    if (c.portFound) AttachTerminal(2);
    ASSERT_TRUE(Load());
    EXPECT_EQ(form->VellModem1->CommPort(), c.port);
    for (int i = 1; i <= 16; ++i) EXPECT_EQ(form->Menu_Comm[i]->isChecked(), i == c.port) << i;
    EXPECT_EQ(form->Menu_Comm[2]->isVisible(), c.portFound);
    EXPECT_EQ(form->Menu_Comm[0]->isVisible(), !c.portFound);
    EXPECT_TRUE(prompt.Boxes().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Saved, SavedPortTest,
                         ::testing::Values(RestoreCase{"Absent", std::nullopt, true, 1},
                                           RestoreCase{"FoundPort", QStringLiteral("2"), true, 2},
                                           RestoreCase{"PortNotFoundByTheProbe", QStringLiteral("5"), true, 5},
                                           RestoreCase{"Sixteen", QStringLiteral("16"), true, 16},
                                           RestoreCase{"Zero", QStringLiteral("0"), true, 1},
                                           RestoreCase{"Seventeen", QStringLiteral("17"), true, 1},
                                           RestoreCase{"Negative", QStringLiteral("-3"), true, 1},
                                           RestoreCase{"Huge", QStringLiteral("99999"), true, 1},
                                           RestoreCase{"Letters", QStringLiteral("abc"), true, 1},
                                           RestoreCase{"Empty", QString(), true, 1},
                                           RestoreCase{"NoPortAtAll", QStringLiteral("5"), false, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LifecycleTest, SettingsAreRestoredAtLoad)
{
    AttachTerminal(9);
    SaveStartUp(QStringLiteral("CommPort"), QStringLiteral("9"));
    SaveStartUp(QStringLiteral("InitDir"), QStringLiteral("/home/tech/configs"));
    SaveStartUp(QStringLiteral("FileName1"), QStringLiteral("/home/tech/configs/north"));
    SaveStartUp(QStringLiteral("FileName2"), QStringLiteral("/home/tech/configs/south"));
    SaveStartUp(QStringLiteral("FileName3"), QStringLiteral("/home/tech/old/east"));
    SaveStartUp(QStringLiteral("FileName4"), QStringLiteral("1"));
    ASSERT_TRUE(Load());
    EXPECT_EQ(form->VellModem1->CommPort(), 9);
    EXPECT_EQ(form->GetInitDir(), "/home/tech/configs");
    EXPECT_EQ(form->RecentFile(1), "/home/tech/configs/north");
    EXPECT_EQ(form->RecentFile(2), "/home/tech/configs/south");
    EXPECT_EQ(form->RecentFile(3), "/home/tech/old/east");
    EXPECT_EQ(form->RecentFile(4), "1");
    EXPECT_EQ(VisibleFileMenu(), (QStringList{"&Open File", "&Save File", "-", "&Print", "-", "E&xit", "-",
                                              "&1. north", "&2. south", "&3. east"}));
}

enum class Way { MenuQuit, ToolbarQuit, CloseWindow, ToolbarKey };

struct QuitCase {
    const char* name;
    Way way;
    MsgResult answer;
};

class QuitTest : public LifecycleTest, public ::testing::WithParamInterface<QuitCase> {};

TEST_P(QuitTest, TheSixKeysAreWrittenOnAConfirmedQuitOnly)
{
    const QuitCase& c = GetParam();
    SaveStartUp(QStringLiteral("InitDir"), QStringLiteral("/srv/configs"));
    ASSERT_TRUE(Load());
    form->show();
    form->Menu_Comm_Click(4);
    form->AddOldFileList(QStringLiteral("/srv/configs/site-a"));
    form->AddOldFileList(QStringLiteral("/srv/configs/site-b"));
    form->VellModem1->setPortOpen(true);
    prompt.Answer(c.answer);

    switch (c.way) {
    case Way::MenuQuit: Action(QStringLiteral("Menu_Quit"))->trigger(); break;
    case Way::ToolbarQuit: form->Toolbar1->findChild<QAction*>(QStringLiteral("TQuit"))->trigger(); break;
    case Way::CloseWindow: form->close(); break;
    case Way::ToolbarKey: form->Toolbar1_ButtonClick(QStringLiteral("TQuit")); break;
    }

    ASSERT_EQ(prompt.Boxes().size(), 1);
    EXPECT_EQ(prompt.Boxes()[0].Text, "Are you sure you want to exit program?");
    EXPECT_EQ(prompt.Boxes()[0].Title, "Quit Halvex Programmer");
    EXPECT_EQ(prompt.Boxes()[0].Buttons, MsgButtons::OKCancel);
    if (c.answer == MsgResult::OK) {
        EXPECT_EQ(ends, QList<int>{0});
        EXPECT_FALSE(form->VellModem1->PortOpen());
        EXPECT_EQ(StartUp(QStringLiteral("CommPort")), "4");
        EXPECT_EQ(StartUp(QStringLiteral("InitDir")), "/srv/configs");
        EXPECT_EQ(StartUp(QStringLiteral("FileName1")), "/srv/configs/site-b");
        EXPECT_EQ(StartUp(QStringLiteral("FileName2")), "/srv/configs/site-a");
        EXPECT_EQ(StartUp(QStringLiteral("FileName3")), "1");
        EXPECT_EQ(StartUp(QStringLiteral("FileName4")), "1");
    } else {
        EXPECT_TRUE(ends.isEmpty());
        EXPECT_TRUE(form->isVisible());
        EXPECT_TRUE(form->VellModem1->PortOpen());
        for (const QString& key : SixKeys) {
            if (key == "InitDir") continue;
            EXPECT_TRUE(StartUp(key).isNull()) << key.toStdString();
        }
        // A second, confirmed quit still works.
        prompt.Answer(MsgResult::OK);
        form->Menu_Quit_Click();
        EXPECT_EQ(ends, QList<int>{0});
        EXPECT_EQ(StartUp(QStringLiteral("CommPort")), "4");
    }
}

INSTANTIATE_TEST_SUITE_P(Ways, QuitTest,
                         ::testing::Values(QuitCase{"MenuOK", Way::MenuQuit, MsgResult::OK},
                                           QuitCase{"MenuCancel", Way::MenuQuit, MsgResult::Cancel},
                                           QuitCase{"ToolbarOK", Way::ToolbarQuit, MsgResult::OK},
                                           QuitCase{"ToolbarCancel", Way::ToolbarQuit, MsgResult::Cancel},
                                           QuitCase{"ButtonKeyOK", Way::ToolbarKey, MsgResult::OK},
                                           QuitCase{"ButtonKeyCancel", Way::ToolbarKey, MsgResult::Cancel},
                                           QuitCase{"CloseOK", Way::CloseWindow, MsgResult::OK},
                                           QuitCase{"CloseCancel", Way::CloseWindow, MsgResult::Cancel}),
                         [](const auto& info) { return std::string(info.param.name); });

namespace {

// Points the user's settings at another config folder while it lives, as XDG_CONFIG_HOME would.
class ConfigHome {
public:
    explicit ConfigHome(const QString& path)
        : before_(QFileInfo(QFileInfo(UserSettings::FileName()).path()).path())
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path);
    }
    ~ConfigHome() { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, before_); }
    ConfigHome(const ConfigHome&) = delete;
    ConfigHome& operator=(const ConfigHome&) = delete;

private:
    QString before_;
};

bool chownTree(const QString& path)
{
    bool done = ::chown(QFile::encodeName(path).constData(), AsNobody::User, AsNobody::Group) == 0;
    for (const QFileInfo& entry : QDir(path).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
        done &= entry.isDir() && !entry.isSymLink() ? chownTree(entry.filePath())
                                                    : ::chown(QFile::encodeName(entry.filePath()).constData(),
                                                              AsNobody::User, AsNobody::Group) == 0;
    return done;
}

struct UnwritableCase {
    const char* name;
    // Sets up the config folder "home" inside root; returns what XDG_CONFIG_HOME names.
    std::function<QString(const QString& root)> prepare;
    // Mode bits stop only a user that is not root: the quit then runs as "nobody".
    bool byMode;
};

}  // namespace

TEST_F(LifecycleTest, SettingsThatCannotBeWrittenAtQuitAreReportedAndTheProgramStillEnds)
{
    const QString conf = QStringLiteral("/ZenvoProgrammer/ZenvoProgrammer.conf");
    auto writeFile = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write("[StartUp]\nCommPort=2\n") > 0;
    };
    const UnwritableCase cases[] = {
        {"the config folder is a file",
         [&](const QString& root) {
             const QString home = root + QStringLiteral("/home");
             EXPECT_TRUE(writeFile(home));
             return home;
         },
         false},
        {"the settings file is a folder",
         [&](const QString& root) {
             const QString home = root + QStringLiteral("/home");
             EXPECT_TRUE(QDir().mkpath(home + conf));
             return home;
         },
         false},
        {"a read-only settings file",
         [&](const QString& root) {
             const QString home = root + QStringLiteral("/home");
             EXPECT_TRUE(QDir().mkpath(home + QStringLiteral("/ZenvoProgrammer")));
             EXPECT_TRUE(writeFile(home + conf));
             EXPECT_TRUE(QFile::setPermissions(home + conf, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
             return home;
         },
         true},
        {"a read-only settings folder",
         [&](const QString& root) {
             const QString home = root + QStringLiteral("/home");
             EXPECT_TRUE(QDir().mkpath(home + QStringLiteral("/ZenvoProgrammer")));
             EXPECT_TRUE(writeFile(home + conf));
             EXPECT_TRUE(QFile::setPermissions(home + QStringLiteral("/ZenvoProgrammer"),
                                               QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
             return home;
         },
         true},
        {"a read-only config folder without settings",
         [&](const QString& root) {
             const QString home = root + QStringLiteral("/home");
             EXPECT_TRUE(QDir().mkpath(home));
             EXPECT_TRUE(QFile::setPermissions(home, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                                         QFile::ExeOther));
             return home;
         },
         true},
    };
    for (const UnwritableCase& c : cases) {
        SCOPED_TRACE(c.name);
        ends.clear();
        prompt.Clear();
        ASSERT_TRUE(Load());
        form->Menu_Comm_Click(4);
        form->AddOldFileList(QStringLiteral("/srv/configs/site-a"));

        QTemporaryDir root;
        ASSERT_TRUE(QFile::setPermissions(root.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                           QFile::ReadOther | QFile::ExeOther));
        const QString home = c.prepare(root.path());
        ConfigHome moved(home);
        const QString file = UserSettings::FileName();
        ASSERT_EQ(file, home + conf);
        const bool asRoot = ::geteuid() == 0;
        if (c.byMode && asRoot) {
            ASSERT_TRUE(chownTree(home));
        }
        prompt.Answer(MsgResult::OK);
        {
            std::optional<AsNobody> nobody;
            if (c.byMode) nobody.emplace();
            ASSERT_EQ(c.byMode && nobody->Active(), c.byMode && asRoot);
            form->Menu_Quit_Click();
        }

        EXPECT_EQ(ends, QList<int>{0}) << "the program ends as before";
        ASSERT_EQ(prompt.Boxes().size(), 2) << prompt.Texts().join('|').toStdString();
        const auto& box = prompt.Boxes()[1];
        EXPECT_EQ(box.Title, QStringLiteral("Error Occured"));
        EXPECT_EQ(box.Icon, MsgIcon::Critical);
        EXPECT_EQ(box.Buttons, MsgButtons::OK);
        EXPECT_EQ(box.Text, QStringLiteral("The settings could not be written to the file '%1': the serial port, the "
                                           "folder and the recent files of this session were not saved.")
                                .arg(file));
        QFile::setPermissions(home, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::setPermissions(home + QStringLiteral("/ZenvoProgrammer"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

TEST_F(LifecycleTest, AWindowDestroyedWithoutAQuitWritesNothing)
{
    ASSERT_TRUE(Load());
    form->Menu_Comm_Click(3);
    form->AddOldFileList(QStringLiteral("/srv/configs/site-a"));
    form.reset();
    for (const QString& key : SixKeys) EXPECT_TRUE(StartUp(key).isNull()) << key.toStdString();
    EXPECT_TRUE(ends.isEmpty());
}

struct RecentCase {
    const char* name;
    // FileName1 to FileName4 as saved; empty: not saved.
    QStringList saved;
    QStringList added;
    QStringList entries;
    // The File menu after "E&xit".
    QStringList tail;
};

class RecentFilesTest : public LifecycleTest, public ::testing::WithParamInterface<RecentCase> {};

TEST_P(RecentFilesTest, TheListAndItsMenuItems)
{
    const RecentCase& c = GetParam();
    for (int i = 0; i < c.saved.size(); ++i) SaveStartUp(QStringLiteral("FileName%1").arg(i + 1), c.saved[i]);
    ASSERT_TRUE(Load());
    for (const QString& path : c.added) form->AddOldFileList(path);
    QStringList entries;
    for (int i = 1; i <= 4; ++i) entries << form->RecentFile(i);
    EXPECT_EQ(entries, c.entries);
    const QStringList menu = VisibleFileMenu();
    const QStringList head{"&Open File", "&Save File", "-", "&Print", "-", "E&xit"};
    ASSERT_GE(menu.size(), head.size());
    EXPECT_EQ(menu.mid(0, head.size()), head);
    EXPECT_EQ(menu.mid(head.size()), c.tail);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, RecentFilesTest,
    ::testing::Values(
        RecentCase{"NoneSaved", {}, {}, {"1", "1", "1", "1"}, {}},
        RecentCase{"OnePath", {}, {"/srv/a/north"}, {"/srv/a/north", "1", "1", "1"}, {"-", "&1. north"}},
        RecentCase{"SamePathTwice",
                   {},
                   {"/srv/a/north", "/srv/a/north"},
                   {"/srv/a/north", "1", "1", "1"},
                   {"-", "&1. north"}},
        RecentCase{"OlderEntryMovesToTop",
                   {},
                   {"/srv/a", "/srv/b", "/srv/c", "/srv/a"},
                   {"/srv/a", "/srv/c", "/srv/b", "1"},
                   {"-", "&1. a", "&2. c", "&3. b"}},
        RecentCase{"OldestOfFourMovesToTop",
                   {},
                   {"/srv/a", "/srv/b", "/srv/c", "/srv/d", "/srv/a"},
                   {"/srv/a", "/srv/d", "/srv/c", "/srv/b"},
                   {"-", "&1. a", "&2. d", "&3. c", "&4. b"}},
        RecentCase{"MiddleEntryMovesToTop",
                   {},
                   {"/srv/a", "/srv/b", "/srv/c", "/srv/d", "/srv/c"},
                   {"/srv/c", "/srv/d", "/srv/b", "/srv/a"},
                   {"-", "&1. c", "&2. d", "&3. b", "&4. a"}},
        RecentCase{"CaseDifferentPathsAreTwoEntries",
                   {},
                   {"/srv/Site", "/srv/site"},
                   {"/srv/site", "/srv/Site", "1", "1"},
                   {"-", "&1. site", "&2. Site"}},
        RecentCase{"FifthPathDropsTheOldest",
                   {},
                   {"/srv/a", "/srv/b", "/srv/c", "/srv/d", "/srv/e"},
                   {"/srv/e", "/srv/d", "/srv/c", "/srv/b"},
                   {"-", "&1. e", "&2. d", "&3. c", "&4. b"}},
        // "&&" shows one "&": the name stands as it is, with no access key of its own.
        RecentCase{"AnAmpersandInANameIsShownAsItIs",
                   {},
                   {"/srv/a&b", "/srv/R&&D"},
                   {"/srv/R&&D", "/srv/a&b", "1", "1"},
                   {"-", "&1. R&&&&D", "&2. a&&b"}},
        RecentCase{"SavedListGainsAPath",
                   {"/srv/a", "/srv/b", "/srv/c", "/srv/d"},
                   {"/srv/x/y.z/new"},
                   {"/srv/x/y.z/new", "/srv/a", "/srv/b", "/srv/c"},
                   {"-", "&1. new", "&2. a", "&3. b", "&4. c"}},
        RecentCase{"GapsInTheSavedList",
                   {"/srv/a", "1", "/srv/c", "1"},
                   {},
                   {"/srv/a", "1", "/srv/c", "1"},
                   {"-", "&1. a", "&3. c"}},
        RecentCase{"SeparatorFollowsTheFirstEntryAlone",
                   {"1", "/srv/b", "1", "/srv/d"},
                   {},
                   {"1", "/srv/b", "1", "/srv/d"},
                   {"&2. b", "&4. d"}},
        RecentCase{"EmptiedEntriesAreUnused",
                   {"/srv/a", "", "/srv/c", ""},
                   {},
                   {"/srv/a", "1", "/srv/c", "1"},
                   {"-", "&1. a", "&3. c"}},
        RecentCase{"AnEmptiedFirstEntryHasNoSeparator",
                   {"", "/srv/b", " ", "1"},
                   {},
                   {"1", "/srv/b", "1", "1"},
                   {"&2. b"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
