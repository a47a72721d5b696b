#pragma once

#include "base/seams/Help.h"

// Opens nothing: the screens only need a help to call.
class FakeHelp : public Help {
public:
    void open(int) override {}
};
