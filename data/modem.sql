-- The modem database (Modem.mdb): what each radio model can do, and the version
-- of the database that the programmer checks at start-up.
-- Built into the program's folder by the build; edit this text, never the file.

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

-- The packet presets: how a user port cuts its input into radio packets. A port's
-- packet fields are looked up here after every read of a modem, so a preset must
-- come back from the modem exactly as it was written:
--   * InputTimer, EOMChar and MaxFrame are one byte each in the modem (0..255).
--   * No preset is SLIP: the modem does not keep those three bytes for a SLIP port,
--     and SLIP is refused together with XON/XOFF flow control, which both ports
--     offer, so a SLIP preset could be chosen and then fail.
--   * A live port comes back live only while its streams are neither translated
--     nor repeated: the live flag is never written for those.
-- The Booleans are 1 and 0, never text: the programmer looks presets up with
-- "ISEOMEnable=True ... and slip=False", and SQLite (3.23 and later) reads the
-- words TRUE and FALSE as 1 and 0. For the same reason no column may be named
-- True or False. PacketID 0 means a port's own values and is never stored.
-- The six packet fields differ between any two rows, so a port matches one
-- row at most.
CREATE TABLE packet (
    PacketID     INTEGER,
    InputTimer   INTEGER,
    EOMChar      INTEGER,
    ISEOMEnable  BOOLEAN,
    Slip         BOOLEAN,
    ISLive       BOOLEAN,
    MaxFrame     INTEGER
);

INSERT INTO packet (PacketID, InputTimer, EOMChar, ISEOMEnable, Slip, ISLive, MaxFrame)
VALUES
-- What a modem holds as delivered: a pause in the input or a full frame ends a
-- packet. A modem read unchanged shows this preset chosen.
    (1, 10, 13, 0, 0, 0, 255),
-- Line-based devices: a carriage return ends the packet at once.
    (2, 10, 13, 1, 0, 0, 255),
-- Line-based devices that end their lines with a line feed only.
    (3, 10, 10, 1, 0, 0, 255),
-- The delivered settings with live frames on.
    (4, 10, 13, 0, 0, 1, 255),
-- Polling masters with short messages: a short pause ends the packet, and short
-- frames keep one slow reply from holding the channel.
    (5,  3, 13, 0, 0, 0,  64),
-- The rows from 6 on are offered only through the interface brands (brandlist).
-- SLIP framing: the frame's own end marks the packet. The modem keeps none of the
-- three numbers of a SLIP port and never a live flag, so they are 0 here and the
-- row comes back from the modem as written. A SLIP port needs hardware or no flow
-- control, which is why no model offers this row as a preset.
    (6,  0,  0, 0, 1, 0,   0),
-- Controllers that end each message with ETX.
    (7, 10,  3, 1, 0, 0, 255),
-- Gateways that stream live frames and end each message with a carriage return.
    (8,  5, 13, 1, 0, 1, 128),
-- Meters that end each message with EOT and pause between them.
    (9, 20,  4, 1, 0, 0, 255);

