#pragma once

#include <QDialog>
#include <cstdint>

class OuterSize;
class QLabel;
class QPushButton;
class QSlider;
class RadioSetting;

// Sets the frequency trim of one radio on a slider, in trim steps shown in Hz.
// Each move is stored in the radio's record at once; there is no Cancel.
class FreqTrim : public QDialog {
public:
    explicit FreqTrim(QWidget* parent = nullptr);

    // Set by the main window before the window is shown.
    RadioSetting* Setting = nullptr;
    // 0 trims the transmit side (TXFreqTrim, TXTrimGain), 1 the receive side.
    int16_t TXRX = 0;
    // One radio sends and receives: the receive trim of Partner follows the
    // transmit trim as it moves.
    bool HDX = false;
    RadioSetting* Partner = nullptr;
    bool Adjustable = false;

    // Lays the window out from the members.
    void SetDisplay();

    QSlider* TrimBar;
    QLabel* TrimLabel;
    QLabel* Label1;
    QPushButton* Finish;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void TrimBar_Change();
    int16_t& trim() const;
    int16_t gain() const;
    void showTrim(int value);

    // The display is being set: a position the range forces is not a user's move.
    bool displaying_ = false;
    int outerWidth_ = 0;
    OuterSize* outer_;
};
