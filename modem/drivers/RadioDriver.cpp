#include "RadioDriver.h"

#include "LibraryContext.h"
#include "ModemLinks.h"
#include "ProgressView.h"
#include "RuntimeError.h"

RadioDriver::RadioDriver(ModemLinks& links, const char* unrecoverableSuffix)
    : links_(links), unrecoverableSuffix_(unrecoverableSuffix)
{
}

void RadioDriver::Initialize(int16_t RType)
{
    const LibraryContext& context = links_.context();
    RadSpec = RadioSpec(RadioSpecSource{context.DatabasePath, context.ContactName, &context.prompt(),
                                        LibraryContext::DefaultTitle});
    RadSpec.GetRadioSpec(RType);
}

bool RadioDriver::WriteRadioSetting(SerialPort& Comm, RadioSetting& RadioSet, int TXRX, bool& FreqTrimWritten)
{
    FreqTrimWritten = true;
    RadioWritePlan planned;
    try {
        WritePlan plan(links_.Commands);
        ModemWrite::Planning planning(links_.Writer, plan);
        planned = PlanRadioWrite(Comm, RadioSet, TXRX, plan);
    } catch (const RuntimeError&) {
        unrecoverable(Comm);
        return false;
    }
    return SendRadioWrite(Comm, RadioSet, TXRX, planned, FreqTrimWritten);
}

void RadioDriver::unrecoverable(SerialPort& Comm) const
{
    links_.Comm.OpenModemPort(Comm);
    const LibraryContext& context = links_.context();
    context.MsgBox(QStringLiteral("Unrecoverable Error, Contact ") + context.ContactName +
                   QLatin1String(unrecoverableSuffix_));
}

void RadioDriver::AddProgress(int percent) const
{
    ProgressView& progress = links_.context().progress();
    progress.SetValue(progress.Value() + percent);
    progress.Repaint();
}