-- One row per range of modem (build) types, TypeNolower to typenoupper inclusive;
-- the programmer takes the row whose range holds the modem's type, so ranges do not
-- overlap. Row modemID 0 is shown before any modem is read, and also serves type 0.
-- Every type the control accepts (0, 6, 7, 10 to 69) has a row.
--
-- Each port has two character formats (speed code, data bits, parity code, stop
-- bits; speed 1 1200, 2 2400, 3 4800, 4 9600, 5 19200; parity 0 N, 1 O, 2 E) and
-- two packet presets (PacketID of table packet), each with the caption shown beside
-- it; a format's caption is its text as the configuration sheet prints it.
-- Packet1 to Packet5 are the five presets of the packet dialog, by caption and
-- PacketID. No default is 19200: port B can never run at it, and port A only
-- while port B is off, which a default cannot know.
--
-- The first format of each port is what a modem holds as delivered (9600,N,8,1),
-- so a modem read unchanged shows it chosen. The narrow-band models (6.25 kHz
-- channels) carry half the data of a 12.5 kHz channel, so their ports start at 4800.
CREATE TABLE Modem (
    modemID           INTEGER,
    TypeNolower       INTEGER,
    typenoupper       INTEGER,
    ACommDefSpeed1    INTEGER,
    ACommDefData1     INTEGER,
    ACommDefParity1   INTEGER,
    ACommDefStop1     INTEGER,
    ACommDefSpeed2    INTEGER,
    ACommDefData2     INTEGER,
    ACommDefParity2   INTEGER,
    ACommDefStop2     INTEGER,
    BCommDefSpeed1    INTEGER,
    BCommDefData1     INTEGER,
    BCommDefParity1   INTEGER,
    BCommDefStop1     INTEGER,
    BCommDefSpeed2    INTEGER,
    BCommDefData2     INTEGER,
    BCommDefParity2   INTEGER,
    BCommDefStop2     INTEGER,
    ACommDefText1     TEXT,
    ACommDefText2     TEXT,
    BCommDefText1     TEXT,
    BCommDefText2     TEXT,
    APackDefSetting1  INTEGER,
    APackDefSetting2  INTEGER,
    BPackDefSetting1  INTEGER,
    BPackDefSetting2  INTEGER,
    APackDefText1     TEXT,
    APackDefText2     TEXT,
    BPackDefText1     TEXT,
    BPackDefText2     TEXT,
    Packet1           TEXT,
    Packet2           TEXT,
    Packet3           TEXT,
    Packet4           TEXT,
    Packet5           TEXT,
    Packet1Setting    INTEGER,
    Packet2Setting    INTEGER,
    Packet3Setting    INTEGER,
    Packet4Setting    INTEGER,
    Packet5Setting    INTEGER
);

INSERT INTO Modem (modemID, TypeNolower, typenoupper,
                   ACommDefSpeed1, ACommDefData1, ACommDefParity1, ACommDefStop1,
                   ACommDefSpeed2, ACommDefData2, ACommDefParity2, ACommDefStop2,
                   BCommDefSpeed1, BCommDefData1, BCommDefParity1, BCommDefStop1,
                   BCommDefSpeed2, BCommDefData2, BCommDefParity2, BCommDefStop2,
                   ACommDefText1, ACommDefText2, BCommDefText1, BCommDefText2,
                   APackDefSetting1, APackDefSetting2, BPackDefSetting1, BPackDefSetting2,
                   APackDefText1, APackDefText2, BPackDefText1, BPackDefText2,
                   Packet1, Packet2, Packet3, Packet4, Packet5,
                   Packet1Setting, Packet2Setting, Packet3Setting, Packet4Setting, Packet5Setting)
VALUES
-- The default modem, before any is read: as delivered, and 4800 as the alternative.
    (0,  0,  0,
        4, 8, 0, 1,   3, 8, 0, 1,
        4, 8, 0, 1,   3, 8, 0, 1,
        '9600,N,8,1', '4800,N,8,1', '9600,N,8,1', '4800,N,8,1',
        1, 2, 1, 2,
        'Timer Ends Frame', 'CR Ends Frame', 'Timer Ends Frame', 'CR Ends Frame',
        'Timer Ends Frame', 'CR Ends Frame', 'LF Ends Frame', 'Live Frame', 'Short Frames',
        1, 2, 3, 4, 5),
-- Types 6-7: built-in 900 MHz radio on 12.5 kHz channels. Port A also offers
-- 7 data bits with even parity for ASCII protocols; port B 1200 for slow devices.
    (1,  6,  7,
        4, 8, 0, 1,   4, 7, 2, 1,
        4, 8, 0, 1,   1, 8, 0, 1,
        '9600,N,8,1', '9600,E,7,1', '9600,N,8,1', '1200,N,8,1',
        1, 2, 1, 2,
        'Timer Ends Frame', 'CR Ends Frame', 'Timer Ends Frame', 'CR Ends Frame',
        'Timer Ends Frame', 'CR Ends Frame', 'LF Ends Frame', 'Live Frame', 'Short Frames',
        1, 2, 3, 4, 5),
-- Types 10-19: external 900 MHz radio on 12.5 kHz channels; as the built-in units.
    (2, 10, 19,
        4, 8, 0, 1,   4, 7, 2, 1,
        4, 8, 0, 1,   1, 8, 0, 1,
        '9600,N,8,1', '9600,E,7,1', '9600,N,8,1', '1200,N,8,1',
        1, 2, 1, 2,
        'Timer Ends Frame', 'CR Ends Frame', 'Timer Ends Frame', 'CR Ends Frame',
        'Timer Ends Frame', 'CR Ends Frame', 'LF Ends Frame', 'Live Frame', 'Short Frames',
        1, 2, 3, 4, 5),
