-- The wizard database (Wizard.mdb): the wizard's pages, their items and the
-- presets its buttons apply. Built into the program's folder by the build, with
-- the pictures of WizardArt/ beside it; edit this text, never the file.
--
-- Every preset that a page offers is checked, on every simulated modem of the
-- build types that reach the page and under every firmware the control accepts,
-- by a test over the built file: a row here that a modem would refuse fails the
-- build's tests.

-- The first page for a range of build types, lowertype to hightype inclusive. A
-- type in two ranges takes the row stored first. Each range lies inside one row
-- of the Modem and radio tables of Modem.mdb, so every type it holds has the same
-- limits as the simulated modem that the test plays for it.
CREATE TABLE startuppage (
    lowertype   INTEGER,
    hightype    INTEGER,
    StartUpPage INTEGER
);

INSERT INTO startuppage (lowertype, hightype, StartUpPage) VALUES
    (6, 7, 10),     -- built-in 900 MHz radio
    (10, 19, 20),   -- external 900 MHz radios
    (20, 29, 50),   -- external 900 MHz narrow-band radios
    (30, 49, 30),   -- external 450 MHz radios
    (50, 59, 60),   -- external 400 MHz narrow-band radios
    (60, 69, 40);   -- external 200 MHz radios

-- One row per page: the window's caption and its outer size in twips.
CREATE TABLE pages (
    pageid INTEGER,
    Title  TEXT,
    height REAL,
    width  REAL
);

INSERT INTO pages (pageid, Title, height, width) VALUES
    (10, 'Setup Wizard - Built-in Radio Modem', 5400, 7200),
    (11, 'Setup Wizard - Built-in Radio Modem: Multi-Drop Network', 5400, 7200),
    (20, 'Setup Wizard - 900 MHz Radio Modem', 5400, 7200),
    (21, 'Setup Wizard - 900 MHz Radio Modem: Multi-Drop Network', 5400, 7200),
    (30, 'Setup Wizard - 450 MHz Radio Modem', 5400, 7200),
    (31, 'Setup Wizard - 450 MHz Radio Modem: Multi-Drop Network', 5400, 7200),
    (40, 'Setup Wizard - 200 MHz Radio Modem', 5400, 7200),
    (41, 'Setup Wizard - 200 MHz Radio Modem: Multi-Drop Network', 5400, 7200),
    (50, 'Setup Wizard - 900 MHz Narrow-Band Radio Modem', 5400, 7200),
    (51, 'Setup Wizard - 900 MHz Narrow-Band Radio Modem: Multi-Drop Network', 5400, 7200),
    (60, 'Setup Wizard - 400 MHz Narrow-Band Radio Modem', 5400, 7200),
    (61, 'Setup Wizard - 400 MHz Narrow-Band Radio Modem: Multi-Drop Network', 5400, 7200);

