#pragma once

// Context help: the numbered topics the menus open.
class Help {
public:
    virtual ~Help() = default;
    /// Opens help topic `topic`.
    virtual void open(int topic) = 0;
};
