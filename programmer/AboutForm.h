#pragma once

#include <QDialog>

class DataControl;
class QLabel;
class QPushButton;

// The program's version and the database's version, release and date.
class AboutForm : public QDialog {
public:
    AboutForm(DataControl& versionData, QWidget* parent = nullptr);

    QLabel* Image;
    QLabel* WWWAddress;
    QLabel* VersionLabel;
    QLabel* DBVersion;
    QLabel* DBRelease;
    QLabel* DBDate;
    QPushButton* OK;

private:
    void Form_Load();
    void OK_Click();

    DataControl& versionData_;
};
