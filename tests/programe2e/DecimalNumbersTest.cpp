// Numbers with decimals through the program against modemsim: frequencies that the
// modem holds, the user types, the file keeps and the sheet prints, and the
// firmware versions the program compares. The locale runs of these tests show
// that none of them follows a comma locale.
#include "PdfWords.h"
#include "ProgramProbe.h"
#include "QtPrinting.h"
#include "SimProcess.h"
#include "SqlFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString Lumbrel = QStringLiteral(SIM_PROFILES_DIR "/lumbrel-fdx.profile");

QStringList fileLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

// A profile file of the test's own: the lines of a shipped profile, with the lines
// that start with one of the replaced keys taken out and the replacements added.
QString profileWith(const QTemporaryDir& dir, const char* profile, const QStringList& replacements)
{
    QStringList lines = fileLines(QStringLiteral(SIM_PROFILES_DIR "/") + QLatin1String(profile) +
                                  QStringLiteral(".profile"));
    for (const QString& replacement : replacements) {
        const QString key = replacement.section('=', 0, 0).trimmed();
        lines.removeIf([&](const QString& line) { return line.section('=', 0, 0).trimmed() == key; });
        lines << replacement;
    }
    const QString path = dir.filePath(QStringLiteral("modem.profile"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return {};
    file.write(lines.join('\n').toUtf8() + '\n');
    return path;
}

// A Read and a Write with no edit between them: the radios' synthesisers get the
// dividers of 460.5 and 465.5 MHz again (0x8FE8 and 0x8368 at 12.5 kHz steps),
// and the dump shows the frequencies with their halves.
TEST(Decimals, AReadModemIsWrittenBackOnTheSameFrequencies)
{
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("sim.log"));
    SimProcess sim({Lumbrel, QStringLiteral("--log"), log});
    ASSERT_FALSE(sim.DevicePath().isEmpty());
    ProgramProbe probe;
    const ProgramProbe::Result run = probe.Run({"port", sim.DevicePath(), "read", "write", "dump"});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_EQ(run.boxes.join('\n').toStdString(), "");
    EXPECT_EQ(run.Value(QStringLiteral("TXRadio.TXFreq")), QStringLiteral("460.5"));
    EXPECT_EQ(run.Value(QStringLiteral("RXRadio.RXFreq")), QStringLiteral("465.5"));
    sim.Stop();

    const QStringList dividers = fileLines(log).filter(QRegularExpression(QStringLiteral("^radio\\.[rt]x 02 4[46] ")));
    EXPECT_EQ(dividers.join('\n').toStdString(), "radio.tx 02 46 8F E8\nradio.tx 02 44 8F E8\nradio.rx 02 44 83 68");
}

// 461.25 MHz typed into the transmit frequency: the box, a saved file and a printed
// sheet hold it with its decimals, and a cancelled Print leaves the boxes as they were.
TEST(Decimals, ATypedFrequencyIsShownSavedAndPrintedWithItsDecimals)
{
    QTemporaryDir dir;
    SimProcess sim({Lumbrel});
    ASSERT_FALSE(sim.DevicePath().isEmpty());
    const QString site = dir.filePath(QStringLiteral("site.mdb"));
    const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    ProgramProbe probe;
    const ProgramProbe::Result run =
        probe.Run({"port", sim.DevicePath(), "read", "type", "TransFreq", "461.25", "show", "TransFrame", "save", site,
                   "print", pdf, "print", "-", "show", "MainForm", "dump"});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_EQ(run.boxes.join('\n').toStdString(), "");
    EXPECT_EQ(run.Shown(QStringLiteral("TransFrame")).Value(QStringLiteral("TransFreq")), QStringLiteral("461.25000"));
    const ProgramProbe::Result after = run.Shown(QStringLiteral("MainForm"));
    EXPECT_EQ(after.Value(QStringLiteral("TransFreq")), QStringLiteral("461.25000"));
    EXPECT_EQ(after.Value(QStringLiteral("RXFreq")), QStringLiteral("465.50000"));
    EXPECT_EQ(run.Value(QStringLiteral("TXRadio.TXFreq")), QStringLiteral("461.25"));

    const QList<QStringList> saved = SqlFile::Rows(site, QStringLiteral("select TXFreq, RXFreq from ModemSetting"));
    ASSERT_EQ(saved.size(), 1);
    EXPECT_EQ(saved.front(), (QStringList{"461.25", "465.5"}));

    const PdfWords words(pdf);
    ASSERT_TRUE(words.Error().isEmpty()) << words.Error().toStdString();
    const QString text = words.AllText();
    EXPECT_TRUE(text.contains(QStringLiteral("461.25000 Mhz"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("465.50000 Mhz"))) << text.toStdString();
}

// Text beyond ASCII is typed as an input method commits it, a character at a time:
// the key filter drops each one that it would drop as a key.
TEST(Decimals, TextBeyondAsciiIsTypedAsAnInputMethodWould)
{
    SimProcess sim({Lumbrel});
    ASSERT_FALSE(sim.DevicePath().isEmpty());
    ProgramProbe probe;
    const ProgramProbe::Result run =
        probe.Run({"port", sim.DevicePath(), "read", "type", "TransFreq", QString::fromUtf8("46\xc3\xa9" "1.2\xe2\x82\xac" "5"),
                   "type", "TXDelay", QString::fromUtf8("\xd0\x96" "2\xc2\xa0" "5"), "show", "TransFrame", "dump"});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_EQ(run.boxes.join('\n').toStdString(), "");
    EXPECT_EQ(run.Shown(QStringLiteral("TransFrame")).Value(QStringLiteral("TransFreq")), QStringLiteral("461.25000"));
    EXPECT_EQ(run.Value(QStringLiteral("TXRadio.TXFreq")), QStringLiteral("461.25"));
    EXPECT_EQ(run.Value(QStringLiteral("TXRadio.TXDelay")), QStringLiteral("25"));
}

// The firmware revision and the programmer versions a modem asks for are compared
// as numbers with a point: 2.3.1 is one of the supported revisions, a 3.2 modem is
// asked for its programmer version and its answer counts.
TEST(Decimals, FirmwareVersionsAreComparedAsTheModemGivesThem)
{
    const struct {
        const char* profile;
        const char* productVersion;
        const char* box;
        bool working;
    } cases[] = {
        {"old-firmware", nullptr, nullptr, true},
        {"firmware-32", "3.0;3.4", nullptr, true},
        {"firmware-32", "3.0;3.6",
         "Radio Modem|The modem prefers programmer version higher then 3.6.  This Halvex Programmer will still "
         "function but some features may not be available.  Do you wish to continue?",
         true},
        {"firmware-32", "3.5",
         "Radio Modem|The modem requires programmer version 3.5 and above, please upgrade the Halvex Programmer if "
         "you want to program this modem",
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.profile) + " " + (c.productVersion ? c.productVersion : ""));
        QTemporaryDir dir;
        const QString log = dir.filePath(QStringLiteral("sim.log"));
        QStringList replaced;
        if (c.productVersion) replaced << QStringLiteral("product_version = ") + QLatin1String(c.productVersion);
        const QString profile = profileWith(dir, c.profile, replaced);
        ASSERT_FALSE(profile.isEmpty());
        SimProcess sim({profile, QStringLiteral("--log"), log});
        ASSERT_FALSE(sim.DevicePath().isEmpty());
        ProgramProbe probe;
        const ProgramProbe::Result run = probe.Run({"port", sim.DevicePath(), "read", "dump"});
        ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
        QStringList want;
        if (c.box) want << QLatin1String(c.box);
        if (!c.working)
            want << QStringLiteral("Halvex Programmer V3.4.5|Unable to read configuration.\n    Check correct comm "
                                   "port is selected and programming cable Tarvik\n    is conneted to Port A of radio "
                                   "modem and power has been cycled.");
        EXPECT_EQ(run.boxes, want);
        EXPECT_EQ(run.Value(QStringLiteral("Working")), c.working ? QStringLiteral("True") : QStringLiteral("False"));
        sim.Stop();
        EXPECT_EQ(fileLines(log).contains(QStringLiteral("PV")), c.productVersion != nullptr);
    }
}

}  // namespace
