#include "screens/Layout.h"

#include "frame/Application.h"

template <class T, class... Services>
T& LayoutBuilder::place(T*& field, const char* name, TWinControl* parent, Rect bounds, const Common& common,
                        Services&... services) {
    T& control = form_.make<T>(parent, name, services...);
    field = &control;
    control.setBounds(bounds);
    control.setVisible(!common.hidden);
    control.setEnabled(!common.disabled);
    if (common.hand) control.setCursor(TCursor::crHandPoint);
    if (common.hint) {
        control.setHint(common.hint);
        control.setShowHint(true);
    }
    return control;
}

std::shared_ptr<const Bitmap> LayoutBuilder::picture(const std::string& file) {
    auto& slot = pictures_[file];
    if (!slot) slot = std::make_shared<const Bitmap>(form_.application().platform().pictures().read("data/" + file));
    return slot;
}

void LayoutBuilder::image(TImage*& field, const char* name, TWinControl* parent, Rect bounds, const ImageLook& look,
                          const Common& common) {
    TImage& image = place(field, name, parent, bounds, common);
    image.setAutoSize(look.autoSize);
    image.setTransparent(look.transparent);
    image.setStretch(look.stretch);
    image.setCenter(look.center);
    image.setPicture(picture(look.picture));
}

void LayoutBuilder::shape(TShape*& field, const char* name, TWinControl* parent, Rect bounds, TColor brush,
                          TColor pen) {
    TShape& shape = place(field, name, parent, bounds, {});
    shape.setBrushColor(brush);
    shape.setPenColor(pen);
}

void LayoutBuilder::label(TLabel*& field, const char* name, TWinControl* parent, Rect bounds, const LabelLook& look,
                          const Common& common) {
    TLabel& label = place(field, name, parent, bounds, common);
    label.setFont(look.font);
    label.setColor(look.color);
    label.setTransparent(look.transparent);
    label.setAutoSize(!look.fixedSize);
    label.setAlignment(look.alignment);
    label.setWordWrap(look.wordWrap);
    label.setCaption(look.caption);
    label.setAlign(look.align);
}

void LayoutBuilder::panel(TPanel*& field, const char* name, TWinControl* parent, Rect bounds, const PanelLook& look,
                          const Common& common) {
    TPanel& panel = place(field, name, parent, bounds, common);
    panel.setBevelOuter(look.outer);
    panel.setBevelInner(look.inner);
    panel.setBorderWidth(look.borderWidth);
    panel.setColor(look.color);
    panel.setCaption(look.caption);
    panel.setTabOrder(look.tabOrder);
}

void LayoutBuilder::setUpButton(TButton& button, const ButtonLook& look) {
    button.setCaption(look.caption);
    button.setFont(look.font);
    button.setTabStop(look.tabStop);
    button.setTabOrder(look.tabOrder);
    button.setDefault(look.isDefault);
    button.setModalResult(look.modalResult);
}

void LayoutBuilder::button(TButton*& field, const char* name, TWinControl* parent, Rect bounds, const ButtonLook& look,
                           const Common& common) {
    setUpButton(place(field, name, parent, bounds, common), look);
}

void LayoutBuilder::bitButton(TBitBtn*& field, const char* name, TWinControl* parent, Rect bounds,
                              const ButtonLook& look, const Common& common) {
    TBitBtn& button = place(field, name, parent, bounds, common);
    setUpButton(button, look);
    button.setGlyph(picture(look.glyph), picture(look.disabledGlyph));
}

void LayoutBuilder::setUpText(TWinControl& control, const TextLook& look) {
    control.setFont(look.font);
    control.setColor(look.color);
    control.setTabOrder(look.tabOrder);
}

void LayoutBuilder::memo(TMemo*& field, const char* name, TWinControl* parent, Rect bounds, const TextLook& look,
                         std::vector<std::string> lines) {
    TMemo& memo = place(field, name, parent, bounds, {});
    setUpText(memo, look);
    memo.setAlignment(look.alignment);
    memo.setLines(std::move(lines));
}

void LayoutBuilder::listBox(TListBox*& field, const char* name, TWinControl* parent, Rect bounds, const TextLook& look,
                            std::vector<std::string> items) {
    TListBox& list = place(field, name, parent, bounds, {});
    setUpText(list, look);
    list.setItems(std::move(items));
}

void LayoutBuilder::mediaPlayer(TMediaPlayer*& field, const char* name, TWinControl* parent, Rect bounds,
                                const PlayerLook& look, const Common& common) {
    TMediaPlayer& player = place(field, name, parent, bounds, common, media_, form_.application().scheduler());
    player.setFileName(look.fileName);
    player.setAutoOpen(true);
    player.setTabOrder(look.tabOrder);
    player.setDisplay(look.display);
}

void LayoutBuilder::timer(TTimer*& field, const char* name, std::uint32_t interval, bool enabled) {
    TTimer& timer = form_.make<TTimer>(form_.application().scheduler(), name);
    field = &timer;
    timer.setInterval(interval);
    timer.setEnabled(enabled);
}
