#pragma once

#include "seams/RealtimePriority.h"

#include <atomic>

// Answers with a scripted way and counts the threads that asked.
class FakeRealtimePriority : public RealtimePriority {
public:
    explicit FakeRealtimePriority(Way answer = Way::Granted) : way(answer) {}
    Way raiseCurrentThread() override {
        ++raised;
        return way;
    }
    Way available() override { return way; }

    Way way;
    std::atomic<int> raised = 0;
};
