#pragma once

#include "base/seams/Dialogs.h"

class QWidget;

// Qt message boxes, parented to the active screen.
class QtDialogs : public Dialogs {
protected:
    Answer message(const QString& text, const QString& title, Buttons buttons, Icon icon) override;
};
