#pragma once

#include "Database.h"

#include <QString>
#include <cstdint>
#include <vector>

// One item of a wizard page as the page places it: converted, with the Nulls the
// page allows already replaced (an empty caption or picture, the system's text
// colour, the first parameter for a missing second one).
struct WizardItem {
    enum Kind : int16_t { ButtonItem = 0, PictureItem = 1, LabelItem = 2, CheckBoxItem = 3 };

    int16_t TypeOfItem{};
    QString Title;
    QString Picture;
    // Twips as stored: a negative Left or Top counts from the right or bottom edge.
    int16_t Left{}, Top{}, Width{}, Height{};
    QString FontName;   // empty: the window's own font
    double FontSize{};  // 0: the window's own size
    int16_t FontStyle{};
    uint32_t ForeColor{};  // 0: the system's button text colour
    // Buttons only.
    int16_t Action{};
    int16_t Param1{};
    int16_t Param2{};
};

// One page: caption, outer size in twips and the items to place, in order.
struct WizardPage {
    QString Title;
    double Height{};
    double Width{};
    std::vector<WizardItem> Items;
};

// The wizard's database, read with the query texts the wizard runs. Every
// failure is raised as the database's error; a row that should be there and is
// not raises "No current record.".
class WizardData {
public:
    // Opens the file read-only; a missing file is an error.
    explicit WizardData(const QString& path);

    // The first page for the build type.
    int16_t StartUpPage(int16_t buildType);
    // The page (which must have items) with those that are placed on a modem with or without the
    // diagnostics processor. Items of an unknown kind are left out.
    WizardPage Page(int16_t pageId, bool diagEnable);

    Database& Db() { return db_; }

private:
    Database db_;
};
