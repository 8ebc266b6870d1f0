#include "ScriptedPort.h"

#include "FakeClock.h"

ScriptedPort::ScriptedPort(FakeClock& clock) : clock_(clock) {}

void ScriptedPort::pump() { stream_.TakeDue(clock_.NowMs(), input_); }

int ScriptedPort::InBufferCount()
{
    pump();
    return int(input_.size());
}

void ScriptedPort::setInBufferCount(int count)
{
    pump();
    if (count == 0) input_.clear();
}

void ScriptedPort::StreamOnCr(const QByteArray& pattern, int intervalMs)
{
    streamOnCr_ = pattern;
    streamIntervalMs_ = intervalMs;
}

QByteArray ScriptedPort::Input()
{
    pump();
    const int n = InputLen() > 0 ? InputLen() : int(input_.size());
    QByteArray data = input_.left(n);
    input_.remove(0, data.size());
    return data;
}

void ScriptedPort::Output(const QByteArray& data)
{
    sent_.append(data);
    for (char c : data) {
        if (c != '\r') continue;
        if (!replies_.empty()) {
            input_.append(replies_.front());
            replies_.pop_front();
        } else if (!streamOnCr_.isEmpty()) {
            stream_.Start(streamOnCr_, streamIntervalMs_, clock_.NowMs());
            streamOnCr_.clear();
        }
    }
}

bool ScriptedPort::WaitForInput(int ms)
{
    pump();
    if (input_.isEmpty()) {
        const int64_t deadline = clock_.NowMs() + ms;
        const int64_t next = stream_.NextDueMs();
        clock_.AdvanceTo(next >= 0 && next < deadline ? next : deadline);
        pump();
    }
    return !input_.isEmpty();
}

QByteArray ScriptedPort::Framed(const QByteArray& body)
{
    int sum = 0;
    for (char c : body) sum ^= uint8_t(c);
    return body + QByteArray::number(sum, 16).rightJustified(2, '0').toUpper() + '\r';
}
