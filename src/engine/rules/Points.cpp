#include "rules/Points.h"

#include <QStringList>
#include <algorithm>

namespace {
int byMode(const StationContext& s, int cw, int ssb) {
    return s.cw() ? cw : ssb;
}

int byMode(const StationContext& s, ModePoints points) {
    return byMode(s, points.cw, points.ssb);
}

// A club station: `pos` counted from the start (>= 0) or from the end (< 0) holds "K".
bool clubAt(const QString& call, int pos) {
    const QString t = call.trimmed();
    const qsizetype i = pos >= 0 ? pos : t.size() + pos;
    return i >= 0 && i < t.size() && t.at(i) == QLatin1Char('K');
}

// The numeric value of a code's last two characters, as the age rule reads it.
int tailValue(const QString& code) {
    return code.trimmed().right(2).toInt();
}

QString specialStation(const ContestDef& def, const StationContext& s) {
    return s.specials ? s.specials->special(def.codeString()) : QString();
}

const CountyTier* tierOf(const std::array<CountyTier, 2>& tiers, const QString& county) {
    for (const CountyTier& t : tiers)
        if (inWords(t.counties, county))
            return &t;
    return nullptr;
}

bool inGroup(const SidesRule& rule, const QString& county) {
    if (!rule.prefixes)
        return inWords(rule.group, county);
    const QStringList words = QString::fromLatin1(rule.group).split(u' ', Qt::SkipEmptyParts);
    return std::any_of(words.begin(), words.end(),
                       [&](const QString& w) { return county.startsWith(w); });
}

int sides(const SidesRule& rule, const QsoContact& c, const StationContext& s) {
    const bool ownIn = inGroup(rule, c.countySent.trimmed());
    const bool otherIn = inGroup(rule, c.countyReceived.trimmed());
    return byMode(s, ownIn == otherIn ? rule.same : rule.across);
}

int homeClubs(const ContestDef& def, const QsoContact& c, const StationContext& s) {
    const HomeClubsRule& rule = def.log.homeClubs;
    const auto [own, other] = Points::classesOf(def.log, c);
    if (own == other)
        return 2 * Points::classFactor(own, other, s.cw(), true);
    const QString special = specialStation(def, s);
    const bool involved =
        !special.isEmpty() && (s.myCall.trimmed() == special || c.callsign.trimmed() == special);
    if (involved)
        return byMode(s, rule.event);
    const QString home = QString::fromLatin1(rule.home);
    if (clubAt(s.myCall, rule.clubLetterAt))
        return byMode(s, c.countySent.trimmed() == home ? rule.clubHome : rule.clubAway);
    if (!clubAt(c.callsign, rule.clubLetterAt))
        return byMode(s, rule.plain);
    return byMode(s, c.countyReceived.trimmed() == home ? rule.clubHome : rule.clubAway);
}

int tiers(const LogRules& rules, const QsoContact& c, const StationContext& s) {
    const QString own = c.countySent.trimmed();
    const QString other = c.countyReceived.trimmed();
    const auto& list = rules.tiers.tiers;
    if (own == other || (tierOf(list, own) && tierOf(list, other)))
        return rules.tiers.same;
    for (const CountyTier& t : list)
        if (inWords(t.counties, own) || inWords(t.counties, other))
            return t.points;
    return byMode(s, rules.cw, rules.ssb);
}

int ageAndClub(const AgeAndClubRule& rule, const QsoContact& c, const StationContext& s) {
    const int tailSent = tailValue(c.codeSent);
    const int tailRcvd = tailValue(c.codeReceived);
    const QString clubCode = QString::fromLatin1(rule.clubCode);
    const bool ownClub = clubAt(s.myCall, rule.clubLetterAt) &&
                         c.codeSent.trimmed().startsWith(clubCode) && tailSent > rule.oldestYoung;
    const bool otherClub = clubAt(c.callsign, rule.clubLetterAt) &&
                           c.codeReceived.trimmed().startsWith(clubCode) &&
                           tailRcvd > rule.oldestYoung;
    if (ownClub || otherClub)
        return byMode(s, rule.club);
    if (tailSent <= rule.oldestYoung || tailRcvd <= rule.oldestYoung)
        return byMode(s, rule.young);
    return byMode(s, rule.rest);
}

bool markedCode(const MarkedCodeRule& rule, const QString& code) {
    const QString t = code.trimmed();
    return t.size() >= 2 && t.at(1) == QLatin1Char(rule.second) &&
           qMax(0, t.back().digitValue()) <= rule.lastDigitMax;
}

int receivedTiers(const ReceivedTiersRule& rule, const QsoContact& c) {
    if (c.codeReceived.trimmed().toInt() == rule.code)
        return rule.codePoints;
    const CountyTier* tier = tierOf(rule.tiers, c.countyReceived.trimmed());
    return tier ? tier->points : rule.rest;
}

int classPoints(const ContestDef& def, const QsoContact& c, const StationContext& s, int preview) {
    const LogRules& rules = def.log;
    const auto [own, other] = Points::classesOf(rules, c);
    switch (rules.classPoints) {
    case ClassPoints::None:
        return preview;
    case ClassPoints::TwoByFactor:
        return 2 * Points::classFactor(own, other, s.cw(), true);
    case ClassPoints::EqualOrOther:
        return own == other ? 2 : 4;
    case ClassPoints::SpecialOrOne: {
        const QString special = specialStation(def, s);
        if (!special.isEmpty() && c.callsign.trimmed() == special)
            return byMode(s, 8, 4);
        return Points::classFactor(own, other, s.cw(), true);
    }
    case ClassPoints::AgeAndClub:
        return ageAndClub(rules.ages, c, s);
    case ClassPoints::ByFactor:
        return preview * Points::classFactor(own, other, s.cw(), true);
    }
    return preview;
}

int overridePoints(const LogRules& rules, const QsoContact& c, int points) {
    switch (rules.pointsOverride) {
    case PointsOverride::None:
        return points;
    case PointsOverride::Fixed:
        return rules.fixedPoints;
    case PointsOverride::ReceivedTiers:
        return receivedTiers(rules.received, c);
    case PointsOverride::MarkedCode:
        return markedCode(rules.marked, c.codeSent) || markedCode(rules.marked, c.codeReceived)
                   ? rules.marked.marked
                   : rules.marked.rest;
    }
    return points;
}
} // namespace

