#pragma once

#include "models/QsoEntry.h"
#include "rules/LayoutFactors.h"
#include "screens/ScreenServices.h"
#include "screens/entry/EntryFieldInput.h"
#include "screens/entry/LogWindowModel.h"
#include "screens/entry/QsoControls.h"
#include "services/keyer/KeyerChoice.h"

#include <QHash>
#include <QMainWindow>
#include <functional>

class QLineEdit;
class QTimer;

/// The working screen of the contest: it shows what the entry model answers and hands the
/// operator's keys, buttons and menus to it.
class QsoWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit QsoWindow(ScreenServices& services, QWidget* parent = nullptr);
    ~QsoWindow() override;

    /// Lays the screen out for the display.
    void load();
    /// Shows the chosen contest's own stages, modes, fields and labels.
    void presentContest();
    /// The hand-over: the screen starts from the set-up the run holds.
    void start();
    /// The code sent next, shown again on the set-up screen.
    QString sentLabel() const { return m_entry.sentLabel(); }

signals:
    /// 1_ST_PA&GE: back to the set-up screen.
    void setupRequested();
    /// E&XIT confirmed.
    void exitRequested();

protected:
    void closeEvent(class QCloseEvent* event) override;
    void hideEvent(class QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // construction
    void buildUi();
    void applyLayout(const LayoutFactors& f);
    QWidget* buildHeader();
    QWidget* buildStageRow();
    QWidget* buildEntry();
    QWidget* buildResults();
    QWidget* buildBoard();
    QWidget* buildKeyer();
    void buildMenus();
    void attachKeys();
    QList<QLineEdit*> entryFields() const;

    // per contest
    void presentStages(int stageCount);
    void presentModes(const ContestDef& def);
    void presentExchange(const ExchangeShape& shape);
    void presentBoard(const ContestDef& def);
    void presentReadyStart();

    void chooseKeyer();

    // the model's answers
    /// Shows what the model said, in its order, before the rest of its answers.
    void tellNotices();
    void render();
    void renderControls();
    void renderFocus();
    void renderStageAndMode();
    void renderRadio();
    void renderResults();
    void renderBoard();
    void renderKeyer();
    void renderGrid();
    /// Brings the page before the grid's first row in above it, once scrolled to its top.
    void showOlderRows();
    int gridRoom() const;
    void layOutGrid();
    void act(const std::function<void()>& action);
    void chooseStage(int stage);
    /// What a chosen stage shows beside the model's answers: the grid, and the mode buttons
    /// of a contest whose first stages choose the mode.
    void showStageControls(int stage);
    void deleteSelectedContact();
    void confirmExit();
    void tick();

    ScreenServices& m_services;
    const ContestRun& m_run;
    LayoutFactors m_layout; // of the display the screen was last laid out for
    QsoControls ui;
    KeyerChoice m_keyers;
    QsoEntry m_entry;
    EntryFieldInput m_input;
    LogWindowModel* m_grid = nullptr;
    int m_gridShown = -1;
    int m_focusShown = 0;
    bool m_showingNewest = false;
    QTimer* m_clock = nullptr;
    QHash<QString, class QLabel*> m_board;
    std::optional<QStringList> m_boardShown; // the worked counties the board shows
    class RateFrame* m_rate = nullptr;
};
