#include "logging/Points.h"

#include "refdata/CountyTables.h"

namespace {
int byMode(const StationContext& s, int cw, int ssb) {
    return s.cw() ? cw : ssb;
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

int valdora(const ContestDef& def, const QsoContact& c, const StationContext& s) {
    const auto [own, other] = Points::classesOf(def.log, c);
    if (own == other)
        return 2 * Points::classFactor(own, other, s.cw(), true);
    const QString special = s.specials ? s.specials->special(def.codeString()) : QString();
    const bool involved =
        !special.isEmpty() && (s.myCall.trimmed() == special || c.callsign.trimmed() == special);
    if (involved)
        return byMode(s, 30, 15);
    const QString bt = QStringLiteral("BT");
    if (clubAt(s.myCall, -3))
        return c.countySent.trimmed() == bt ? byMode(s, 20, 10) : 2;
    if (!clubAt(c.callsign, -3))
        return byMode(s, 10, 5);
    return c.countyReceived.trimmed() == bt ? byMode(s, 20, 10) : 2;
}

int timis(const QsoContact& c) {
    const QString own = c.countySent.trimmed();
    const QString other = c.countyReceived.trimmed();
    const QString tm = QStringLiteral("TM");
    const QString qt = QStringLiteral("QT");
    if (own == other || (own == tm && other == qt) || (own == qt && other == tm))
        return 1;
    if (own == qt || other == qt)
        return 6;
    if (own == tm || other == tm)
        return 4;
    return 2;
}

int elevi(const QsoContact& c, const StationContext& s, int preview) {
    const int tailSent = tailValue(c.codeSent);
    const int tailRcvd = tailValue(c.codeReceived);
    const bool young = tailSent <= 18 || tailRcvd <= 18;
    const int cwFactor = byMode(s, 2, 1);
    const int points = young ? 4 * cwFactor : preview;
    const QString one = QStringLiteral("1");
    const bool ownClub =
        clubAt(s.myCall, 3) && c.codeSent.trimmed().startsWith(one) && tailSent > 18;
    const bool otherClub =
        clubAt(c.callsign, 3) && c.codeReceived.trimmed().startsWith(one) && tailRcvd > 18;
    if (ownClub || otherClub)
        return 4 * cwFactor;
    if (young) // the classes are never set here: the factor is the CW doubling alone
        return points * Points::classFactor({}, {}, s.cw(), true);
    return 2 * cwFactor;
}

// The Martisor code rule: "0" as second character and a last digit of at most 6.
bool martisorCode(const QString& code) {
    const QString t = code.trimmed();
    return t.size() >= 2 && t.at(1) == QLatin1Char('0') && qMax(0, t.back().digitValue()) <= 6;
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
        const QString special = s.specials ? s.specials->special(def.codeString()) : QString();
        if (!special.isEmpty() && c.callsign.trimmed() == special)
            return byMode(s, 8, 4);
        return Points::classFactor(own, other, s.cw(), true);
    }
    case ClassPoints::Elevi:
        return elevi(c, s, preview);
    case ClassPoints::ByFactor:
        return preview * Points::classFactor(own, other, s.cw(), true);
    }
    return preview;
}

int overridePoints(const LogRules& rules, const QsoContact& c, int points) {
    switch (rules.pointsOverride) {
    case PointsOverride::None:
        return points;
    case PointsOverride::One:
        return 1;
    case PointsOverride::Two:
        return 2;
    case PointsOverride::Ardel:
        if (c.codeReceived.trimmed().toInt() == 100)
            return 100;
        if (c.countyReceived.trimmed() == QStringLiteral("FG"))
            return 25;
        return c.countyReceived.trimmed() == QStringLiteral("BV") ? 10 : 2;
    case PointsOverride::Martisor:
        return martisorCode(c.codeSent) || martisorCode(c.codeReceived) ? 4 : 2;
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
    const QString own = c.countySent.trimmed();
    const QString other = c.countyReceived.trimmed();
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
    case PointsKind::Bucharest: {
        const QString x = QStringLiteral("X");
        points = own.startsWith(x) == other.startsWith(x) ? 2 : 4;
        break;
    }
    case PointsKind::OneSideBz: {
        const QString bz = QStringLiteral("BZ");
        points = (own == bz) != (other == bz) ? 8 : 2;
        break;
    }
    case PointsKind::Valdora:
        points = valdora(def, c, s);
        break;
    case PointsKind::Moldova:
        points = CountyTables::inMoldovaRegion(own) == CountyTables::inMoldovaRegion(other)
                     ? byMode(s, 4, 2)
                     : byMode(s, 8, 4);
        break;
    case PointsKind::Timis:
        points = timis(c);
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
