#pragma once

#include "DataType.h"

#include <QString>
#include <QVariant>
#include <functional>
#include <vector>

class ModemSetting;
class RadioSpec;

// The 74 fields of a configuration file, each declared once: its place in the
// table, its name and type, the member it holds with that member's conversion,
// and how the open command and the defaults reader take it.
class ConfigurationFields {
public:
    enum class OnOpen {
        Required,  // missing, Null or out of range raises
        Optional,  // missing, Null or out of range keeps Default
        NotRead,   // the format version: checked on its own
    };
    enum class InDefaults {
        Skipped,
        Read,
        BandCentre,  // set to the centre of the radio's band instead
    };

    struct Field {
        // Place in the table, from 1: the order the file creates its fields in.
        int Column;
        // As created; the readers find it without regard to case.
        QString Name;
        DataType Type;
        // The value the field takes from a configuration: texts never Null.
        std::function<QVariant(const ModemSetting&)> Stored;
        // Gives the member the stored value, converted to the member's type
        // (raises as the conversion does). Empty for the format version.
        std::function<void(ModemSetting&, const QVariant&)> Load;
        OnOpen Open;
        QVariant Default;
        InDefaults Defaults;
        // What the open command does next, once the field is read.
        void (*AfterOpen)(ModemSetting&, RadioSpec&) = nullptr;
        // The band centre of a defaults file.
        void (*Centre)(ModemSetting&, RadioSpec&) = nullptr;
    };

    // In the order the open command reads them (the defaults reader takes a part
    // of it in the same order).
    static const std::vector<Field>& InReadingOrder();
    // In the order of Column.
    static const std::vector<Field>& InFileOrder();
};
