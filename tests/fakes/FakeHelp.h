#pragma once

#include "seams/Help.h"

#include <QList>

// Records the help topics opened, in order.
class FakeHelp : public Help {
public:
    void open(int topic) override { opened.append(topic); }
    QList<int> opened;
};
