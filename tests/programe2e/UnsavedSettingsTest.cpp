// The settings of a session that cannot be written at Quit: the user is told which
// file, and the program still ends.
#include "ProgramProbe.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(UnsavedSettings, QuitNamesTheSettingsFileThatCannotBeWrittenAndEnds)
{
    ProgramProbe probe;
    // A folder where the settings file should be stops every user, root too.
    const QString file = probe.ConfigHome() + QStringLiteral("/ZenvoProgrammer/ZenvoProgrammer.conf");
    ASSERT_TRUE(QDir().mkpath(file));
    const ProgramProbe::Result run = probe.Run({"quit"});
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.boxes,
              (QStringList{QStringLiteral("Quit Halvex Programmer|Are you sure you want to exit program?"),
                           QStringLiteral("Error Occured|The settings could not be written to the file '%1': the "
                                          "serial port, the folder and the recent files of this session were not "
                                          "saved.")
                               .arg(file)}));
}
