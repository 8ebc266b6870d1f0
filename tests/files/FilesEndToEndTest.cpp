// Configuration files through the programprobe harness against the modemsim
// executable: read, save, open with no modem, write the opened file to a modem.
#include "FileFormat.h"
#include "ProgramProbe.h"
#include "QtPrinters.h"
#include "SimProcess.h"
#include "SimProfile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The modem's memory from a --dump file: "memory XX = bytes" lines.
QMap<int, int> dumpedMemory(const QString& path)
{
    QMap<int, int> memory;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return memory;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
        if (!line.startsWith(QLatin1String("memory "))) continue;
        int address = line.mid(7, 2).toInt(nullptr, 16);
        for (const QString& byte : line.section('=', 1).split(' ', Qt::SkipEmptyParts))
            memory[address++] = byte.toInt(nullptr, 16);
    }
    return memory;
}

QString contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QStringLiteral("(missing)");
}

}  // namespace

TEST(FilesEndToEndTest, ASavedConfigurationOpensWithoutAModemAndIsWrittenToAnother)
{
    QTemporaryDir dir;
    const QString site = dir.filePath(QStringLiteral("site.mdb"));
    ProgramProbe probe;

    // Read a modem, change the PTT time-out, save.
    QString stoppedDevice;
    ProgramProbe::Result saved;
    {
        SimProcess sim;
        ASSERT_FALSE(sim.DevicePath().isEmpty());
        stoppedDevice = sim.DevicePath();
        saved = probe.Run({"port", sim.DevicePath(), "read", "type", "PTTTime", "45", "save",
                       dir.filePath(QStringLiteral("site.a.mdb")), "dump"});
    }
    ASSERT_EQ(saved.exitCode, 0);
    EXPECT_TRUE(saved.boxes.isEmpty()) << saved.boxes.join('\n').toStdString();
    ASSERT_TRUE(QFileInfo::exists(site));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("site.a.mdb"))));
    EXPECT_EQ(saved.Value("PTTTimeout"), QStringLiteral("45"));
    EXPECT_EQ(saved.Value("RecentFiles1"), dir.filePath(QStringLiteral("site")));

    // The simulator is gone: opening needs no modem.
    const ProgramProbe::Result opened = probe.Run({"port", stoppedDevice, "open", site, "dump"});
    ASSERT_EQ(opened.exitCode, 0);
    EXPECT_TRUE(opened.boxes.isEmpty()) << opened.boxes.join('\n').toStdString();
    EXPECT_FALSE(opened.waitWindow);
    EXPECT_EQ(opened.Value("Working"), QStringLiteral("True"));
    EXPECT_EQ(opened.Value("FromFile"), QStringLiteral("True"));
    EXPECT_EQ(opened.Value("InitDir"), dir.path());
    EXPECT_EQ(opened.Value("RecentFiles1"), site);
    for (const FormatField& f : FileFormat) {
        const QString member = QString::fromLatin1(f.Member);
        if (member.isEmpty()) continue;
        EXPECT_EQ(opened.Value(member), saved.Value(member)) << f.Member;
    }

    // A running modem hears nothing while a file opens.
    {
        const QString log = dir.filePath(QStringLiteral("commands.log"));
        SimProcess sim({"--log", log});
        const ProgramProbe::Result quiet = probe.Run({"port", sim.DevicePath(), "open", site, "dump"});
        ASSERT_EQ(quiet.exitCode, 0);
        EXPECT_EQ(quiet.Value("Working"), QStringLiteral("True"));
        sim.Stop();
        EXPECT_EQ(contents(log), QString()) << "commands reached the modem";
    }

    // The opened file written to a modem that holds 30 s lands in its memory.
    const QString dump = dir.filePath(QStringLiteral("memory.txt"));
    SimProcess target({"--dump", dump});
    const ProgramProbe::Result written = probe.Run({"port", target.DevicePath(), "open", site, "write", "dump"});
    ASSERT_EQ(written.exitCode, 0);
    for (const QString& box : written.boxes) EXPECT_FALSE(box.startsWith(QLatin1String("Error Occured|"))) << box.toStdString();
    target.Stop();
    const QMap<int, int> memory = dumpedMemory(dump);
    EXPECT_EQ(memory.value(0x98), 0x11) << "PTT time-out 45 s as 4500";
    EXPECT_EQ(memory.value(0x99), 0x94);
}

TEST(FilesEndToEndTest, RecentEntriesAndCancelledDialogsThroughTheHarness)
{
    QTemporaryDir dir;
    ProgramProbe probe;
    SimProcess sim;
    ASSERT_FALSE(sim.DevicePath().isEmpty());
    const QString base = dir.filePath(QStringLiteral("site"));
    const ProgramProbe::Result run =
        probe.Run({"port", sim.DevicePath(), "read", "save", "-", "save", base, "open", "-", "recent", "1", "dump"});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.boxes.isEmpty()) << run.boxes.join('\n').toStdString();
    EXPECT_EQ(run.Value("RecentFiles1"), base) << "the saved entry opened its .mdb file";
    EXPECT_EQ(run.Value("RecentFiles2"), QStringLiteral("1"));
    EXPECT_EQ(run.Value("FromFile"), QStringLiteral("True"));

    EXPECT_EQ(probe.Run({"recent", "5"}).exitCode, 2);
    EXPECT_EQ(probe.Run({"open"}).exitCode, 2);
}

TEST(FilesEndToEndTest, AModemWithALongVersionTextIsSavedAndOpenedAgain)
{
    QTemporaryDir dir;
    const QString version = QStringLiteral("3.1.0 release build 2026-03 for licensed-band data modems, A + B.");
    ASSERT_EQ(version.size(), 65);
    SimProfile profile = SimProfile::Default();
    profile.Firmware = version.toStdString();
    const QString profilePath = dir.filePath(QStringLiteral("long-version.profile"));
    {
        QFile file(profilePath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(profile.ToText()));
    }
    const QString site = dir.filePath(QStringLiteral("site.mdb"));
    SimProcess sim({profilePath});
    ASSERT_FALSE(sim.DevicePath().isEmpty());
    ProgramProbe probe;
    const ProgramProbe::Result run = probe.Run({"port", sim.DevicePath(), "read", "save", site, "open", site, "dump"});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.boxes.isEmpty()) << run.boxes.join('\n').toStdString();
    EXPECT_EQ(run.Value("Firmware"), version);
    EXPECT_EQ(run.Value("FromFile"), QStringLiteral("True"));
    EXPECT_EQ(run.Value("Working"), QStringLiteral("True"));
}
