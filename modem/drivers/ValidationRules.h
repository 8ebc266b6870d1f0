#pragma once

#include <QStringList>
#include <vector>

class ModemSetting;

// The modem-wide rules a configuration must pass before it may be written, in
// the order they are checked.
class ValidationRules {
public:
    struct Rule {
        bool (*Fails)(const ModemSetting&);
        // Empty for a rule that rejects without a message.
        const char* Message;
    };

    static const std::vector<Rule>& Rules();

    // The messages of every failed rule, in order; a rule without a message adds an
    // empty text, so the count tells how many rules failed.
    static QStringList Failures(const ModemSetting& setting);

    static const QString Title;

    // A limit check that a non-finite number fails too (NaN compares false both ways).
    static bool Outside(double value, double low, double high) { return !(value >= low && value <= high); }
};
