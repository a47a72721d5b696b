#include "screens/HelpMenu.h"

#include "base/seams/Help.h"

#include <QMenu>
#include <QMenuBar>

QMenu* addHelpMenu(QMenuBar* bar, const char* name, const QString& caption,
                   std::initializer_list<HelpTopic> topics, Help& help) {
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    for (const HelpTopic& t : topics) {
        QAction* a = menu->addAction(QLatin1String(t.caption));
        a->setObjectName(QLatin1String(t.name));
        const int topic = t.topic;
        QObject::connect(a, &QAction::triggered, menu, [&help, topic] { help.open(topic); });
    }
    return menu;
}
