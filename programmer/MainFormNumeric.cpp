// The five numeric boxes: each commits its text into the configuration under
// the edit pattern and shows the stored value back.
#include "MainForm.h"

#include "DisplayFormat.h"
#include "NumericBox.h"
#include "RuntimeError.h"
#include "VbNumbers.h"

namespace {

constexpr int FrequencyLength = 10;
constexpr int IntegerLength = 9;
constexpr double BuiltInOffset = 76.0;

}  // namespace

template <typename Store>
void MainForm::commitBox(NumericBox* box, int length, Store store)
{
    Backup();
    QString text = box->text();
    if (text.size() > length) {
        text = text.left(length);
        box->setText(text);
    }
    if (text.isEmpty()) {
        box->setFocus();
    } else {
        try {
            store(text);
        } catch (const RuntimeError& error) {
            // A number the member cannot hold is refused like a value out of limits.
            ShowError(error);
            CurrentModem.RestoreFrom(BackupModem);
            SetDisplay();
            StopWrite = true;
            return;
        }
    }
    Validate();
}

void MainForm::TransFreq_LostFocus()
{
    commitBox(TransFreq, FrequencyLength, [this](const QString& text) {
        ModemSetting& m = CurrentModem;
        m.TXRadio.TXFreq = vb::Val(text);
        TransFreq->setText(DisplayFormat::Frequency(m.TXRadio.TXFreq));
        // A built-in radio pair receives a fixed distance from where it transmits.
        if (!m.ExtRF && m.ModemType == 6) {
            m.RXRadio.RXFreq = m.TXRadio.TXFreq - BuiltInOffset;
            RXFreq->setText(DisplayFormat::Frequency(m.RXRadio.RXFreq));
        } else if (!m.ExtRF && m.ModemType == 7) {
            m.RXRadio.RXFreq = m.TXRadio.TXFreq + BuiltInOffset;
            RXFreq->setText(DisplayFormat::Frequency(m.RXRadio.RXFreq));
        }
    });
}

void MainForm::RXFreq_LostFocus()
{
    commitBox(RXFreq, FrequencyLength, [this](const QString& text) {
        CurrentModem.RXRadio.RXFreq = vb::Val(text);
        RXFreq->setText(DisplayFormat::FrequencyWithZero(CurrentModem.RXRadio.RXFreq));
    });
}

void MainForm::PTTTime_LostFocus()
{
    commitBox(PTTTime, IntegerLength, [this](const QString& text) {
        CurrentModem.PTTTimeout = vb::CLng(vb::Val(text));
        PTTTime->setText(QString::number(CurrentModem.PTTTimeout));
    });
}

void MainForm::TXDelay_LostFocus()
{
    commitBox(TXDelay, IntegerLength, [this](const QString& text) {
        CurrentModem.TXRadio.TXDelay = vb::CLng(vb::Val(text));
        TXDelay->setText(QString::number(CurrentModem.TXRadio.TXDelay));
    });
}

void MainForm::RSSI_LostFocus()
{
    commitBox(RSSI, IntegerLength, [this](const QString& text) {
        CurrentModem.RSSI = vb::CLng(vb::Val(text));
        RSSI->setText(QString::number(CurrentModem.RSSI));
    });
}
