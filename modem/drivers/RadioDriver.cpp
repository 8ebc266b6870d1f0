#include "RadioDriver.h"

#include "LibraryContext.h"
#include "ModemLinks.h"
#include "ProgressView.h"

RadioDriver::RadioDriver(ModemLinks& links) : links_(links) {}

void RadioDriver::Initialize(int16_t RType)
{
    const LibraryContext& context = links_.context();
    RadSpec = RadioSpec(RadioSpecSource{context.DatabasePath, context.ContactName, &context.prompt(),
                                        LibraryContext::DefaultTitle});
    RadSpec.GetRadioSpec(RType);
}

void RadioDriver::CheckWriteValues(const RadioSetting&, int) const {}

void RadioDriver::AddProgress(int percent) const
{
    ProgressView& progress = links_.context().progress();
    progress.SetValue(progress.Value() + percent);
    progress.Repaint();
}
