#include "DataControl.h"

#include "DatabaseError.h"

DataControl::DataControl(const QString& name, QObject* parent) : QObject(parent) { setObjectName(name); }

void DataControl::Refresh()
{
    if (!database_ || openName_ != DatabaseName) {
        records_.reset();
        database_.reset();
        database_.emplace(Database::OpenDatabase(DatabaseName, true));
        openName_ = DatabaseName;
    }
    records_.reset();
    records_.emplace(database_->OpenRecordset(RecordSource));
}

bool DataControl::HasRecords() const { return records_ && records_->RecordCount() != 0; }

bool DataControl::Eof() const { return !records_ || records_->Eof(); }

void DataControl::MoveFirst()
{
    if (!records_) throw DatabaseError::noCurrentRecord();
    records_->MoveFirst();
}

void DataControl::MoveNext()
{
    if (!records_) throw DatabaseError::noCurrentRecord();
    records_->MoveNext();
}

QVariant DataControl::Field(const QString& name) const
{
    if (!records_) throw DatabaseError::noCurrentRecord();
    return records_->Field(name);
}

CheckedRow DataControl::Row(const QString& table) const
{
    if (!records_) throw DatabaseError::noCurrentRecord();
    return CheckedRow(*records_, table);
}
