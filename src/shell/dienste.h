#pragma once
// The ports the main window and the command flows talk through. main() makes the Qt
// implementations; tests hand in fakes.
class Einstellungen;
class Meldungen;
class Shell;
class Ton;
class SystemInfo;
class Uhr;
class Dialoge;
class Zwischenablage;
class Warten;
class MailDienst;

struct Dienste {
    Meldungen& meldungen;
    Einstellungen& einstellungen;
    SystemInfo& systemInfo;
    Uhr& uhr;
    Warten& warten;
    Shell& shell;
    Ton& ton;
    Dialoge& dialoge;
    Zwischenablage& zwischenablage;
    // The user's mail program; without one, sending reports that it was abandoned.
    MailDienst* mailDienst = nullptr;
};
