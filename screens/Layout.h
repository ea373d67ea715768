#pragma once
#include <map>
#include <memory>
#include <string>

#include "frame/Button.h"
#include "frame/Form.h"
#include "frame/Image.h"
#include "frame/Label.h"
#include "frame/ListBox.h"
#include "frame/Memo.h"
#include "frame/Panel.h"
#include "frame/Shape.h"
#include "frame/Timer.h"
#include "media/MediaPlayer.h"

// What every row of a layout may say besides class, name, parent and bounds.
struct Common {
    bool hidden = false;
    bool disabled = false;
    bool hand = false;           // pointing-hand cursor
    const char* hint = nullptr;  // shown as a tool-tip
};

struct ImageLook {
    const char* picture;  // file under data/
    bool autoSize = false;
    bool transparent = false;
    bool stretch = false;
    bool center = false;
};

struct LabelLook {
    std::string caption{};
    TFont font{};
    bool transparent = false;
    bool fixedSize = false;
    TAlignment alignment = TAlignment::taLeftJustify;
    bool wordWrap = false;
    TAlign align = TAlign::alNone;
    TColor color = clDefault;
};

struct PanelLook {
    TBevelCut outer = TBevelCut::bvRaised;
    TBevelCut inner = TBevelCut::bvNone;
    int borderWidth = 0;
    TColor color = clDefault;
    std::string caption{};
    int tabOrder = 0;
};

struct ButtonLook {
    std::string caption{};
    TFont font{};
    bool tabStop = true;
    int tabOrder = 0;
    bool isDefault = false;
    int modalResult = 0;
    const char* glyph = nullptr;          // file under data/
    const char* disabledGlyph = nullptr;  // file under data/
};

struct PlayerLook {
    const char* fileName;  // path from the current folder
    int tabOrder = 0;
    TWinControl* display = nullptr;  // where a video is drawn; none: itself
};

struct TextLook {
    TFont font{};
    TColor color = clWindow;
    int tabOrder = 0;
    TAlignment alignment = TAlignment::taLeftJustify;
};

// Builds a screen's controls row by row, in creation order, so that a
// screen's layout reads as a table. Each row sets the screen's field for
// the control it creates.
class LayoutBuilder {
public:
    // Players play through `media`.
    LayoutBuilder(TForm& form, MediaService& media) : form_(form), media_(media) {}

    void image(TImage*& field, const char* name, TWinControl* parent, Rect bounds, const ImageLook& look,
               const Common& common = {});
    void shape(TShape*& field, const char* name, TWinControl* parent, Rect bounds, TColor brush, TColor pen);
    void label(TLabel*& field, const char* name, TWinControl* parent, Rect bounds, const LabelLook& look,
               const Common& common = {});
    void panel(TPanel*& field, const char* name, TWinControl* parent, Rect bounds, const PanelLook& look,
               const Common& common = {});
    void button(TButton*& field, const char* name, TWinControl* parent, Rect bounds, const ButtonLook& look,
                const Common& common = {});
    void bitButton(TBitBtn*& field, const char* name, TWinControl* parent, Rect bounds, const ButtonLook& look,
                   const Common& common = {});
    void memo(TMemo*& field, const char* name, TWinControl* parent, Rect bounds, const TextLook& look,
              std::vector<std::string> lines);
    void listBox(TListBox*& field, const char* name, TWinControl* parent, Rect bounds, const TextLook& look,
                 std::vector<std::string> items);
    // A hidden player that opens its file once the screen is loaded.
    void mediaPlayer(TMediaPlayer*& field, const char* name, TWinControl* parent, Rect bounds, const PlayerLook& look,
                     const Common& common);
    void timer(TTimer*& field, const char* name, std::uint32_t interval, bool enabled);

    // The picture of a data file, loaded once per screen.
    std::shared_ptr<const Bitmap> picture(const std::string& file);

private:
    template <class T, class... Services>
    T& place(T*& field, const char* name, TWinControl* parent, Rect bounds, const Common& common,
             Services&... services);
    void setUpButton(TButton& button, const ButtonLook& look);
    void setUpText(TWinControl& control, const TextLook& look);

    TForm& form_;
    MediaService& media_;
    std::map<std::string, std::shared_ptr<const Bitmap>> pictures_;
};
