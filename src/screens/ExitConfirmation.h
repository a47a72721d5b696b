#pragma once

class Dialogs;

/// The exit confirmation of every screen; true when the operator answered Yes.
bool exitConfirmed(Dialogs& dialogs);
