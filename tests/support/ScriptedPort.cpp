#include "ScriptedPort.h"

#include "FakeClock.h"

ScriptedPort::ScriptedPort(FakeClock& clock) : clock_(clock) {}

QByteArray ScriptedPort::Input()
{
    const int n = InputLen() > 0 ? InputLen() : int(input_.size());
    QByteArray data = input_.left(n);
    input_.remove(0, data.size());
    return data;
}

void ScriptedPort::Output(const QByteArray& data)
{
    sent_.append(data);
    for (char c : data) {
        if (c == '\r' && !replies_.empty()) {
            input_.append(replies_.front());
            replies_.pop_front();
        }
    }
}

bool ScriptedPort::WaitForInput(int ms)
{
    if (input_.isEmpty()) clock_.Advance(ms);
    return !input_.isEmpty();
}

QByteArray ScriptedPort::Framed(const QByteArray& body)
{
    int sum = 0;
    for (char c : body) sum ^= uint8_t(c);
    return body + QByteArray::number(sum, 16).rightJustified(2, '0').toUpper() + '\r';
}
