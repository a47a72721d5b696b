-- The contest log and the callsign-county table. Every value is text, as the log files expect,
-- but for the frequency the radio reported (Hz; NULL when none was read);
-- the indexes serve the queries run on every keystroke (callsign prefix, callsign per stage and multiplier per stage).
PRAGMA journal_mode = WAL;
-- The schema's version: a file of an older one is brought up to this one when opened, a newer one
-- is refused. Raise it with every change below.
PRAGMA user_version = 3;

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
    Pct      TEXT,
    Frecv    INTEGER
);
CREATE INDEX IF NOT EXISTS LogGenEtpCallsign ON LogGen (Etp, Callsign);
CREATE INDEX IF NOT EXISTS LogGenEtpMult ON LogGen (Etp, Mult);
CREATE INDEX IF NOT EXISTS LogGenEtpJud ON LogGen (Etp, Jud);
CREATE INDEX IF NOT EXISTS LogGenCallsign ON LogGen (Callsign);
-- The grid pages through a stage by ID.
CREATE INDEX IF NOT EXISTS LogGenEtp ON LogGen (Etp);

-- The log in real-date order ("dd.mm.yy" read as yymmdd, then "hh:mm", then ID), for the log view
-- and the files, whole and by stage. The expressions are those of the program's ORDER BY, word for
-- word, or the index is not used; a log made before these indexes is sorted as it is read.
CREATE INDEX IF NOT EXISTS LogGenRealOrder ON LogGen (
    (CASE WHEN trim(Data) GLOB '[0-9][0-9].[0-9][0-9].[0-9][0-9]' THEN substr(trim(Data), 7, 2) || substr(trim(Data), 4, 2) || substr(trim(Data), 1, 2) ELSE '' END),
    (CASE WHEN trim(UTC) GLOB '[0-9][0-9]:[0-9][0-9]' THEN trim(UTC) ELSE '' END));
CREATE INDEX IF NOT EXISTS LogGenEtpRealOrder ON LogGen (Etp,
    (CASE WHEN trim(Data) GLOB '[0-9][0-9].[0-9][0-9].[0-9][0-9]' THEN substr(trim(Data), 7, 2) || substr(trim(Data), 4, 2) || substr(trim(Data), 1, 2) ELSE '' END),
    (CASE WHEN trim(UTC) GLOB '[0-9][0-9]:[0-9][0-9]' THEN trim(UTC) ELSE '' END));

-- The score of each stage, kept by the triggers below whatever changes the log, so that the
-- totals are read without scanning it. A `Mult` of blanks is no multiplier; `Pct` is read as a
-- number (" 0" is 0).
CREATE TABLE IF NOT EXISTS LogTotals (
    Etp    TEXT PRIMARY KEY,
    Qsos   INTEGER NOT NULL DEFAULT 0,
    Mults  INTEGER NOT NULL DEFAULT 0,
    Points INTEGER NOT NULL DEFAULT 0
);
CREATE TRIGGER IF NOT EXISTS LogGenTotalsInsert AFTER INSERT ON LogGen BEGIN
    INSERT OR IGNORE INTO LogTotals (Etp) VALUES (NEW.Etp);
    UPDATE LogTotals SET Qsos = Qsos + 1,
        Mults = Mults + (length(trim(coalesce(NEW.Mult, ''))) > 0),
        Points = Points + CAST(trim(coalesce(NEW.Pct, '')) AS INTEGER)
    WHERE Etp = NEW.Etp;
END;
CREATE TRIGGER IF NOT EXISTS LogGenTotalsDelete AFTER DELETE ON LogGen BEGIN
    UPDATE LogTotals SET Qsos = Qsos - 1,
        Mults = Mults - (length(trim(coalesce(OLD.Mult, ''))) > 0),
        Points = Points - CAST(trim(coalesce(OLD.Pct, '')) AS INTEGER)
    WHERE Etp = OLD.Etp;
END;
CREATE TRIGGER IF NOT EXISTS LogGenTotalsUpdate AFTER UPDATE OF Etp, Mult, Pct ON LogGen BEGIN
    UPDATE LogTotals SET Qsos = Qsos - 1,
        Mults = Mults - (length(trim(coalesce(OLD.Mult, ''))) > 0),
        Points = Points - CAST(trim(coalesce(OLD.Pct, '')) AS INTEGER)
    WHERE Etp = OLD.Etp;
    INSERT OR IGNORE INTO LogTotals (Etp) VALUES (NEW.Etp);
    UPDATE LogTotals SET Qsos = Qsos + 1,
        Mults = Mults + (length(trim(coalesce(NEW.Mult, ''))) > 0),
        Points = Points + CAST(trim(coalesce(NEW.Pct, '')) AS INTEGER)
    WHERE Etp = NEW.Etp;
END;

-- The mark of the derived `Mult` column. Whatever changes a contact's stage, callsign, mode,
-- county, code or multiplier (this program, another one, an import) leaves, by the triggers below,
-- the first ID of each stage the column must be derived again from; the program derives from
-- there and empties the mark in the same transaction. `MultBasis` names the contest and station
-- it was derived for: another one derives the whole log again.
CREATE TABLE IF NOT EXISTS MultPending (
    Etp    TEXT PRIMARY KEY,
    FromId INTEGER NOT NULL
);
CREATE TABLE IF NOT EXISTS MultBasis (
    Basis TEXT NOT NULL
);
CREATE TRIGGER IF NOT EXISTS LogGenMultPendingInsert AFTER INSERT ON LogGen BEGIN
    INSERT INTO MultPending (Etp, FromId) VALUES (coalesce(NEW.Etp, ''), NEW.ID)
        ON CONFLICT (Etp) DO UPDATE SET FromId = min(FromId, excluded.FromId);
END;
CREATE TRIGGER IF NOT EXISTS LogGenMultPendingDelete AFTER DELETE ON LogGen BEGIN
    INSERT INTO MultPending (Etp, FromId) VALUES (coalesce(OLD.Etp, ''), OLD.ID)
        ON CONFLICT (Etp) DO UPDATE SET FromId = min(FromId, excluded.FromId);
END;
CREATE TRIGGER IF NOT EXISTS LogGenMultPendingUpdate
AFTER UPDATE OF Callsign, Etp, Md, Jud, Rcvd, Mult ON LogGen BEGIN
    INSERT INTO MultPending (Etp, FromId) VALUES (coalesce(OLD.Etp, ''), OLD.ID)
        ON CONFLICT (Etp) DO UPDATE SET FromId = min(FromId, excluded.FromId);
    INSERT INTO MultPending (Etp, FromId) VALUES (coalesce(NEW.Etp, ''), NEW.ID)
        ON CONFLICT (Etp) DO UPDATE SET FromId = min(FromId, excluded.FromId);
END;

-- The highest serial any program on this log has shown for a contact (reserved when shown, so
-- that two programs never send the same one); an abandoned one is never handed out again. The
-- serial after the newest contact counts too: an older log has no row here.
CREATE TABLE IF NOT EXISTS SentSerial (
    ID   INTEGER PRIMARY KEY CHECK (ID = 1),
    Last INTEGER NOT NULL
);

CREATE TABLE IF NOT EXISTS CallJud (
    ID   INTEGER PRIMARY KEY AUTOINCREMENT,
    Call TEXT NOT NULL UNIQUE,
    Jud  TEXT
);

-- Callsigns known from the lists operators exchange, without a county: the partial check offers
-- them too.
CREATE TABLE IF NOT EXISTS KnownCall (
    Call TEXT PRIMARY KEY
);
