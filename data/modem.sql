-- The modem database (Modem.mdb): what each radio model can do, and the version
-- of the database that the programmer checks at start-up.
-- Built into the program's folder by the build; edit this text, never the file.

-- Later tables of this database, still to be added here:
--   Modem      the modem models and their defaults (row modemID 0 is the default modem)
--   packet     the packet settings offered for each modem model
--   brandlist  the brand names the programmer shows

CREATE TABLE Version (
    Version  INTEGER,
    Release  TEXT,
    "Date"   DATE
);

-- The programmer refuses any database whose first row is not version 3.
INSERT INTO Version (Version, Release, "Date") VALUES (3, '3.4', '2004-08-16');

-- One row per range of radio type codes, LowerType to hightype inclusive. A code in
-- two ranges gets the row stored first, so rows are kept in this order and the
-- table has no index that could change it.
--
-- Units: frequencies in MHz; RefCrystal and PhaseFreq in Hz, PhaseFreq being the
-- channel step (RefCrystal / PhaseFreq is the synthesiser's reference divider);
-- FirstIF in MHz (receive divider = (RX - FirstIF) / step); MinTxPower in mW.
-- SynthCtl is the synthesiser control word (below 65536), SynthLockTime the lock
-- time byte sent with each synthesiser load.
-- Func bits: 0 transmit band switch, 1 receive band switch, 2 power set by DAC,
-- 3-4 synthesiser family (0 900 MHz, 1 450 MHz, 2 200 MHz).
-- TXPowA/TXPowB turn mW into the radio's power byte; 0 takes the standard
-- curve (4.4 and 5.0), as do AlarmPowA/AlarmPowb.
CREATE TABLE radio (
    LowerType     INTEGER,
    hightype      INTEGER,
    MaxTXFreq     REAL,
    MinTXFreq     REAL,
    MaxRXFreq     REAL,
    MinRXFreq     REAL,
    FixedFreq     BOOLEAN,
    RefCrystal    REAL,
    PhaseFreq     REAL,
    FirstIF       REAL,
    SynthLockTime INTEGER,
    SynthCtl      INTEGER,
    Func          INTEGER,
    TXPowA        REAL,
    TXPowB        REAL,
    AlarmPowA     REAL,
    AlarmPowb     REAL,
    MinTxPower    INTEGER
);

INSERT INTO radio (LowerType, hightype, MaxTXFreq, MinTXFreq, MaxRXFreq, MinRXFreq, FixedFreq,
                   RefCrystal, PhaseFreq, FirstIF, SynthLockTime, SynthCtl, Func,
                   TXPowA, TXPowB, AlarmPowA, AlarmPowb, MinTxPower)
VALUES
-- Type 6: radio built into the modem, transmits 924-934 MHz and receives 76 MHz
-- lower. One synthesiser on a 12 MHz / 960 raster sets both frequencies, so the
-- receive frequency is fixed by the transmit one.
    (6, 6,   934.0, 924.0,  858.0, 848.0,  1,  12000000, 12500, 45.0,  0, 0,      0,   0,   0,   0, 0,   0),
-- Type 7: the built-in radio the other way round, transmits 848-858 MHz and
-- receives 924-934 MHz.
    (7, 7,   858.0, 848.0,  934.0, 924.0,  1,  12000000, 12500, 45.0,  0, 0,      0,   0,   0,   0, 0,   0),
-- Types 10-19: 900 MHz external radio (Moskar), 928-960 MHz on 12.5 kHz channels,
-- 12.8 MHz reference / 1024; band switches and DAC power; standard power curve.
    (10, 19, 960.0, 928.0,  960.0, 928.0,  0,  12800000, 12500, 45.0, 20, 40064,  7,   0,   0,   0, 0, 100),
-- Types 20-29: 900 MHz narrow-band radio (Moskar), 896-902 MHz on 6.25 kHz channels,
-- 12.8 MHz / 2048; its transmit divider needs the 18th bit; own power curve.
    (20, 29, 902.0, 896.0,  902.0, 896.0,  0,  12800000,  6250, 45.0, 25, 40096,  7, 4.2, 4.8,   0, 0, 100),
-- Types 30-49: 450 MHz external radio (Lumbrel), 450-470 MHz on 12.5 kHz channels,
-- 12.8 MHz / 1024; transmit band switch and DAC power; own power curve.
    (30, 49, 470.0, 450.0,  470.0, 450.0,  0,  12800000, 12500, 45.0, 15, 16596, 13, 4.6, 5.2,   0, 0, 100),
-- Types 50-59: 400 MHz narrow-band radio (Lumbrel), 403-430 MHz on 6.25 kHz
-- channels, 12.8 MHz / 2048; both band switches and DAC power; standard curve.
    (50, 59, 430.0, 403.0,  430.0, 403.0,  0,  12800000,  6250, 45.0, 15, 16628, 15,   0,   0,   0, 0, 100),
-- Types 60-69: 200 MHz external radio (Rudvik), 216-225 MHz on 12.5 kHz channels,
-- 21.4 MHz first IF; high/low power switch only, so the power curve is unused.
    (60, 69, 225.0, 216.0,  225.0, 216.0,  0,  12800000, 12500, 21.4, 10, 0,     16,   0,   0,   0, 0, 100);
