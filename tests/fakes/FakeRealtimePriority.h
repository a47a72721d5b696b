#pragma once

#include "base/seams/RealtimePriority.h"

// Answers with a scripted way.
class FakeRealtimePriority : public RealtimePriority {
public:
    explicit FakeRealtimePriority(Way answer = Way::Granted) : way(answer) {}
    Way raiseCurrentThread() override { return way; }
    Way available() override { return way; }

    Way way;
};
