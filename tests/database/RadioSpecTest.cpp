#include "RadioSpec.h"

#include "ScriptedPrompt.h"
#include "TempDatabase.h"

#include <QFileInfo>
#include <gtest/gtest.h>
#include <functional>
#include <vector>

namespace {

const QString Contact = QStringLiteral("Orvane Sypheral");
const QString Title = QStringLiteral("Radio Modem");

// The members in the order the lookup fills them from the row; then the ones it
// sets afterwards.
struct Member {
    const char* name;
    std::function<double(const RadioSpec&)> get;
    std::function<void(RadioSpec&, double)> set;
};

#define MEMBER(m)                                                                                 \
    Member                                                                                        \
    {                                                                                             \
        #m, [](const RadioSpec& s) { return static_cast<double>(s.m); },                          \
            [](RadioSpec& s, double v) { s.m = static_cast<decltype(RadioSpec::m)>(v); }          \
    }

const std::vector<Member>& readOrder()
{
    static const std::vector<Member> members{
        MEMBER(MaxTXFreq), MEMBER(MinTXFreq),     MEMBER(MaxRXFreq), MEMBER(MinRXFreq), MEMBER(FixedFreq),
        MEMBER(RefCrystal), MEMBER(PhaseFreq),    MEMBER(FirstIF),   MEMBER(SynthLockTime), MEMBER(SynthCtl),
        MEMBER(TXPowA),    MEMBER(TXPowB),        MEMBER(AlarmPowA), MEMBER(AlarmPowB), MEMBER(MinTXPower),
        MEMBER(MaxTXPower), MEMBER(RXBs),         MEMBER(TXBs),      MEMBER(TXPwrDAC), MEMBER(SynthType),
        MEMBER(RadioType), MEMBER(MinAlarmPow),   MEMBER(MaxAlarmPow),
    };
    return members;
}

// A value that differs from the lookup's result in every member.
RadioSpec sentinel(const RadioSpec& result)
{
    RadioSpec s(result.Source());
    for (const Member& m : readOrder()) m.set(s, m.get(result) + 11);
    for (const Member& m : {MEMBER(FixedFreq), MEMBER(RXBs), MEMBER(TXBs), MEMBER(TXPwrDAC)})
        m.set(s, m.get(result) == 0 ? 1 : 0);
    return s;
}

class RadioSpecTest : public ::testing::Test {
protected:
    RadioSpec radioFor(const QString& path) { return RadioSpec({path, Contact, &prompt, Title}); }
    RadioSpec radioFor(const TempDatabase& db) { return radioFor(db.Path()); }

    QString message(int number, const QString& description) const
    {
        return QStringLiteral("Error No: %1\r\r%2\r\rError Finding Database entry for the current Modem Type."
                              "\r\rCall Orvane Sypheral")
            .arg(number)
            .arg(description);
    }

    ScriptedPrompt prompt;
};

}  // namespace

TEST_F(RadioSpecTest, FillsEveryMemberFromTheRow)
{
    TempDatabase db({TempDatabase::CreateRadio(), TempDatabase::InsertRadio(30, 49)});
    RadioSpec s = radioFor(db);
    s.GetRadioSpec(39);

    const std::vector<std::pair<const char*, double>> expected{
        {"MaxTXFreq", 470.5},   {"MinTXFreq", 450.25},  {"MaxRXFreq", 469.75}, {"MinRXFreq", 451.125},
        {"FixedFreq", 1},       {"RefCrystal", 12.8e6}, {"PhaseFreq", 12500},  {"FirstIF", 45.1},
        {"SynthLockTime", 21},  {"SynthCtl", 70000},    {"TXPowA", 4.4},       {"TXPowB", 3.5},
        {"AlarmPowA", 2.25},    {"AlarmPowB", 5.0},     {"MinTXPower", 150},   {"MaxTXPower", 7000},
        {"RXBs", 0},            {"TXBs", 1},            {"TXPwrDAC", 1},       {"SynthType", 1},
        {"RadioType", 39},      {"MinAlarmPow", 0},     {"MaxAlarmPow", 4000},
    };
    ASSERT_EQ(expected.size(), readOrder().size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_STREQ(readOrder()[i].name, expected[i].first);
        EXPECT_DOUBLE_EQ(readOrder()[i].get(s), expected[i].second) << expected[i].first;
    }
    EXPECT_FALSE(s.ErrorCode);
    EXPECT_TRUE(prompt.Boxes().isEmpty());
}

