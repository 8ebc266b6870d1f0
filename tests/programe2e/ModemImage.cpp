#include "ModemImage.h"

#include <stdexcept>

namespace {

QString hexByte(int value) { return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper(); }

template <size_t N>
void compare(QStringList& lines, const char* bank, const std::array<uint8_t, N>& mine,
             const std::array<uint8_t, N>& theirs)
{
    for (size_t a = 0; a < N; ++a)
        if (mine[a] != theirs[a])
            lines << QStringLiteral("%1 %2: %3 -> %4")
                         .arg(QLatin1String(bank), hexByte(int(a)), hexByte(mine[a]), hexByte(theirs[a]));
}

}  // namespace

ModemImage ModemImage::Load(const QString& path)
{
    ModemImage image;
    try {
        image.profile_ = SimProfile::Load(path.toStdString());
        image.valid_ = true;
    } catch (const std::exception& e) {
        image.error_ = QString::fromLocal8Bit(e.what());
    }
    return image;
}

void ModemImage::Set(const ByteValue& byte)
{
    const auto value = uint8_t(byte.value);
    switch (byte.bank) {
    case MemoryBank::Modem: profile_.Memory.at(size_t(byte.address)) = value; break;
    case MemoryBank::TxRadio: profile_.TxRadio.Memory.at(size_t(byte.address)) = value; break;
    case MemoryBank::RxRadio: profile_.RxRadio.Memory.at(size_t(byte.address)) = value; break;
    }
}

QStringList ModemImage::DifferencesTo(const ModemImage& other) const
{
    QStringList lines;
    compare(lines, "modem", profile_.Memory, other.profile_.Memory);
    compare(lines, "radio.tx", profile_.TxRadio.Memory, other.profile_.TxRadio.Memory);
    compare(lines, "radio.rx", profile_.RxRadio.Memory, other.profile_.RxRadio.Memory);
    return lines;
}
