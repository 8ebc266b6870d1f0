#pragma once

#include <QString>
#include <functional>

class MainForm;
struct ProgramSeams;

// The start-up values, set once by Main and read by the windows.
namespace StartModule {

inline int BrandingFlag = 0;
inline QString ProgramTitle;
inline QString ModemFamilyName;
inline QString DiagnosticsName;
inline QString CompanyName;
inline QString ContactName;
inline QString WizardDatabaseName;
inline QString ModemDatabasePath;

// The title of message boxes to which the program gives no title of its own.
inline const QString ApplicationTitle = QStringLiteral("Halvex Programmer V3.4.5");

void SetStartValues();

// The folder that holds the databases: the program's own unless a harness chose one.
QString DataFolder(const ProgramSeams& seams);

// "Modem.mdb" in the given folder.
QString DatabasePathIn(const QString& folder);

// The whole start-up: splash, main window loaded, warning, main window shown.
// Returns the main window, or null when start-up ended the program. seams.clock
// must be set; random draws the warning's button order (the real one when empty).
MainForm* Main(ProgramSeams& seams, const std::function<double()>& random = {});

// The start-up without the splash wait and the warning, for harnesses: the
// values, the main window loaded with the database path set.
MainForm* LoadMainForm(ProgramSeams& seams);

}  // namespace StartModule
