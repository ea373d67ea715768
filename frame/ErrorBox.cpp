#include "frame/ErrorBox.h"

#include <algorithm>
#include <cmath>

#include "frame/Application.h"
#include "frame/Button.h"
#include "frame/Label.h"
#include "frame/Panel.h"

namespace {

constexpr int kWidth = 380;
constexpr int kTitleHeight = 20;
constexpr int kIconSize = 32;
constexpr int kMargin = 14;

// A red disc with a white cross, drawn with soft edges.
class ErrorIcon : public TControl {
public:
    using TControl::TControl;

    void paint(Canvas& canvas) override {
        double r = kIconSize / 2.0;
        for (int y = 0; y < kIconSize; ++y) {
            for (int x = 0; x < kIconSize; ++x) {
                double dx = x + 0.5 - r, dy = y + 0.5 - r;
                double edge = r - std::sqrt(dx * dx + dy * dy);
                canvas.blendPixel(x, y, 0xD02020, static_cast<int>(std::clamp(edge, 0.0, 1.0) * 255));
                double arm = std::min(std::abs(dx - dy), std::abs(dx + dy)) / std::sqrt(2.0);
                bool inCross = std::abs(dx) < r * 0.45 && std::abs(dy) < r * 0.45;
                if (inCross) canvas.blendPixel(x, y, 0xFFFFFF, static_cast<int>(std::clamp(2.0 - arm, 0.0, 1.0) * 255));
            }
        }
    }
};

}  // namespace

ErrorBox::ErrorBox(TApplication& application, std::string text, std::string title)
    : TForm(application, "ErrorBox"), text_(std::move(text)), title_(std::move(title)) {}

void ErrorBox::createControls() {
    setColor(clBtnFace);
    auto& title = make<TPanel>(this, "Title");
    title.setBevelOuter(TBevelCut::bvNone);
    title.setColor(0x6A240A);
    title.setFont({"MS Sans Serif", 11, true, clWhite});
    title.setCaption(title_.empty() ? application().title() : title_);
    auto& icon = make<ErrorIcon>(this, "Icon");
    icon.setBounds({kMargin, kTitleHeight + kMargin, kIconSize, kIconSize});
    auto& message = make<TLabel>(this, "Message");
    int textLeft = 2 * kMargin + kIconSize;
    message.setBounds({textLeft, kTitleHeight + kMargin, kWidth - textLeft - kMargin, 13});
    message.setWordWrap(true);
    message.setFont({"MS Sans Serif", 11, false, clWindowText});
    message.setCaption(text_);
    message.loaded();
    int body = std::max(kIconSize, message.height());
    auto& ok = make<TButton>(this, "OK");
    int height = kTitleHeight + kMargin + body + kMargin + 25 + kMargin;
    ok.setBounds({(kWidth - 75) / 2, height - kMargin - 25, 75, 25});
    ok.setCaption("OK");
    ok.setFont({"MS Sans Serif", 11, false, clBtnText});
    ok.setDefault(true);
    ok.OnClick = [this](TComponent*) { close(); };
    setClientSize({kWidth, height});
    title.setBounds({0, 0, kWidth, kTitleHeight});
    OnClose = [](TComponent*, TCloseAction& action) { action = TCloseAction::caFree; };
}

void ErrorBox::paint(Canvas& canvas) {
    TForm::paint(canvas);
    canvas.frameRect(clientRect(), colorToRgb(clBtnShadow));
}
