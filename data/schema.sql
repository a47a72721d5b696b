-- The contest log and the callsign-county table. Every value is text, as the log files expect;
-- the indexes serve the queries run on every keystroke (callsign prefix, callsign per stage and multiplier per stage).
PRAGMA journal_mode = WAL;

CREATE TABLE IF NOT EXISTS LogGen (
    ID       INTEGER PRIMARY KEY AUTOINCREMENT,
    Callsign TEXT,
    Data     TEXT,
    UTC      TEXT,
    Etp      TEXT,
    Sent     TEXT,
    Rcvd     TEXT,
    Md       TEXT,
    Jud      TEXT,
    Mult     TEXT,
    Pct      TEXT
);
CREATE INDEX IF NOT EXISTS LogGenEtpCallsign ON LogGen (Etp, Callsign);
CREATE INDEX IF NOT EXISTS LogGenEtpMult ON LogGen (Etp, Mult);
CREATE INDEX IF NOT EXISTS LogGenEtpJud ON LogGen (Etp, Jud);
CREATE INDEX IF NOT EXISTS LogGenCallsign ON LogGen (Callsign);

CREATE TABLE IF NOT EXISTS CallJud (
    ID   INTEGER PRIMARY KEY AUTOINCREMENT,
    Call TEXT NOT NULL UNIQUE,
    Jud  TEXT
);
