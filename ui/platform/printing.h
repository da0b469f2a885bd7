#pragma once

class QPrinter;

// What the observer chose in the print dialog.
struct PrintChoice {
    bool cancelled = true;
    bool nightVision = false;  // red on black, for reading on a screen; else black on white
};

// The print dialog, reached through an interface so that no test waits on it.
class Printing {
public:
    virtual ~Printing() = default;

    // Lets the observer set up the printer (which one, or a PDF file, and the paper), starting
    // from its settings, and choose night vision, starting from nightVision. The printer keeps
    // what was chosen.
    virtual PrintChoice choosePrinter(QPrinter &printer, bool nightVision) = 0;
};