namespace Points {

int classFactor(const QString& ownClass, const QString& otherClass, bool cw, bool cwDoubles) {
    const int factor = ownClass == otherClass ? 1 : 2;
    return cw && cwDoubles ? 2 * factor : factor;
}

std::pair<QString, QString> classesOf(const LogRules& rules, const QsoContact& c) {
    return {rules.classOf(c.countySent.trimmed()), rules.classOf(c.countyReceived.trimmed())};
}

QString previewPoints(const ContestDef& def, const QsoContact& c, const StationContext& s) {
    const LogRules& rules = def.log;
    int points = 2;
    switch (rules.points) {
    case PointsKind::Flat:
        points = byMode(s, rules.cw, rules.ssb);
        break;
    case PointsKind::ClassFactor: {
        const auto [ownClass, otherClass] = classesOf(rules, c);
        points = 2 * classFactor(ownClass, otherClass, s.cw(), rules.cwDoubles);
        break;
    }
    case PointsKind::Sides:
        points = sides(rules.sides, c, s);
        break;
    case PointsKind::HomeClubs:
        points = homeClubs(def, c, s);
        break;
    case PointsKind::Tiers:
        points = tiers(rules, c, s);
        break;
    }
    return QString::number(points);
}

QString enterPoints(const ContestDef& def, const QsoContact& c, const StationContext& s) {
    const int preview = previewPoints(def, c, s).toInt();
    return QString::number(overridePoints(def.log, c, classPoints(def, c, s, preview)));
}

std::optional<int> storedPoints(const QString& pct) {
    const QString t = pct.trimmed();
    if (t.isEmpty())
        return 0;
    bool ok = false;
    const int v = t.toInt(&ok);
    if (!ok || v < 0 || v > kMaxContactPoints)
        return std::nullopt;
    return v;
}

} // namespace Points