TEST_F(RadioSpecTest, ZeroCoefficientsTakeTheirDefaults)
{
    const struct {
        const char *a, *b, *alarmA, *alarmB;
        double wantA, wantB, wantAlarmA, wantAlarmB;
    } cases[] = {
        {"0", "0", "0", "0", 4.4, 5.0, 4.4, 5.0},
        {"0", "3.5", "0", "0", 4.4, 3.5, 4.4, 5.0},
        {"4.6", "0", "2.5", "0", 4.6, 5.0, 2.5, 5.0},
        {"4.6", "5.2", "3.1", "2.2", 4.6, 5.2, 3.1, 2.2},
        {"0.5", "0.001", "0", "-0.5", 0.5, 0.001, 4.4, -0.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " " + c.b + " " + c.alarmA + " " + c.alarmB);
        const QMap<QString, QString> values{{QStringLiteral("TXPowA"), QString::fromLatin1(c.a)},
                                            {QStringLiteral("TXPowB"), QString::fromLatin1(c.b)},
                                            {QStringLiteral("AlarmPowA"), QString::fromLatin1(c.alarmA)},
                                            {QStringLiteral("AlarmPowb"), QString::fromLatin1(c.alarmB)}};
        TempDatabase db({TempDatabase::CreateRadio(), TempDatabase::InsertRadio(10, 20, values)});
        RadioSpec s = radioFor(db);
        s.GetRadioSpec(15);
        EXPECT_DOUBLE_EQ(s.TXPowA, c.wantA);
        EXPECT_DOUBLE_EQ(s.TXPowB, c.wantB);
        EXPECT_DOUBLE_EQ(s.AlarmPowA, c.wantAlarmA);
        EXPECT_DOUBLE_EQ(s.AlarmPowB, c.wantAlarmB);
    }
}

TEST_F(RadioSpecTest, FuncBitsSelectSwitchesDacAndSynthesiser)
{
    const struct {
        int func;
        bool txbs, rxbs, dac;
        int synthType;
    } cases[] = {
        {0, false, false, false, 0}, {1, true, false, false, 0},  {2, false, true, false, 0},
        {4, false, false, true, 0},  {7, true, true, true, 0},    {13, true, false, true, 1},
        {16, false, false, false, 2}, {24, false, false, false, 3}, {31, true, true, true, 3},
        {40, false, false, false, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.func);
        TempDatabase db({TempDatabase::CreateRadio(),
                         TempDatabase::InsertRadio(10, 255, {{QStringLiteral("Func"), QString::number(c.func)}})});
        RadioSpec s = radioFor(db);
        s.GetRadioSpec(200);
        EXPECT_EQ(s.TXBs, c.txbs);
        EXPECT_EQ(s.RXBs, c.rxbs);
        EXPECT_EQ(s.TXPwrDAC, c.dac);
        EXPECT_EQ(s.SynthType, c.synthType);
    }
}

