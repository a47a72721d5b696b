#pragma once

#include <QList>

class ContestRun;
class Clock;
class CwKeyer;
class Database;
class Dialogs;
class Help;
class JetReader;
class KeyLine;
class KeyerDevices;
class PrintSink;
class RealtimePriority;
class RigLink;
struct RigModel;
class ScreenMetrics;
class SpecialStations;
class VoicePlayer;

/// What the screens reach the outside world through; created once by main().
struct ScreenServices {
    ContestRun& run; // the contest being worked
    Dialogs& dialogs;
    Help& help;
    Clock& clock;
    ScreenMetrics& metrics;
    VoicePlayer& voice;
    KeyLine& keyLine;
    PrintSink& printer;
    Database& logDb;
    Database& callDb;
    const SpecialStations& specials;
    JetReader& jet;
    RealtimePriority& realtime;
    KeyerDevices& keyerDevices;
    RigLink* rig = nullptr;                     // the radio by CAT
    CwKeyer* radioCat = nullptr;                // CW keyed by the radio through `rig`
    const QList<RigModel>* rigModels = nullptr; // the radio models the settings offer
};
