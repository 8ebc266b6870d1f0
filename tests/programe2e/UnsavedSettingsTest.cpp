// The settings of a session that cannot be written at Quit: the user is told which
// file, and the program still ends. Only a regular file is ever written.
#include "ProgramProbe.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <functional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

mode_t typeOf(const QString& path)
{
    struct stat entry {};
    return ::lstat(QFile::encodeName(path).constData(), &entry) == 0 ? entry.st_mode & S_IFMT : 0;
}

// A socket's node, left in the folder after its descriptor is closed.
bool makeSocket(const QString& path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    if (fd < 0 || size_t(name.size()) >= sizeof address.sun_path) return false;
    std::copy(name.begin(), name.end(), address.sun_path);
    const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return bound;
}

struct SettingsCase {
    const char* name;
    // Makes what the settings file is; the type of node it leaves there.
    std::function<bool(const QString& file, const QString& folder)> make;
    mode_t left;
};

}  // namespace

TEST(UnsavedSettings, QuitNamesTheSettingsFileThatCannotBeWrittenAndEnds)
{
    const SettingsCase cases[] = {
        // A folder there stops every user, root too.
        {"a folder", [](const QString& file, const QString&) { return QDir().mkpath(file); }, S_IFDIR},
        {"a link to a socket",
         [](const QString& file, const QString& folder) {
             return makeSocket(folder + QStringLiteral("/socket")) && QFile::link(folder + QStringLiteral("/socket"), file);
         },
         S_IFSOCK},
        {"a link to a device like /dev/null",
         [](const QString& file, const QString& folder) {
             const QString node = folder + QStringLiteral("/null");
             return ::mknod(QFile::encodeName(node).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0 &&
                    QFile::link(node, file);
         },
         S_IFCHR},
    };
    for (const SettingsCase& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramProbe probe;
        const QString folder = probe.ConfigHome() + QStringLiteral("/ZenvoProgrammer");
        const QString file = folder + QStringLiteral("/ZenvoProgrammer.conf");
        ASSERT_TRUE(QDir().mkpath(folder));
        if (!c.make(file, folder)) {
            // Only root makes device nodes.
            EXPECT_NE(::getuid(), 0u);
            continue;
        }
        const QString node = QFileInfo(file).canonicalFilePath();
        const ProgramProbe::Result run = probe.Run({"quit"});
        ASSERT_TRUE(run.ended);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.boxes,
                  (QStringList{QStringLiteral("Quit Halvex Programmer|Are you sure you want to exit program?"),
                               QStringLiteral("Error Occured|The settings could not be written to the file '%1': the "
                                              "serial port, the folder and the recent files of this session were not "
                                              "saved.")
                                   .arg(file)}));
        EXPECT_EQ(typeOf(node), c.left) << "the node the settings file leads to stays";
        EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot).size(),
                  QFileInfo(file).isSymLink() ? 2 : 1)
            << "nothing was left beside it";
    }
}
