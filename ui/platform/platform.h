#pragma once

class Browser;
class Clock;
class FileChooser;
class Messages;
class Printing;

// Everything outside the program that the windows talk to. The program passes the Qt-backed
// implementations; tests pass fakes.
struct Platform {
    FileChooser &files;
    Messages &messages;
    Browser &browser;
    Clock &clock;
    Printing &printing;
};
