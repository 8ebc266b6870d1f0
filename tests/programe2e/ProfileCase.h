#pragma once

#include "ModemImage.h"

#include <QString>
#include <ostream>
#include <vector>

// One simulator profile: what the main window shows once it has read the modem,
// an edit with the bytes it must change, and a frequency the modem refuses.
struct ProfileCase {
    const char* profile;       // sim/profiles/<profile>.profile
    const char* expectedRead;  // tests/e2e/expected/<expectedRead>.txt, null when there is none
    bool startsOff;            // says nothing until it is power-cycled

    // The display after a read.
    const char* statusBar[5];
    const char* duplex;
    const char* txType;
    const char* rxType;
    const char* txSerial;
    const char* rxSerial;
    const char* transFreq;
    const char* rxFreq;
    bool externalRadios;  // the receiver's frame and box are enabled
    bool rxTrim;
    bool txTrim;
    const char* trimCaption;
    bool handNone;  // port A's "None" handshake is offered

    // An edit: a frequency typed into a box and two options clicked.
    const char* box;
    const char* frequency;
    const char* frequencyShown;  // the box's text after the commit
    std::vector<ByteValue> frequencyBytes;
    std::vector<const char*> clicks;
    std::vector<ByteValue> clickBytes;
    // Bytes the read itself stores (a type the modem did not hold).
    std::vector<ByteValue> readBytes;

    // A transmit frequency outside the radio's band, and the refusal's text.
    const char* outOfBand;
    const char* refusal;

    // The captions of the model's port formats (ADefLabel1, ADefLabel2, BDefLabel1,
    // BDefLabel2); null for those of the 12.5 kHz models.
    const char* const* formatCaptions = nullptr;

    QString ProfilePath() const;
    QString ExpectedReadPath() const;
};

const std::vector<ProfileCase>& ProfileCases();

// Test names hold no "-": builtin_high for builtin-high.
std::string CaseName(const ProfileCase& c);
void PrintTo(const ProfileCase& c, std::ostream* os);
