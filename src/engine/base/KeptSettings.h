#pragma once

#include "base/CabrilloHeader.h"
#include "base/Outcome.h"
#include "base/RadioSettings.h"

#include <QString>
#include <utility>

/// The program's own settings in the data folder, beside the two old files whose format other
/// programs read: VELT.ini (what those files have no place for) and VELTRadio.ini (the radio and
/// keyer). Every key, default and message of the two files is here.
class KeptSettings {
public:
    explicit KeptSettings(QString folder) : m_folder(std::move(folder)) {}

    /// VELT.ini in the folder.
    QString keptPath() const;
    /// VELTRadio.ini in the folder.
    QString radioPath() const;

    /// The radio and keyer, the defaults when none are kept, and the message naming the values
    /// that could not be read (empty when all could): each keeps its default and loses none of
    /// the others.
    [[nodiscard]] std::pair<RadioSettings, QString> radio() const;
    [[nodiscard]] Outcome<void> keepRadio(const RadioSettings& settings) const;

    /// The contest chosen at the last hand-over; empty when none is kept.
    QString lastContest() const;
    [[nodiscard]] Outcome<void> keepLastContest(const QString& code) const;

    /// `header` with the kept Cabrillo boxes (category, operators, club, name, address,
    /// soapbox) filled in; the boxes never kept stay as they are.
    CabrilloHeader cabrillo(CabrilloHeader header) const;
    [[nodiscard]] Outcome<void> keepCabrillo(const CabrilloHeader& header) const;

    /// The program folder whose old data the operator was last asked about.
    QString oldFolderAsked() const;
    [[nodiscard]] Outcome<void> keepOldFolderAsked(const QString& folder) const;

private:
    QString m_folder;
};
