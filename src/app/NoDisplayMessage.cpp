#include "app/NoDisplayMessage.h"

#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace NoDisplayMessage {
namespace {
QtMessageHandler previous = nullptr;

void onMessage(QtMsgType type, const QMessageLogContext&, const QString&) {
    // The warnings before the end (which display failed) say nothing to the operator.
    if (type != QtFatalMsg)
        return;
    std::fputs("VELT are nevoie de un ecran grafic: porniti programul dintr-o sesiune grafica "
               "(X11 sau Wayland), nu dintr-o consola text sau o conexiune fara ecran.\n",
               stderr);
    std::_Exit(EXIT_FAILURE);
}
} // namespace

void install() {
    previous = qInstallMessageHandler(onMessage);
}

void remove() {
    qInstallMessageHandler(previous);
}
} // namespace NoDisplayMessage
