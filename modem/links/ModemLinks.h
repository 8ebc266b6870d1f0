#pragma once

#include "ModemComm.h"
#include "ModemCommands.h"
#include "ModemWrite.h"
#include "RadioComm.h"
#include "RadioCommands.h"
#include "RadioWrite.h"

class LibraryContext;

// The two serial links and their command sets, as one control owns them.
class ModemLinks {
public:
    explicit ModemLinks(LibraryContext& context)
        : context_(context), Comm(context), Commands(Comm), Writer(Commands), Radio(context), RadioCmds(Radio),
          RadioWriter(RadioCmds)
    {
    }

    LibraryContext& context() const { return context_; }

private:
    LibraryContext& context_;

public:
    ModemComm Comm;
    ModemCommands Commands;
    ModemWrite Writer;
    RadioComm Radio;
    RadioCommands RadioCmds;
    RadioWrite RadioWriter;
};
