#pragma once

#include <QPushButton>

// A push button whose caption wraps onto further lines when it does not fit its width,
// as the window's taller buttons are designed for ("Set Your Location" on two lines).
class WrappingButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};
