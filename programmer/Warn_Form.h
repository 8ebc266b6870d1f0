#pragma once

#include <QDialog>
#include <functional>

class MainForm;
class QFrame;
class QPlainTextEdit;
class QPushButton;

// The regulatory warning shown at every start.
class Warn_Form : public QDialog {
public:
    // random draws from 0 (included) to 1 (excluded); the real one is seeded from the clock.
    Warn_Form(MainForm& mainForm, std::function<double()> random = {}, QWidget* parent = nullptr);

    static QString WarningText();

    QFrame* Panel3D1;
    QPlainTextEdit* Warning_Box;
    QPushButton* AcceptButon;
    QPushButton* CloseButon;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void Form_Load();
    void AcceptButon_Click();
    void CloseButon_Click();

    MainForm& mainForm_;
    std::function<double()> random_;
    bool unloading_ = false;
};
