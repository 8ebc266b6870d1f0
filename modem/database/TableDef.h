#pragma once

#include "DataType.h"

#include <QList>
#include <QString>

// A field of a table definition: a name and a type, no size, not required, no default.
struct FieldDef {
    QString Name;
    DataType Type;
};

// A table being defined: its name and its fields in the order they were appended.
// Nothing is written until the definition is appended to a database.
class TableDef {
public:
    explicit TableDef(const QString& name);

    // A field of this table's kind; it belongs to the table once appended.
    static FieldDef CreateField(const QString& name, DataType type) { return {name, type}; }
    // Raises "Cannot define field more than once." for a name the table already
    // has (case does not matter).
    void AppendField(const FieldDef& field);

    const QString& Name() const { return name_; }
    const QList<FieldDef>& Fields() const { return fields_; }
    // The statement that creates the table: the fields in order, no key, no index.
    QString CreateStatement() const;

private:
    QString name_;
    QList<FieldDef> fields_;
};