-- The items of the pages, placed in ItemID order. TypeOfItem: 0 button, 1 picture,
-- 2 label, 3 check box. Positions and sizes in twips (15 a pixel); a negative Left
-- counts from the window's right edge, a negative Top from its bottom edge.
-- FontStyle bits: 1 bold, 2 italic, 4 underline, 8 strikethrough, 16 the graphical
-- check box. ForeColor is blue-green-red (&H800000 is navy); 0 or NULL gives the
-- system's button text colour. DiagsOnly items show only on a modem with the
-- diagnostics processor. Button actions: 1 go to page ActionParam1 (ActionParam2
-- while the page's check box is ticked), 2 apply preset ActionParam1 (or 2) and
-- close, 3 close. Pictures are file names relative to the program's folder.
CREATE TABLE item (
    pageid       INTEGER,
    ItemID       INTEGER,
    TypeOfItem   INTEGER,
    Title        TEXT,
    Picture      TEXT,
    "Left"       INTEGER,
    "Top"        INTEGER,
    Width        INTEGER,
    height       INTEGER,
    FontName     TEXT,
    Fontsize     REAL,
    FontStyle    INTEGER,
    ForeColor    INTEGER,
    DiagsOnly    BOOLEAN,
    action       INTEGER,
    ActionParam1 INTEGER,
    ActionParam2 INTEGER
);

-- Each family has the same two pages: the first chooses between a point-to-point
-- link (the check box adds port B as a second channel) and a multi-drop network;
-- the second chooses master or remote (the graphical check box turns RSSI collision
-- avoidance into slotted collision avoidance), and offers a remote that repeats diagnostics on a modem that has
-- the diagnostics processor. The family's pages and presets differ in their
-- pictures, texts, radio timings and port speed. A temporary table holds the family's values.
CREATE TEMP TABLE family (
    digit     INTEGER,   -- hundreds of the family's SetIDs, tens of its pages
    name      TEXT,
    picture   TEXT,
    txdelay   INTEGER,   -- transmitter lead-in, ms
    rssi      INTEGER,   -- minimum receive signal, dBm
    ptt       INTEGER,   -- PTT time-out, s
    speed     INTEGER    -- both ports' speed code: 4 9600, 3 4800
);

-- The narrow-band models (6.25 kHz channels) carry half the data of the others:
-- their ports run at 4800, as they are delivered, and a message keeps the
-- transmitter on twice as long; their narrower receivers hear weaker signals.
INSERT INTO family VALUES
    (1, 'built-in radio modem',  'WizardArt/builtin.png', 10, -105, 30, 4),
    (2, '900 MHz radio modem',   'WizardArt/band900.png', 20, -108, 30, 4),
    (3, '450 MHz radio modem',   'WizardArt/band450.png', 20, -110, 30, 4),
    (4, '200 MHz radio modem',   'WizardArt/band200.png', 40, -112, 60, 4),
    (5, '900 MHz narrow-band radio modem', 'WizardArt/band900nb.png', 30, -111, 60, 3),
    (6, '400 MHz narrow-band radio modem', 'WizardArt/band400nb.png', 30, -113, 60, 3);

-- The first page of each family. The texts' colours read at 4.5:1 or more on a light
-- page; on a dark desktop the wizard gives such items a background of their own.
INSERT INTO item SELECT digit * 10, 1, 1, NULL, picture, 240, 240, 1440, 1440,
    'DejaVu Sans', 9, 0, 0, 0, NULL, NULL, NULL FROM family;
INSERT INTO item SELECT digit * 10, 2, 2, 'How will this ' || name || ' be used?', NULL, 1920, 240, 5040, 660,
    'DejaVu Sans', 12, 1, 8388608, 0, NULL, NULL, NULL FROM family;
INSERT INTO item SELECT digit * 10, 3, 2,
    'The wizard sets the ports, packet framing, supervision and PTT of a typical use. '
    || 'It does not change the frequencies, the trims or the power.', NULL, 1920, 900, 5040, 960,
    'DejaVu Sans', 9, 0, 0, 0, NULL, NULL, NULL FROM family;
INSERT INTO item SELECT digit * 10, 4, 0, 'Point to Point Link', 'WizardArt/link.png', 240, 1920, 3240, 1560,
    'DejaVu Sans', 9, 1, NULL, 0, 2, digit * 100 + 1, digit * 100 + 2 FROM family;
INSERT INTO item SELECT digit * 10, 5, 0, 'Multi-Drop Network', 'WizardArt/network.png', 3720, 1920, 3240, 1560,
    'DejaVu Sans', 9, 1, NULL, 0, 1, digit * 10 + 1, NULL FROM family;
INSERT INTO item SELECT digit * 10, 6, 3, 'Port B carries a second device (stream codes on)', NULL,
    240, 3660, 6720, 360, 'DejaVu Sans', 9, 0, 0, 0, NULL, NULL, NULL FROM family;
INSERT INTO item SELECT digit * 10, 7, 2, 'The check box applies to the point to point link only.', NULL,
    480, 4020, 6480, 300, 'DejaVu Sans', 8, 2, 5855577, 0, NULL, NULL, NULL FROM family;
INSERT INTO item SELECT digit * 10, 8, 0, 'Cancel', NULL, -1560, -1080, 1215, 375,
    'DejaVu Sans', 9, 0, NULL, 0, 3, NULL, NULL FROM family;

-- The multi-drop page of each family.
INSERT INTO item SELECT digit * 10 + 1, 1, 1, NULL, 'WizardArt/network.png', 240, 240, 1440, 1440,
    'DejaVu Sans', 9, 0, 0, 0, NULL, NULL, NULL FROM family;
INSERT INTO item SELECT digit * 10 + 1, 2, 2, 'Multi-Drop Network', NULL, 1920, 240, 5040, 540,
    'DejaVu Sans', 12, 1, 8388608, 0, NULL, NULL, NULL FROM family;
INSERT INTO item SELECT digit * 10 + 1, 3, 2,
    'One master station polls the remote stations; each holds back while it hears the channel busy. '
    || 'Choose what this ' || name || ' will be.', NULL,
    1920, 840, 5040, 900, 'DejaVu Sans', 9, 0, 0, 0, NULL, NULL, NULL FROM family;
INSERT INTO item SELECT digit * 10 + 1, 4, 0, 'Master Station', NULL, 240, 1800, 3240, 480,
    'DejaVu Sans', 9, 1, NULL, 0, 2, digit * 100 + 3, digit * 100 + 6 FROM family;
INSERT INTO item SELECT digit * 10 + 1, 5, 0, 'Remote Station', NULL, 3720, 1800, 3240, 480,
    'DejaVu Sans', 9, 1, NULL, 0, 2, digit * 100 + 4, digit * 100 + 7 FROM family;
INSERT INTO item SELECT digit * 10 + 1, 6, 3, 'Collision Avoidance', NULL, 240, 2460, 3240, 420,
    'DejaVu Sans', 9, 16, 0, 0, NULL, NULL, NULL FROM family;
INSERT INTO item SELECT digit * 10 + 1, 7, 2,
    'Press Collision Avoidance in for timed slots when remotes also send without being polled.', NULL,
    3720, 2460, 3240, 660, 'DejaVu Sans', 8, 0, 0, 0, NULL, NULL, NULL FROM family;
INSERT INTO item SELECT digit * 10 + 1, 8, 2, 'This modem carries the diagnostics processor:', NULL,
    240, 3180, 6720, 300, 'DejaVu Sans', 9, 0, 25600, 1, NULL, NULL, NULL FROM family;
INSERT INTO item SELECT digit * 10 + 1, 9, 0, 'Remote Station Repeating Diagnostics', NULL, 240, 3540, 4440, 420,
    'DejaVu Sans', 9, 0, NULL, 1, 2, digit * 100 + 5, NULL FROM family;
INSERT INTO item SELECT digit * 10 + 1, 10, 0, '< Back', NULL, -2880, -1080, 1215, 375,
    'DejaVu Sans', 9, 0, NULL, 0, 1, digit * 10, NULL FROM family;
INSERT INTO item SELECT digit * 10 + 1, 11, 0, 'Cancel', NULL, -1560, -1080, 1215, 375,
    'DejaVu Sans', 9, 0, NULL, 0, 3, NULL, NULL FROM family;

-- The presets. Codes as the configuration records hold them: speeds 3 4800, 4 9600; parity
-- 0 none, 2 even; handshake 0 XON/XOFF, 1 none, 2 hardware; SIDType 0 user port;
-- CAvoid bit 0 remote, 2 RSSI collision avoidance, 6 collision avoidance (a modem
-- keeps master or remote only under a supervision mode); PTTControl 0 PTT on data. The packet
-- fields of each port are those of a preset of Modem.mdb's packet table (PacketID
-- in PortAPacket and PortBPacket), so the main window shows the preset chosen.
-- No port uses SLIP or 19200, no stream is translated (firmware before 2.4 cannot),
-- and the collision avoidance presets try before transmitting (firmware before
-- 2.3.1 cannot delay before a transmit attempt). The RSSI threshold is written with
-- the transmitter power, once the user chooses to overwrite those.
CREATE TABLE WizardSetting (
    SetID          INTEGER,
    PortASpeed     INTEGER, PortADataBit   INTEGER, PortAStopBit   INTEGER, PortAParity    INTEGER,
    PortAPacket    INTEGER, PortAHand      INTEGER, PortAEOMChar   INTEGER, PortAMaxFrame  INTEGER,
    PortACharTimer INTEGER, PortASID1      INTEGER, PortASID2      INTEGER, PortASIDType   INTEGER,
    PortAISLive    BOOLEAN, PortAEOMEnable BOOLEAN, PortAISSLip    BOOLEAN,
    PortBSpeed     INTEGER, PortBDataBit   INTEGER, PortBStopBit   INTEGER, PortBParity    INTEGER,
    PortBPacket    INTEGER, PortBHand      INTEGER, PortBEOMChar   INTEGER, PortBMaxFrame  INTEGER,
    PortBCharTimer INTEGER, PortBSID1      INTEGER, PortBSID2      INTEGER, PortBSIDType   INTEGER,
    PortBISLive    BOOLEAN, PortBEOMEnable BOOLEAN, PortBISSLip    BOOLEAN,
    PortBEnabled   BOOLEAN,
    TXDelay        INTEGER, PowerAlarm     INTEGER, PTTTimeout     INTEGER, PTTControl     INTEGER,
    CAvoid         INTEGER, SIDCode        BOOLEAN, DiagSID1       INTEGER, DiagSID2       INTEGER,
    NoOfSlot       INTEGER, TimePerSlot    INTEGER, TryBeforeTX    BOOLEAN, DiagRepeat     BOOLEAN,
    RSSI           INTEGER
);

