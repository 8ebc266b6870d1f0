#pragma once

#include <QList>
#include <QString>
#include <cstdint>
#include <optional>

class ModemSetting;
class PortSetting;

// The texts of the printed configuration sheet, free of any window: each label
// the Print command fills, with its text and whether it shows.
class PrintSheet {
public:
    // A port's two default packet presets of the modem's row in Modem.mdb; a
    // preset the row leaves Null matches no packet.
    struct Presets {
        std::optional<int16_t> Setting1;
        std::optional<int16_t> Setting2;
        QString Text1;
        QString Text2;
    };
    struct Label {
        QString Name;
        QString Text;
        bool Visible = true;
    };

    // Fills the labels in the command's order. The ports' Packet numbers must be
    // up to date. Raises "Overflow" for a trim product outside 16 bits and "Invalid
    // procedure call or argument" for the logarithm of a negative power.
    PrintSheet(const ModemSetting& modem, const Presets& portA, const Presets& portB);

    const QList<Label>& Labels() const { return labels_; }
    // The label of that name; an empty, hidden one for a name the sheet does not fill.
    Label Find(const QString& name) const;

    // The formats of the sheet's numbers.
    // " ##00": a blank and at least two digits, the sign before the blank.
    static QString TrimText(int32_t product);
    // "##.0": one decimal, no integer digit below 1.
    static QString OneDecimal(double value);
    // A number with a sign position: a blank for zero and positive numbers.
    static QString Signed(int32_t value);

private:
    void add(const QString& name, const QString& text, bool visible = true);
    void addPort(const PortSetting& port, const Presets& presets, const QString& packetLabel,
                 const QString& liveLabel);

    QList<Label> labels_;
};
