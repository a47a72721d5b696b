#include "setup/AppState.h"

#include "setup/ContestCatalog.h"

const ContestDef& AppState::contest() const {
    const ContestDef* def = ContestCatalog::find(contestNumber);
    return def ? *def : *ContestCatalog::find(0);
}
