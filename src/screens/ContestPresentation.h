#pragma once

struct AppState;
class FrmQSO;

// How the QSO screen presents the chosen contest; shared by the set-up screen's contest choice
// and the QSO screen's own load, so it looks the same however it is opened.
namespace ContestPresentation {
void hideSecondStage(FrmQSO& qso);
void presentSimpleContest(FrmQSO& qso, const AppState& state);
void presentStage1Modes(FrmQSO& qso, const AppState& state);
void presentSsbOnly(FrmQSO& qso, AppState& state);
void presentNameExchange(FrmQSO& qso, const AppState& state);
/// The QSO screen's side of the zodiac exchange (contest 31).
void presentZodiacExchange(FrmQSO& qso, const AppState& state);
/// The QSO screen's side of the national and zodiac contests: both modes, four stages.
void showFourStages(FrmQSO& qso);
/// The QSO screen's side of the one-stage contests (21, 24) and Martisor.
void presentOneStage(FrmQSO& qso);
/// The QSO screen's side of Cupa Martisor (34), after presentOneStage.
void presentMartisor(FrmQSO& qso, AppState& state);
} // namespace ContestPresentation
