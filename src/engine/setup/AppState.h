#pragma once

#include "setup/ContestDef.h"
#include "setup/SettingsRecord.h"

#include <QString>
#include <array>

/// Contacts, points and multipliers of one stage.
struct StageTotals {
    int qsos = 0;
    qint64 points = 0;
    int multipliers = 0;
};

/// The program-wide values, created once by main() and shared by the three screens.
struct AppState {
    static constexpr int kGridOwnerQso = 100;
    static constexpr int kGridOwnerLogView = 1000;

    SettingsRecord settings;
    QString appPath;
    QString dataPath;
    bool autoStart = false; // started with the command-line word "AUTO"

    int contestNumber = 0;
    bool contestChosen = false; // an option button was clicked: contest 0 is the default too
    QString contestCode;
    int stage = 0;                          // 0 none, 1..4 = 1A, 1B, 2A, 2B
    QString qsoMode = QStringLiteral("00"); // "CW", "SSB", or "00" before a choice

    int startCode = 0;
    QString startDate;
    QString startTime;
    QString nowDate;
    QString nowTime;
    bool cwPcFlag = false;
    bool ssbPcFlag = false;
    bool cwRepeat = false;
    bool ssbRepeat = false;
    bool soundCardOk = false;
    bool offLineLog = false;
    bool contestMode = false; // CONCURS chosen; SIMULARE or nothing otherwise
    bool returnToSetup = false;
    QString lookupCall;
    qint64 ownCallRowId = 0; // the `CallJud` row the own-call lookup found

    float scaleX = 1.0f;
    float scaleY = 1.0f;
    int gridOwner = 0;

    std::array<StageTotals, 4> totals;

    /// The catalogue row of the current contest.
    const ContestDef& contest() const;
};