TEST_F(RadioSpecTest, TypeRangesAreInclusiveAndTheFirstStoredRowWins)
{
    const QString wide = TempDatabase::InsertRadio(30, 49, {{QStringLiteral("MaxTXFreq"), QStringLiteral("470")}});
    const QString narrow = TempDatabase::InsertRadio(35, 40, {{QStringLiteral("MaxTXFreq"), QStringLiteral("430")}});
    const QString negative = TempDatabase::InsertRadio(-10, -1, {{QStringLiteral("MaxTXFreq"), QStringLiteral("1")}});
    const struct {
        const char* what;
        QStringList rows;
        int16_t type;
        double maxTX;  // 0: no row
    } cases[] = {
        {"lower bound", {wide}, 30, 470},   {"upper bound", {wide}, 49, 470},
        {"below", {wide}, 29, 0},           {"above", {wide}, 50, 0},
        {"wide first", {wide, narrow}, 39, 470}, {"narrow first", {narrow, wide}, 39, 430},
        {"only the wide", {narrow, wide}, 45, 470}, {"negative code", {wide, negative}, -5, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDatabase db(QStringList{TempDatabase::CreateRadio()} + c.rows);
        RadioSpec s = radioFor(db);
        s.GetRadioSpec(c.type);
        EXPECT_DOUBLE_EQ(s.MaxTXFreq, c.maxTX);
        EXPECT_EQ(s.SynthType, c.maxTX == 0 ? -1 : 1);
        EXPECT_FALSE(s.ErrorCode);
    }
    EXPECT_TRUE(prompt.Boxes().isEmpty());
}

TEST_F(RadioSpecTest, NoRowSetsOnlySynthType)
{
    TempDatabase db({TempDatabase::CreateRadio(), TempDatabase::InsertRadio(30, 49)});
    RadioSpec found = radioFor(db);
    found.GetRadioSpec(39);
    RadioSpec s = sentinel(found);
    s.ErrorCode = true;
    const RadioSpec before = s;

    s.GetRadioSpec(8);
    EXPECT_EQ(s.SynthType, -1);
    EXPECT_FALSE(s.ErrorCode);
    for (const Member& m : readOrder()) {
        if (std::string(m.name) == "SynthType") continue;
        EXPECT_EQ(m.get(s), m.get(before)) << m.name;
    }
    EXPECT_TRUE(prompt.Boxes().isEmpty());

    RadioSpec fresh = radioFor(db);
    fresh.GetRadioSpec(8);
    for (const Member& m : readOrder())
        EXPECT_EQ(m.get(fresh), std::string(m.name) == "SynthType" ? -1 : 0) << m.name;
}

TEST_F(RadioSpecTest, MissingOrUnusableDatabaseShowsTheMessage)
{
    TempDatabase folder;
    const QString missing = folder.PathIn(QStringLiteral("Modem.mdb"));
    TempDatabase noTable({QStringLiteral("create table other (x integer)")});
    const struct {
        const char* what;
        QString path;
        int number;
        QString description;
    } cases[] = {
        {"empty path", QString(), 3055, QStringLiteral("Not a valid file name.")},
        {"missing file", missing, 3024, QStringLiteral("Could not find file '%1'.").arg(missing)},
        {"no radio table", noTable.Path(), 3078,
         QStringLiteral("The database engine cannot find the input table or query 'radio'. Make sure it exists "
                        "and that its name is spelled correctly.")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        prompt.Clear();
        RadioSpec s = radioFor(c.path);
        s.SynthType = 2;
        s.GetRadioSpec(39);
        EXPECT_TRUE(s.ErrorCode);
        EXPECT_EQ(s.SynthType, 2);
        ASSERT_EQ(prompt.Boxes().size(), 1);
        const ScriptedPrompt::Box& box = prompt.Boxes().first();
        EXPECT_EQ(box.Text, message(c.number, c.description));
        EXPECT_EQ(box.Title, Title);
        EXPECT_EQ(box.Buttons, MsgButtons::OK);
        EXPECT_EQ(box.Icon, MsgIcon::None);
    }
    EXPECT_FALSE(QFileInfo::exists(missing)) << "the lookup must not create the database";
}

// A value the drivers cannot work with (a Null, a word, a number out of what the
// radio's arithmetic needs) stops the lookup at its column, named in the message.
TEST_F(RadioSpecTest, BadColumnStopsTheLookupKeepingWhatWasRead)
{
    TempDatabase good({TempDatabase::CreateRadio(), TempDatabase::InsertRadio(30, 49)});
    RadioSpec result = radioFor(good);
    result.GetRadioSpec(39);

    const struct {
        const char* column;
        const char* value;  // nullptr: the column is missing
        int number;
        const char* cause;        // the description, less the field, table and database it names
        const char* firstUnread;  // the first member that keeps its old value
    } cases[] = {
        {"MaxTXFreq", "NULL", 94, "Invalid use of Null", "MaxTXFreq"},
        {"FirstIF", "'abc'", 13, "Type mismatch", "FirstIF"},
        {"SynthLockTime", "70000", 6, "Value 70000 out of range (0 to 255)", "SynthLockTime"},
        {"Func", "NULL", 94, "Invalid use of Null", "TXPowA"},
        {"AlarmPowb", nullptr, 3265, nullptr, "AlarmPowB"},
        {"MinTxPower", "NULL", 94, "Invalid use of Null", "MinTXPower"},
        {"PhaseFreq", "0", 6, "Value 0 out of range (more than 0)", "PhaseFreq"},
        {"PhaseFreq", "-12500", 6, "Value -12500 out of range (more than 0)", "PhaseFreq"},
        {"PhaseFreq", "'nan'", 6, "Value nan out of range (more than 0)", "PhaseFreq"},
        {"RefCrystal", "0", 6, "Value 0 out of range (more than 0)", "RefCrystal"},
        {"MinTXFreq", "-1e999", 6, "Value -inf out of range (at least 0)", "MinTXFreq"},
        {"MaxRXFreq", "'inf'", 6, "Value inf out of range (at least 0)", "MaxRXFreq"},
        {"FirstIF", "1e999", 6, "Value inf out of range (a finite number)", "FirstIF"},
        {"SynthLockTime", "-1", 6, "Value -1 out of range (0 to 255)", "SynthLockTime"},
        {"SynthCtl", "3e9", 6, "Overflow", "SynthCtl"},
        {"TXPowA", "1e999", 6, "Value inf out of range (at least 0)", "TXPowA"},
        // The power curves take the square root of power times A.
        {"TXPowA", "-4.4", 6, "Value -4.4 out of range (at least 0)", "TXPowA"},
        {"AlarmPowA", "-1", 6, "Value -1 out of range (at least 0)", "AlarmPowA"},
        {"AlarmPowb", "'nan'", 6, "Value nan out of range (a finite number)", "AlarmPowB"},
        {"MinTxPower", "7001", 6, "Value 7001 out of range (0 to 7000)", "MinTXPower"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.column) + " " + (c.value ? c.value : "missing"));
        const QString column = QString::fromLatin1(c.column);
        const QStringList without = c.value ? QStringList() : QStringList{column};
        QMap<QString, QString> values;
        if (c.value) values[column] = QString::fromLatin1(c.value);
        TempDatabase db({TempDatabase::CreateRadio(without), TempDatabase::InsertRadio(30, 49, values, without)});

        prompt.Clear();
        RadioSpec s = radioFor(db);
        const RadioSpec old = sentinel(result);
        for (const Member& m : readOrder()) m.set(s, m.get(old));
        s.GetRadioSpec(39);

        EXPECT_TRUE(s.ErrorCode);
        ASSERT_EQ(prompt.Texts().size(), 1);
        const QString description =
            c.cause ? QStringLiteral("%1 in the field '%2' of the table 'radio' in test.mdb.").arg(c.cause, column)
                    : QStringLiteral("Item not found in this collection.");
        EXPECT_EQ(prompt.Texts().first(), message(c.number, description));

        // The coefficients get their defaults only after all four are read.
        const bool defaulted = std::string(c.column) == "MinTxPower";
        bool read = true;
        for (const Member& m : readOrder()) {
            if (std::string(m.name) == c.firstUnread) read = false;
            const std::string name = m.name;
            double want = read ? m.get(result) : m.get(old);
            if (read && !defaulted && name == "TXPowA") want = 0;  // the row's 0, not yet 4.4
            EXPECT_EQ(m.get(s), want) << name;
        }
    }
}

TEST_F(RadioSpecTest, ErrorCodeIsClearedByTheNextLookup)
{
    TempDatabase db({TempDatabase::CreateRadio(),
                     TempDatabase::InsertRadio(10, 19, {{QStringLiteral("PhaseFreq"), QStringLiteral("NULL")}}),
                     TempDatabase::InsertRadio(30, 49)});
    RadioSpec s = radioFor(db);
    s.GetRadioSpec(12);
    EXPECT_TRUE(s.ErrorCode);
    s.GetRadioSpec(39);
    EXPECT_FALSE(s.ErrorCode);
    EXPECT_DOUBLE_EQ(s.PhaseFreq, 12500);
    s.GetRadioSpec(12);
    s.GetRadioSpec(100);
    EXPECT_FALSE(s.ErrorCode) << "no row is not an error";
    EXPECT_EQ(prompt.Boxes().size(), 2);
}
