// Printing through the programprobe harness against the modemsim executable,
// checked in the PDF with pdftotext.
#include "PdfWords.h"
#include "ProgramProbe.h"
#include "QtPrinters.h"
#include "SimProcess.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(PrintEndToEndTest, TheSheetOfAReadModemHoldsItsTextsAtTheirPlaces)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    ProgramProbe probe;
    SimProcess sim;
    ASSERT_FALSE(sim.DevicePath().isEmpty());
    const ProgramProbe::Result run = probe.Run({"port", sim.DevicePath(), "read", "print", pdf});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.boxes.isEmpty()) << run.boxes.join('\n').toStdString();

    const PdfWords words(pdf);
    ASSERT_TRUE(words.Error().isEmpty()) << words.Error().toStdString();
    // One offset for the page (its margin), taken from the heading; then twips / 20 = points.
    const std::optional<QPointF> heading = words.Find(QStringLiteral("Halvex"));
    ASSERT_TRUE(heading);
    const QPointF offset = *heading - QPointF(5160 / 20.0, 840 / 20.0);
    const struct {
        int top, left;
        const char* text;
    } lines[] = {
        {840, 5160, "Halvex Modem Configuration"},
        {1920, 3240, "9600,N,8,1"},
        {3720, 3360, "929.01250 Mhz"},
        {5160, 4080, "High"},
        {6960, 840, "Modem Build Type:  6"},
    };
    for (const auto& line : lines) {
        SCOPED_TRACE(line.text);
        const QPointF at = QPointF(line.left / 20.0, line.top / 20.0) + offset;
        EXPECT_TRUE(words.HasTextAt(at, QString::fromLatin1(line.text))) << "finds " << words.TextAt(at, 3).toStdString();
    }
}

TEST(PrintEndToEndTest, ACancelledPrinterDialogPrintsAndShowsNothing)
{
    QTemporaryDir dir;
    ProgramProbe probe;
    SimProcess sim;
    const ProgramProbe::Result run = probe.Run({"port", sim.DevicePath(), "read", "print", "-"});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.boxes.isEmpty());
    EXPECT_TRUE(run.lines.isEmpty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());

    // A PDF that cannot be written is the harness's own failure.
    EXPECT_EQ(probe.Run({"print", dir.filePath(QStringLiteral("gone/sheet.pdf"))}).exitCode, 2);
}
