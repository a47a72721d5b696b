#pragma once

#include <QString>
#include <initializer_list>

class Help;
class QMenu;
class QMenuBar;

/// One entry of a screen's HELP menu: its objectName, caption and the topic it opens.
struct HelpTopic {
    const char* name;
    const char* caption;
    int topic;
};

/// Adds the HELP menu `name` to `bar`, each topic an action that opens it in `help`.
QMenu* addHelpMenu(QMenuBar* bar, const char* name, const QString& caption,
                   std::initializer_list<HelpTopic> topics, Help& help);
