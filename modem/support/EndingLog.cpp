#include "EndingLog.h"

#include <cerrno>
#include <syslog.h>
#include <unistd.h>

void EndingLog::Write(const QString& text)
{
    const QByteArray line = QByteArray(program_invocation_short_name) + ": " + text.toUtf8() + '\n';
    // One write, unbuffered: the process may be about to go.
    [[maybe_unused]] const ssize_t n = ::write(STDERR_FILENO, line.constData(), size_t(line.size()));
    ::syslog(LOG_USER | LOG_ERR, "%s", text.toUtf8().constData());
}