-- The seven presets of a family, by the last digit of their SetID.
CREATE TEMP TABLE use (
    n            INTEGER,
    aData        INTEGER, aParity INTEGER, aPacket INTEGER, aEOMEnable BOOLEAN, aMaxFrame INTEGER, aTimer INTEGER,
    bEnabled     BOOLEAN, sidCode BOOLEAN,
    cavoid       INTEGER, slots   INTEGER, slotTime INTEGER, tryFirst BOOLEAN, diagRepeat BOOLEAN
);

INSERT INTO use VALUES
-- 1: point to point, one device on port A: the delivered framing, hardware flow control.
    (1, 8, 0, 1, 0, 255, 10,  0, 0,  0, 4, 10, 0, 0),
-- 2: point to point, a second device on port B, told apart by stream codes.
    (2, 8, 0, 1, 0, 255, 10,  1, 1,  0, 4, 10, 0, 0),
-- 3: multi-drop master: 7 data bits, even parity, a carriage return ends a frame;
--    a station holds back while it hears the channel busy (RSSI collision avoidance).
    (3, 7, 2, 2, 1, 255, 10,  0, 0,  2, 4, 10, 0, 0),
-- 4: multi-drop remote.
    (4, 7, 2, 2, 1, 255, 10,  0, 0,  3, 4, 10, 0, 0),
-- 5: multi-drop remote repeating the diagnostics processor's traffic.
    (5, 7, 2, 2, 1, 255, 10,  0, 0,  3, 4, 10, 0, 1),
-- 6: multi-drop master with collision avoidance over eight slots.
    (6, 7, 2, 5, 0,  64,  3,  0, 0,  6, 8, 20, 0, 0),
-- 7: multi-drop remote with collision avoidance, trying before it transmits.
    (7, 7, 2, 5, 0,  64,  3,  0, 0,  7, 8, 20, 1, 0);

INSERT INTO WizardSetting
SELECT family.digit * 100 + use.n,
       family.speed, use.aData, 1, use.aParity, use.aPacket, 2, 13, use.aMaxFrame, use.aTimer, 17, 18, 0, 0, use.aEOMEnable, 0,
       family.speed, 8, 1, 0, 1, 1, 13, 255, 10, 33, 34, 0, 0, 0, 0,
       use.bEnabled,
       family.txdelay, 1000, family.ptt, 0,
       use.cavoid, use.sidCode, 1, 2,
       use.slots, use.slotTime, use.tryFirst, use.diagRepeat,
       family.rssi
FROM family, use
ORDER BY family.digit, use.n;

DROP TABLE family;
DROP TABLE use;
