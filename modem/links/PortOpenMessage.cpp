#include "PortOpenMessage.h"

#include "LibraryContext.h"
#include "RuntimeError.h"
#include "SerialPort.h"

#include <QFile>

#include <grp.h>
#include <sys/stat.h>

const QString PortOpenMessage::Title = QStringLiteral("Comm Port Error");

QString PortOpenMessage::DeviceGroup(const QString& device)
{
    struct stat st{};
    if (device.isEmpty() || ::stat(QFile::encodeName(device).constData(), &st) != 0) return {};
    if ((st.st_mode & (S_IRGRP | S_IWGRP)) != (S_IRGRP | S_IWGRP)) return {};
    const group* owner = ::getgrgid(st.st_gid);
    return owner ? QString::fromLocal8Bit(owner->gr_name) : QString();
}

QString PortOpenMessage::Text(int commPort, const QString& device, int errorNumber)
{
    QString text = QStringLiteral("Serial Port ") + QString::number(commPort);
    if (!device.isEmpty()) text += QStringLiteral(" (") + device + QLatin1Char(')');
    text += QStringLiteral(" could not be opened.\nPlease check port number in options menu,\nor the command line.");
    switch (errorNumber) {
    case RuntimeError::PermissionDenied: {
        const QString group = DeviceGroup(device);
        text += QStringLiteral("\nThis user may not open the device: ask for membership of the group ");
        text += group.isEmpty() ? QStringLiteral("that may open serial devices")
                                : QLatin1Char('"') + group + QStringLiteral("\", which may open it");
        text += QStringLiteral(", then log in again.");
        break;
    }
    case RuntimeError::PortAlreadyOpen:
        text += QStringLiteral("\nThe device is in use by another program: close that program, then try again.");
        break;
    default: break;
    }
    return text;
}

void PortOpenMessage::Show(LibraryContext& context, const SerialPort& port, int errorNumber)
{
    if (!context.FirstPortFailure()) return;
    context.MsgBox(Text(port.CommPort(), port.DeviceName(), errorNumber), MsgButtons::OK, MsgIcon::Exclamation, Title);
}
