#include "WizardFixture.h"

#include "StartModule.h"

#include <QApplication>

WizardFixture::WizardFixture(const ModemSetting& start) : modem(start)
{
    StartModule::SetStartValues();
    wizard.AppFolder = db.Folder();
}

void WizardFixture::Open(int page)
{
    int16_t type = 0;
    int16_t start = int16_t(page);
    wizard.StartUpWizard(type, start);
    wizard.show();
    QApplication::processEvents();
}
