#pragma once

#include <QDialog>

class MainForm;
class QGroupBox;
class QPushButton;
class QRadioButton;

// Switches a transmitter that has only a high and a low power level. A choice
// goes into the configuration at once, under the main window's edit pattern.
class AdjHL : public QDialog {
public:
    explicit AdjHL(MainForm& main);

    // Marks the level the configuration holds; marking runs the option's handler.
    void SetDisplay();
    void TransHigh_Click();
    void TransLow_Click();

    QGroupBox* Frame1;
    QRadioButton* TransHigh;
    QRadioButton* TransLow;
    QPushButton* Finish;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void choose(bool high);

    MainForm& main_;
};
