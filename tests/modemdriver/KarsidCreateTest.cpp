#include "KarsidFixture.h"
#include "Lumbrel.h"
#include "Moskar.h"
#include "PexarHigh.h"
#include "PexarLow.h"
#include "Rudvik.h"
#include "TempDatabase.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <typeinfo>

namespace {

using KarsidCreateTest = KarsidFixture;

const char* ClassOf(const RadioDriver* radio)
{
    if (!radio) return "none";
    if (dynamic_cast<const PexarHigh*>(radio)) return "PexarHigh";
    if (dynamic_cast<const PexarLow*>(radio)) return "PexarLow";
    if (dynamic_cast<const Moskar*>(radio)) return "Moskar";
    if (dynamic_cast<const Lumbrel*>(radio)) return "Lumbrel";
    if (dynamic_cast<const Rudvik*>(radio)) return "Rudvik";
    return typeid(*radio).name();
}

TEST_F(KarsidCreateTest, KnownTypesGetTheirDriversWithoutTalkingToTheModem)
{
    const struct {
        int16_t tx, rx;
        const char* txClass;
        const char* rxClass;
    } cases[] = {
        {7, 7, "PexarLow", "PexarLow"},   {6, 6, "PexarHigh", "PexarHigh"}, {10, 19, "Moskar", "Moskar"},
        {20, 29, "Moskar", "Moskar"},     {30, 59, "Lumbrel", "Lumbrel"},   {60, 69, "Rudvik", "Rudvik"},
        {12, 35, "Moskar", "Lumbrel"},    {69, 7, "Rudvik", "PexarLow"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.tx << "/" << c.rx);
        Karsid karsid(links);
        int16_t tx = c.tx, rx = c.rx;
        karsid.CreatModem(0, tx, rx, port);
        EXPECT_TRUE(karsid.Working);
        EXPECT_STREQ(ClassOf(karsid.TXRadio()), c.txClass);
        EXPECT_STREQ(ClassOf(karsid.RXRadio()), c.rxClass);
        EXPECT_EQ(tx, c.tx);
        EXPECT_EQ(rx, c.rx);
        // Initialize has looked each type up.
        ASSERT_TRUE(karsid.TXRadio() && karsid.RXRadio());
        EXPECT_EQ(karsid.TXRadio()->Spec().RadioType, c.tx);
        EXPECT_EQ(karsid.RXRadio()->Spec().RadioType, c.rx);
        EXPECT_FALSE(karsid.TXRadio()->Spec().ErrorCode);
    }
    EXPECT_TRUE(port.Sent().isEmpty());
    EXPECT_EQ(port.Opens(), 0);
    EXPECT_TRUE(prompt.Boxes().isEmpty()) << Dump();
}

TEST_F(KarsidCreateTest, AHalfDuplexModemHasItsOneRadioReadForBothSides)
{
    UseProfile("lumbrel-hdx");
    const size_t before = Logged();
    Create(0, 0);
    EXPECT_EQ(SelectsSince(before), std::vector<std::string>{"ST"});
    EXPECT_EQ(txType, 35);
    EXPECT_EQ(rxType, 35);
    EXPECT_STREQ(ClassOf(driver.TXRadio()), "Lumbrel");
    EXPECT_STREQ(ClassOf(driver.RXRadio()), "Lumbrel");
    // Back on the modem link afterwards.
    EXPECT_EQ(port.Settings(), "9600,N,8,1");
}

TEST_F(KarsidCreateTest, AFullDuplexModemHasBothRadiosRead)
{
    UseProfile("moskar-fdx");
    modem.SetRadioMemory(SimModem::Radio::Rx, 0x7F, {13});
    const size_t before = Logged();
    Create(0, 0);
    EXPECT_EQ(SelectsSince(before), (std::vector<std::string>{"ST", "SR"}));
    EXPECT_EQ(txType, 12);
    EXPECT_EQ(rxType, 13);
    EXPECT_STREQ(ClassOf(driver.TXRadio()), "Moskar");
    EXPECT_STREQ(ClassOf(driver.RXRadio()), "Moskar");
    EXPECT_EQ(driver.RXRadio()->Spec().RadioType, 13);
    EXPECT_EQ(port.Settings(), "9600,N,8,1");
}

TEST_F(KarsidCreateTest, UnknownTypesAreRefusedWithOneMessage)
{
    const QString radioType = "Error, un-recognised Radio Type, Call " + Contact;
    const QString modemType = "Error, un-recognised modem type, Call " + Contact;
    const struct {
        int16_t tx, rx;
        QString message;
        bool txCreated;
    } cases[] = {
        // 8, 9 and 300 have no row and are not in the external range.
        {8, 7, modemType, false},
        {9, 9, modemType, false},
        {300, 7, modemType, false},
        {0, 7, modemType, false},
        // 200 has no row: its synthesiser family is unknown.
        {200, 7, radioType, false},
        {7, 8, modemType, true},
        {6, 200, radioType, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.tx << "/" << c.rx);
        prompt.Clear();
        Karsid karsid(links);
        int16_t tx = c.tx, rx = c.rx;
        karsid.CreatModem(0, tx, rx, port);
        EXPECT_FALSE(karsid.Working);
        EXPECT_EQ(karsid.TXRadio() != nullptr, c.txCreated);
        EXPECT_EQ(karsid.RXRadio(), nullptr);
        ASSERT_EQ(prompt.Texts(), QStringList{c.message});
        EXPECT_EQ(prompt.Boxes()[0].Title, LibraryContext::DefaultTitle);
        EXPECT_EQ(prompt.Boxes()[0].Buttons, MsgButtons::OK);
    }
    EXPECT_TRUE(port.Sent().isEmpty());
}

TEST_F(KarsidCreateTest, ABuiltInTypeWithoutItsRowIsAnUnknownRadioType)
{
    const struct {
        int missing;
        int16_t tx, rx;
        bool txCreated;
    } cases[] = {
        {6, 6, 6, false},
        {7, 7, 7, false},
        // The transmit side has its row; the receive side stops the connection.
        {7, 69, 7, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "without " << c.missing << ": " << c.tx << "/" << c.rx);
        TempDatabase database;
        database.CopyModemDatabaseWithout(c.missing);
        context.DatabasePath = database.Path();
        prompt.Clear();
        Karsid karsid(links);
        int16_t tx = c.tx, rx = c.rx;
        karsid.CreatModem(0, tx, rx, port);
        EXPECT_FALSE(karsid.Working);
        EXPECT_EQ(karsid.TXRadio() != nullptr, c.txCreated);
        EXPECT_EQ(karsid.RXRadio(), nullptr);
        EXPECT_EQ(prompt.Texts(), QStringList{"Error, un-recognised Radio Type, Call " + Contact});
    }
}

TEST_F(KarsidCreateTest, AnUnknownSynthesiserFamilyStopsBeforeTheReceiveSide)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("family3.mdb");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "family3");
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open()) << db.lastError().text().toStdString();
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec("create table radio (LowerType, hightype, MaxTXFreq, MinTXFreq, MaxRXFreq, MinRXFreq, "
                           "FixedFreq, RefCrystal, PhaseFreq, FirstIF, SynthLockTime, SynthCtl, Func, TXPowA, "
                           "TXPowB, AlarmPowA, AlarmPowb, MinTxPower)"));
        // Func 24 gives family 3; type 7 is a valid receive side that must not be created.
        ASSERT_TRUE(q.exec("insert into radio values (200, 200, 470, 450, 470, 450, 0, 12800000, 12500, 45, 15, "
                           "16596, 24, 0, 0, 0, 0, 100)"));
        ASSERT_TRUE(q.exec("insert into radio values (7, 7, 858, 848, 934, 924, 1, 12000000, 12500, 45, 0, 0, 0, "
                           "0, 0, 0, 0, 0)"));
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase("family3");
    context.DatabasePath = path;

    int16_t tx = 200, rx = 7;
    driver.CreatModem(0, tx, rx, port);
    EXPECT_FALSE(driver.Working);
    EXPECT_EQ(driver.TXRadio(), nullptr);
    EXPECT_EQ(driver.RXRadio(), nullptr);
    EXPECT_EQ(prompt.Texts(), QStringList{"Error, un-recognised Radio Type, Call " + Contact});

    // The same database serves the receive side alone.
    prompt.Clear();
    tx = 7;
    driver.CreatModem(0, tx, rx, port);
    EXPECT_TRUE(driver.Working) << Dump();
}