-- Types 20-29: external 900 MHz narrow-band radio; 4800 first, 9600 for devices
-- that cannot be slowed down.
    (3, 20, 29,
        3, 8, 0, 1,   4, 8, 0, 1,
        3, 8, 0, 1,   1, 8, 0, 1,
        '4800,N,8,1', '9600,N,8,1', '4800,N,8,1', '1200,N,8,1',
        1, 2, 1, 2,
        'Timer Ends Frame', 'CR Ends Frame', 'Timer Ends Frame', 'CR Ends Frame',
        'Timer Ends Frame', 'CR Ends Frame', 'LF Ends Frame', 'Live Frame', 'Short Frames',
        1, 2, 3, 4, 5),
-- Types 30-49: external 450 MHz radio on 12.5 kHz channels.
    (4, 30, 49,
        4, 8, 0, 1,   4, 7, 2, 1,
        4, 8, 0, 1,   1, 8, 0, 1,
        '9600,N,8,1', '9600,E,7,1', '9600,N,8,1', '1200,N,8,1',
        1, 2, 1, 2,
        'Timer Ends Frame', 'CR Ends Frame', 'Timer Ends Frame', 'CR Ends Frame',
        'Timer Ends Frame', 'CR Ends Frame', 'LF Ends Frame', 'Live Frame', 'Short Frames',
        1, 2, 3, 4, 5),
-- Types 50-59: external 400 MHz narrow-band radio; as types 20-29.
    (5, 50, 59,
        3, 8, 0, 1,   4, 8, 0, 1,
        3, 8, 0, 1,   1, 8, 0, 1,
        '4800,N,8,1', '9600,N,8,1', '4800,N,8,1', '1200,N,8,1',
        1, 2, 1, 2,
        'Timer Ends Frame', 'CR Ends Frame', 'Timer Ends Frame', 'CR Ends Frame',
        'Timer Ends Frame', 'CR Ends Frame', 'LF Ends Frame', 'Live Frame', 'Short Frames',
        1, 2, 3, 4, 5),
-- Types 60-69: external 200 MHz radio on 12.5 kHz channels.
    (6, 60, 69,
        4, 8, 0, 1,   4, 7, 2, 1,
        4, 8, 0, 1,   1, 8, 0, 1,
        '9600,N,8,1', '9600,E,7,1', '9600,N,8,1', '1200,N,8,1',
        1, 2, 1, 2,
        'Timer Ends Frame', 'CR Ends Frame', 'Timer Ends Frame', 'CR Ends Frame',
        'Timer Ends Frame', 'CR Ends Frame', 'LF Ends Frame', 'Live Frame', 'Short Frames',
        1, 2, 3, 4, 5);

-- The interface brands of the packet dialog: equipment a port is commonly wired to,
-- each with the packet row (PacketID of table packet) that suits it. A brand is
-- offered for the modem types lowertype to hightype inclusive whose firmware is
-- minfirmware or later (the version's leading number, as 3.1 for "3.1"). The
-- 200 MHz models (types 60 to 69) and the default modem (type 0) offer none.
-- BrandName finds the entry again, so no two rows share one.
CREATE TABLE brandlist (
    PacketID     INTEGER,
    BrandName    TEXT,
    lowertype    INTEGER,
    hightype     INTEGER,
    minfirmware  REAL
);

INSERT INTO brandlist (PacketID, BrandName, lowertype, hightype, minfirmware)
VALUES
    (2, 'Corvane RTU-20',        6, 59, 2.0),
    (7, 'Mistral PLC',           6, 49, 2.4),
    (6, 'Kesteven SLIP Router',  6, 59, 2.3),
    (9, 'Talgarth Meter Hub',   10, 59, 2.0),
    (5, 'Brackwell Telemetry',  20, 59, 2.0),
-- Streaming live frames needs the firmware of 3.2.
    (8, 'Orrin Gateway',         6, 19, 3.2);
