// The wizard database the build ships: every preset a modem is offered passes
// the driver's checks on that modem under every firmware the control accepts and
// comes back from it as written; every page builds; the content has what a
// technician needs of it.
#include "QtPrinting.h"
#include "KarsidFixture.h"
#include "ModemDefaults.h"
#include "ScriptedPrompt.h"
#include "StartModule.h"
#include "WizardData.h"
#include "WizardForm.h"
#include "WizardPreset.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QToolButton>

#include <map>
#include <set>

namespace {

const QString Shipped = QStringLiteral(WIZARD_DATABASE_PATH);

QStringList profileNames()
{
    QStringList names;
    for (const QString& file : QDir(QStringLiteral(SIM_PROFILES_DIR)).entryList({"*.profile"}, QDir::Files, QDir::Name))
        names << file.chopped(8);
    return names;
}

// What the pages reachable from a first page offer.
struct Offer {
    std::set<int16_t> Pages;
    std::set<int16_t> Presets;
    bool DiagsOnlyItem = false;
    bool PageLeadsToPage = false;
    bool CheckBoxChoosesPreset = false;
};

Offer offerFrom(WizardData& data, int16_t first)
{
    Offer offer;
    std::vector<int16_t> todo{first};
    Database& db = data.Db();
    while (!todo.empty()) {
        const int16_t page = todo.back();
        todo.pop_back();
        if (!offer.Pages.insert(page).second) continue;
        // With the diagnostics processor every item is placed.
        const WizardPage p = data.Page(page, true);
        bool checkBox = false;
        for (const WizardItem& item : p.Items) checkBox |= item.TypeOfItem == WizardItem::CheckBoxItem;
        for (const WizardItem& item : p.Items) {
            if (item.TypeOfItem != WizardItem::ButtonItem) continue;
            const int16_t params[] = {item.Param1, item.Param2};
            if (item.Action == 1) {
                offer.PageLeadsToPage = true;
                todo.insert(todo.end(), std::begin(params), std::end(params));
            } else if (item.Action == 2) {
                offer.Presets.insert(std::begin(params), std::end(params));
                offer.CheckBoxChoosesPreset |= checkBox && item.Param1 != item.Param2;
            }
        }
        const Recordset diags = db.OpenRecordset(
            QStringLiteral("select * from item where DiagsOnly<>0 and pageid=%1").arg(page));
        offer.DiagsOnlyItem |= !diags.Eof();
    }
    return offer;
}

class ShippedWizardTest : public KarsidFixture {
protected:
    // Plays the profile and reads it as the control does.
    ModemSetting Read(const QString& profile)
    {
        prompt.Clear();
        UseProfile(profile.toLatin1().constData());
        const int16_t type = commands.ReadModemType(port);
        const int16_t radio = type == 6 || type == 7 ? type : int16_t(0);
        Create(radio, radio);
        return ReadAll();
    }

    // The messages of a rejection with messages on, or what rejected silently.
    QStringList Rejections(ModemSetting setting)
    {
        prompt.Clear();
        bool display = true;
        const bool rejected = driver.QuerySetting(setting, display);
        QStringList texts = prompt.Texts();
        if (rejected && texts.isEmpty()) texts << QStringLiteral("rejected without a message");
        return texts;
    }

