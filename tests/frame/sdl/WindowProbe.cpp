// A small real window for the window-system test: reports each key and
// click on standard output; a click on its button ends it. A timer ten
// minutes off keeps the loop in its timed sleep, which input must cut short.
#include <iostream>

#include "frame/Application.h"
#include "frame/Button.h"
#include "frame/Timer.h"
#include "frame/sdl/SdlPlatform.h"

namespace {

class ProbeForm : public TForm {
public:
    explicit ProbeForm(TApplication& application) : TForm(application, "Probe") {}

protected:
    void createControls() override {
        setClientSize({300, 200});
        setColor(clBlack);
        TButton& button = make<TButton>(this, "Button");
        button.setBounds({10, 10, 80, 30});
        button.setCaption("Quit");
        button.setTabStop(false);
        button.OnClick = [this](TComponent*) {
            std::cout << "click" << std::endl;
            close();
        };
        OnKeyDown = [](TComponent*, std::uint16_t& key, TShiftState) { std::cout << "key " << key << std::endl; };
        OnShow = [](TComponent*) { std::cout << "shown" << std::endl; };
        TTimer& far = make<TTimer>(application().scheduler(), "Far");
        far.setInterval(600'000);
        far.setOnTimer([](TComponent*) { std::cout << "far" << std::endl; });
    }
};

}  // namespace

int main(int, char** argv) {
    try {
        SdlPlatform platform;
        TApplication application(platform, argv[0]);
        ProbeForm* form = nullptr;
        application.createForm(form);
        application.run();
        return 0;
    } catch (const NoDisplayError& error) {
        std::cerr << "no display: " << error.what() << '\n';
        return 1;
    }
}
