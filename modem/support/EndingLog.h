#pragma once

#include <QString>

// Where a message goes when no window can show it or nobody is there to answer
// one (the program ended from outside, the display gone): the standard error and
// the system's journal.
class EndingLog {
public:
    static void Write(const QString& text);
};
