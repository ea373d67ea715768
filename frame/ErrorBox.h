#pragma once
#include "frame/Form.h"

// The modal box that reports an error which reached the event loop: the
// application title, an error icon, the message and one OK button. Timer
// ticks go on while it is open; input to other screens waits for it.
class ErrorBox : public TForm {
public:
    // `title` is the box's title; empty for the application title.
    ErrorBox(TApplication& application, std::string text, std::string title = {});

    void paint(Canvas& canvas) override;

protected:
    void createControls() override;

private:
    std::string text_;
    std::string title_;
};