    WizardData data{Shipped};
};

// Every version the control connects to: 2.2 to 2.4 and 3.0 to 3.2, with the
// versions where the rules change.
const QStringList Firmwares = {"2.2", "2.2.5", "2.3", "2.3.1", "2.4", "3.0", "3.1", "3.2"};

TEST_F(ShippedWizardTest, EveryOfferedPresetPassesOnItsModelsUnderEveryFirmware)
{
    for (const QString& profile : profileNames()) {
        SCOPED_TRACE(profile.toStdString());
        const ModemSetting read = Read(profile);
        int16_t first = 0;
        ASSERT_NO_THROW(first = data.StartUpPage(read.ModemType)) << "no first page for build type " << read.ModemType;
        const Offer offer = offerFrom(data, first);
        ASSERT_GE(offer.Presets.size(), 2u);
        QStringList failures;
        for (const QString& firmware : Firmwares) {
            for (int16_t id : offer.Presets) {
                ModemSetting s = read;
                s.Firmware = firmware;
                WizardPreset::Read(data.Db(), id).ApplyTo(s);
                const QStringList texts = Rejections(s);
                if (!texts.isEmpty())
                    failures << QStringLiteral("preset %1, firmware %2: %3").arg(id).arg(firmware, texts.join(" | "));
            }
        }
        EXPECT_TRUE(failures.isEmpty()) << failures.mid(0, 5).join('\n').toStdString();
    }
}

// Written to the modem and read back, a preset is what the wizard showed: the
// modem keeps every member it stores.
TEST_F(ShippedWizardTest, EveryOfferedPresetComesBackFromItsModels)
{
    for (const QString& profile : profileNames()) {
        SCOPED_TRACE(profile.toStdString());
        const ModemSetting read = Read(profile);
        const Offer offer = offerFrom(data, data.StartUpPage(read.ModemType));
        for (int16_t id : offer.Presets) {
            SCOPED_TRACE(testing::Message() << "preset " << id);
            const WizardPreset preset = WizardPreset::Read(data.Db(), id);
            ModemSetting written = read;
            preset.ApplyTo(written);
            // The threshold goes with the transmitter power, once the user says so.
            written.WriteTxPwr = written.TXRadio.WriteTxPwr = written.RXRadio.WriteTxPwr = true;
            prompt.Clear();
            driver.WriteModemSetting(port, written);
            ASSERT_TRUE(driver.Working) << Dump();
            const ModemSetting back = ReadAll();
            for (const auto& [name, got, wrote] :
                 {std::tuple{"port A", &back.PortA, &preset.PortA}, std::tuple{"port B", &back.PortB, &preset.PortB}}) {
                SCOPED_TRACE(name);
                EXPECT_EQ(got->FormatLayer(), wrote->FormatLayer());
                EXPECT_EQ(got->HandShake, wrote->HandShake);
                EXPECT_EQ(got->CharTimer, wrote->CharTimer);
                EXPECT_EQ(got->EOMChar, wrote->EOMChar);
                EXPECT_EQ(got->EOMEnable, wrote->EOMEnable);
                EXPECT_EQ(got->MaxFrame, wrote->MaxFrame);
                EXPECT_EQ(got->ISLive, wrote->ISLive);
                EXPECT_EQ(got->ISSlip, wrote->ISSlip);
                EXPECT_EQ(got->SID1, wrote->SID1);
                EXPECT_EQ(got->SID2, wrote->SID2);
                EXPECT_EQ(got->SIDType, wrote->SIDType);
            }
            EXPECT_EQ(back.PortBEnabled, preset.PortBEnabled);
            EXPECT_EQ(back.TXRadio.TXDelay, preset.TXDelay);
            EXPECT_EQ(back.PTTTimeout, preset.PTTTimeout);
            EXPECT_EQ(back.PTTControl, preset.PTTControl);
            EXPECT_EQ(back.CAvoid, preset.CAvoid);
            EXPECT_EQ(back.NoOfSlot, preset.NoOfSlot);
            EXPECT_EQ(back.TimePerSlot, preset.TimePerSlot);
            EXPECT_EQ(back.TryBeforeTX, preset.TryBeforeTX);
            EXPECT_EQ(back.RSSI, preset.RSSI);
            // Written only to a modem whose diagnostics settings the program may edit.
            if (read.DiagsEditable) {
                EXPECT_EQ(back.SIDCode, preset.SIDCode);
                EXPECT_EQ(back.DiagSID1, preset.DiagSID1);
                EXPECT_EQ(back.DiagSID2, preset.DiagSID2);
                EXPECT_EQ(back.DiagRepeat, preset.DiagRepeat);
            }
        }
    }
}

// Every model the control reads has its wizard; only the default modem, shown
// before any is read, has none.
TEST_F(ShippedWizardTest, EveryModelButTheDefaultHasAFirstPage)
{
    ModemDefaults tables{QStringLiteral(MODEM_DATABASE_PATH)};
    const QList<ModemDefaults::Row> models = tables.Rows();
    ASSERT_FALSE(models.isEmpty());
    for (const ModemDefaults::Row& model : models) {
        if (model.ModemID == 0) continue;
        for (int type = model.TypeNolower; type <= model.typenoupper; ++type)
            EXPECT_NO_THROW(data.StartUpPage(int16_t(type))) << "build type " << type;
    }
}

// Each range of first pages lies inside one row of the modem models and one of
// the radio types, and holds a simulated modem, so the presets checked above are
// checked for every build type that reaches them.
TEST_F(ShippedWizardTest, EveryRangeOfFirstPagesIsAModelTheSimulatorPlays)
{
    ModemDefaults tables{QStringLiteral(MODEM_DATABASE_PATH)};
    const QList<ModemDefaults::Row> models = tables.Rows();
    std::vector<std::pair<int, int>> radios;
    for (Recordset rs = tables.Db().OpenRecordset(QStringLiteral("radio")); !rs.Eof(); rs.MoveNext())
        radios.emplace_back(rs.Field(QStringLiteral("LowerType")).toInt(), rs.Field(QStringLiteral("hightype")).toInt());
    std::set<int> played;
    for (const QString& profile : profileNames()) played.insert(Read(profile).ModemType);

    Recordset ranges = data.Db().OpenRecordset(QStringLiteral("startuppage"));
    ASSERT_FALSE(ranges.Eof());
    for (; !ranges.Eof(); ranges.MoveNext()) {
        const int low = ranges.Field(QStringLiteral("lowertype")).toInt();
        const int high = ranges.Field(QStringLiteral("hightype")).toInt();
        SCOPED_TRACE(testing::Message() << "build types " << low << " to " << high);
        EXPECT_TRUE(std::any_of(models.begin(), models.end(), [&](const ModemDefaults::Row& r) {
            return r.TypeNolower <= low && high <= r.typenoupper;
        })) << "inside one model";
        // The built-in types 6 and 7 have a radio row each, of the same limits but
        // for the band, which no preset touches.
        EXPECT_TRUE((low == 6 && high == 7) || std::any_of(radios.begin(), radios.end(), [&](const auto& r) {
                        return r.first <= low && high <= r.second;
                    })) << "inside one radio type";
        EXPECT_TRUE(std::any_of(played.begin(), played.end(), [&](int t) { return low <= t && t <= high; }))
            << "a simulated modem of the range";
    }
}

TEST_F(ShippedWizardTest, EachFamilyHasChoicesAPathAndItsPictures)
{
    std::map<int16_t, Offer> families;
    for (const QString& profile : profileNames()) {
        const int16_t first = data.StartUpPage(Read(profile).ModemType);
        families.emplace(first, offerFrom(data, first));
    }
    ASSERT_GE(families.size(), 6u) << "built-in, 900, 450 and 200 MHz, and the two narrow bands";
    const QDir folder = QFileInfo(Shipped).absoluteDir();
    for (const auto& [first, offer] : families) {
        SCOPED_TRACE(testing::Message() << "first page " << first);
        EXPECT_GE(offer.Presets.size(), 2u);
        EXPECT_TRUE(offer.DiagsOnlyItem);
        EXPECT_TRUE(offer.PageLeadsToPage);
        EXPECT_TRUE(offer.CheckBoxChoosesPreset);
        for (int16_t page : offer.Pages) {
            Recordset pictures = data.Db().OpenRecordset(
                QStringLiteral("select Picture from item where Picture<>'' and pageid=%1").arg(page));
            for (; !pictures.Eof(); pictures.MoveNext()) {
                const QString name = pictures.Field(QStringLiteral("Picture")).toString();
                EXPECT_TRUE(QFileInfo(folder.filePath(name)).isFile()) << name.toStdString() << " beside Wizard.mdb";
            }
        }
    }
}

// Every page of the shipped file builds in the wizard, with and without the
// diagnostics processor, without a fault and within its window.
TEST_F(ShippedWizardTest, EveryPageBuildsWithinItsWindow)
{
    StartModule::SetStartValues();
    ScriptedPrompt boxes;
    ModemSetting modem;
    WizardForm wizard(modem, boxes);
    wizard.AppFolder = QFileInfo(Shipped).absolutePath();
    Recordset pages = data.Db().OpenRecordset(QStringLiteral("pages"));
    ASSERT_FALSE(pages.Eof());
    for (; !pages.Eof(); pages.MoveNext()) {
        const int16_t id = int16_t(pages.Field(QStringLiteral("pageid")).toInt());
        for (bool diagnostics : {false, true}) {
            SCOPED_TRACE(testing::Message() << "page " << id << (diagnostics ? " with" : " without") << " diagnostics");
            modem.DiagEnable = diagnostics;
            int16_t type = 0, start = id;
            wizard.StartUpWizard(type, start);
            wizard.show();
            QApplication::processEvents();
            EXPECT_FALSE(wizard.Failed()) << boxes.Texts().join(" | ").toStdString();
            const QRect inside = wizard.rect();
            for (QWidget* element : wizard.findChildren<QWidget*>()) {
                if (!element->isVisible()) continue;
                EXPECT_TRUE(inside.contains(element->geometry())) << element->objectName().toStdString();
            }
            int buttons = 0;
            for (const QToolButton* b : wizard.ButtonArray) buttons += b->isVisible();
            EXPECT_GE(buttons, 1) << "a way on or out";
            wizard.hide();
        }
    }
}

}  // namespace