TEST_F(KarsidCreateTest, AFailedLookupShowsOnlyTheDatabaseMessage)
{
    QTemporaryDir dir;
    context.DatabasePath = dir.filePath("missing/Modem.mdb");
    int16_t tx = 7, rx = 7;
    driver.CreatModem(0, tx, rx, port);
    EXPECT_FALSE(driver.Working);
    EXPECT_EQ(driver.TXRadio(), nullptr);
    EXPECT_EQ(driver.RXRadio(), nullptr);
    ASSERT_EQ(prompt.Boxes().size(), 1) << Dump();
    EXPECT_TRUE(prompt.Texts()[0].contains("Error Finding Database entry for the current Modem Type.")) << Dump();
}

TEST_F(KarsidCreateTest, ALinkFailureWhileReadingTheTypesIsUnrecoverable)
{
    EnterCommandMode();
    modem.Profile().Faults.Silent = true;
    driver.Working = true;
    int16_t tx = 0, rx = 0;
    driver.CreatModem(0, tx, rx, port);
    EXPECT_FALSE(driver.Working);
    EXPECT_FALSE(port.PortOpen());
    EXPECT_EQ(driver.TXRadio(), nullptr);
    ASSERT_FALSE(prompt.Boxes().isEmpty());
    EXPECT_EQ(prompt.Texts().back(), Unrecoverable);
    EXPECT_EQ(prompt.Texts().count(Unrecoverable), 1) << Dump();
}

}  // namespace
