#pragma once

struct AppState;
class FrmQSO;

// How the QSO screen presents the chosen contest; shared by the set-up screen's contest choice
// and the QSO screen's own load, so it looks the same however it is opened.
namespace ContestPresentation {
void HideStage2(FrmQSO& qso);
void SetSimpleContest(FrmQSO& qso, const AppState& state);
void SetStage1Modes(FrmQSO& qso, const AppState& state);
void SetSsbOnly(FrmQSO& qso, AppState& state);
void SetNameExch(FrmQSO& qso, const AppState& state);
/// The QSO screen's side of the zodiac exchange (contest 31).
void SetZodiacExch(FrmQSO& qso, const AppState& state);
/// The QSO screen's side of the national and zodiac contests: both modes, four stages.
void ShowFourStages(FrmQSO& qso);
/// The QSO screen's side of the one-stage contests (21, 24) and Martisor.
void SetOneStage(FrmQSO& qso);
/// The QSO screen's side of Cupa Martisor (34), after SetOneStage.
void SetMartisor(FrmQSO& qso, AppState& state);
} // namespace ContestPresentation
