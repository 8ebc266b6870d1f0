#pragma once

#include <QString>
#include <QVariant>
#include <cstdint>
#include <limits>

class Recordset;

// The current row of a record set over one of the program's own databases, read
// the way the code uses each value. A Null, a value of the wrong type, a number
// that is not finite or one outside the range the caller needs raises an error
// that names the field, the table and the database, so that a damaged database
// is never mistaken for a fault of the modem or of a configuration file.
class CheckedRow {
public:
    // The numbers a field may hold: finite, and within the bounds.
    struct Range {
        double Lowest = -std::numeric_limits<double>::max();
        double Highest = std::numeric_limits<double>::max();
        bool LowestIncluded = true;

        static Range Any() { return {}; }
        static Range AtLeast(double lowest) { return {lowest}; }
        static Range Between(double lowest, double highest) { return {lowest, highest}; }
        // More than lowest (not equal to it), at most highest.
        static Range Above(double lowest, double highest = std::numeric_limits<double>::max())
        {
            return {lowest, highest, false};
        }
        bool Holds(double value) const;
        QString Text() const;
    };

    // The table is named by the caller: a query's record set does not know it.
    CheckedRow(const Recordset& rows, const QString& table);

    double Double(const QString& field, const Range& range = Range::Any()) const;
    int16_t Int16(const QString& field, const Range& range = Range::Any()) const;
    int32_t Int32(const QString& field, const Range& range = Range::Any()) const;
    bool Boolean(const QString& field) const;
    // Any value as text; a Null raises.
    QString Text(const QString& field) const;
    // Text, with a Null as the empty text.
    QString TextOrEmpty(const QString& field) const;
    bool IsNull(const QString& field) const;

    const QString& Database() const { return database_; }
    const QString& Table() const { return table_; }

private:
    QVariant value(const QString& field) const;
    // The field's number, finite and within the range.
    double number(const QString& field, const Range& range) const;
    [[noreturn]] void fail(const QString& field, int number, const QString& cause) const;

    const Recordset& rows_;
    QString database_;
    QString table_;
};
