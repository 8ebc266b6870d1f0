#include "PortMap.h"

#include "LockFiles.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <fcntl.h>
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QStringList kFamilies{QStringLiteral("S"), QStringLiteral("USB"), QStringLiteral("ACM")};

struct DeviceName {
    QString name;
    int family;
    int number;
};

// The 8250 driver registers more ttyS nodes than there are UARTs; the empty
// ones report type 0 (unknown). Anything that cannot be checked is kept.
bool hasUart(const QString& path, const QString& name)
{
    QFile type(QStringLiteral("/sys/class/tty/%1/type").arg(name));
    if (type.open(QIODevice::ReadOnly)) {
        bool ok = false;
        const int value = type.readAll().trimmed().toInt(&ok);
        if (ok) return value != PORT_UNKNOWN;
    }
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return true;
    serial_struct info{};
    const bool unknown = ::ioctl(fd, TIOCGSERIAL, &info) == 0 && info.type == PORT_UNKNOWN;
    ::close(fd);
    return !unknown;
}

bool isCharDevice(const QString& path)
{
    struct stat st{};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISCHR(st.st_mode);
}

} // namespace

QString PortMap::DevicePath(int port)
{
    QSettings settings(QStringLiteral("ZenvoProgrammer"), QStringLiteral("ZenvoProgrammer"));
    return DevicePath(port, settings);
}

QString PortMap::DevicePath(int port, QSettings& settings, const QString& deviceDir)
{
    if (port < 1) return {};
    settings.beginGroup(QStringLiteral("Ports"));
    const QString chosen = settings.value(QStringLiteral("Port%1").arg(port)).toString().trimmed();
    settings.endGroup();
    if (!chosen.isEmpty()) return chosen;

    const QStringList devices = SystemDevices(deviceDir);
    return port <= devices.size() ? devices.at(port - 1) : QString();
}

QString PortMap::LockFolder()
{
    QSettings settings(QStringLiteral("ZenvoProgrammer"), QStringLiteral("ZenvoProgrammer"));
    return LockFolder(settings);
}

QString PortMap::LockFolder(QSettings& settings)
{
    const QString chosen = settings.value(QStringLiteral("Ports/LockFolder")).toString().trimmed();
    return chosen.isEmpty() ? LockFiles::DefaultFolder : chosen;
}

QStringList PortMap::SystemDevices(const QString& deviceDir)
{
    static const QRegularExpression pattern(QStringLiteral("^tty(S|USB|ACM)(\\d+)$"));
    const QDir dir(deviceDir);
    std::vector<DeviceName> found;
    for (const QString& name : dir.entryList({QStringLiteral("tty*")}, QDir::System | QDir::Files)) {
        const QRegularExpressionMatch match = pattern.match(name);
        if (!match.hasMatch()) continue;
        const int family = int(kFamilies.indexOf(match.captured(1)));
        const QString path = dir.filePath(name);
        if (family == 0 && isCharDevice(path) && !hasUart(path, name)) continue;
        found.push_back({name, family, match.captured(2).toInt()});
    }
    std::sort(found.begin(), found.end(), [](const DeviceName& a, const DeviceName& b) {
        return a.family != b.family ? a.family < b.family : a.number < b.number;
    });
    QStringList paths;
    for (const DeviceName& device : found) paths << dir.filePath(device.name);
    return paths;
}
