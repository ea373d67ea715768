#include <set>

#include "FrameFixture.h"
#include "frame/Image.h"
#include "frame/Label.h"
#include "frame/Panel.h"
#include "frame/Shape.h"

namespace {

class PaintTest : public FrameFixture {
protected:
    Rgb at(int x, int y) {
        application.processPending();
        return form->canvas().pixel(x, y);
    }
    std::set<Rgb> colorsIn(const Rect& r) {
        application.processPending();
        std::set<Rgb> colors;
        for (int y = r.y; y < r.bottom(); ++y)
            for (int x = r.x; x < r.right(); ++x) colors.insert(form->canvas().pixel(x, y));
        return colors;
    }
    TShape& shape(Rect bounds, TColor brush, TColor pen) {
        TShape& s = form->make<TShape>(form, "Shape" + std::to_string(++count));
        s.setBounds(bounds);
        s.setBrushColor(brush);
        s.setPenColor(pen);
        return s;
    }
    TImage& image(Rect bounds, Bitmap picture) {
        TImage& i = form->make<TImage>(form, "Image" + std::to_string(++count));
        i.setBounds(bounds);
        i.setPicture(std::make_shared<Bitmap>(std::move(picture)));
        return i;
    }
    int count = 0;
};

constexpr Rgb kRed = 0xFF0000, kBlue = 0x0000FF, kWhite = 0xFFFFFF;

TEST_F(PaintTest, AThinShapeShowsOnlyItsPen) {
    shape({10, 10, 15, 2}, 8454143, 8453888);
    EXPECT_EQ(colorsIn({10, 10, 15, 2}), std::set<Rgb>{0x00FF80});
    EXPECT_EQ(at(9, 10), 0u);
    EXPECT_EQ(at(25, 11), 0u);
    shape({40, 40, 5, 5}, clWhite, clRed);
    EXPECT_EQ(at(42, 42), kWhite);
    EXPECT_EQ(at(40, 42), kRed);
}

TEST_F(PaintTest, TransparentPicturesLeaveOutTheirBottomLeftColour) {
    shape({0, 0, 20, 20}, clWhite, clWhite);
    // Bottom-left is red: every red pixel is see-through, blue is drawn.
    TImage& sprite = image({2, 2, 2, 2}, Bitmap{2, 2, {kBlue, kRed, kRed, kBlue}});
    sprite.setTransparent(true);
    EXPECT_EQ(at(2, 2), kBlue);
    EXPECT_EQ(at(3, 2), kWhite);
    EXPECT_EQ(at(2, 3), kWhite);
    EXPECT_EQ(at(3, 3), kBlue);
    sprite.setTransparent(false);
    EXPECT_EQ(at(3, 2), kRed);
}

TEST_F(PaintTest, CentredPicturesAreOffsetByHalfTheDifferenceTruncated) {
    Bitmap small{2, 2, std::vector<Rgb>(4, kBlue)};
    TImage& centred = image({10, 10, 7, 7}, small);
    centred.setCenter(true);
    EXPECT_EQ(colorsIn({12, 12, 2, 2}), std::set<Rgb>{kBlue});  // (7-2)/2 = 2
    EXPECT_EQ(at(11, 11), 0u);
    EXPECT_EQ(at(14, 14), 0u);
    // A picture larger than its control: (3-5)/2 = -1, clipped to the control.
    Bitmap large{5, 5, std::vector<Rgb>(25, kRed)};
    large.pixels[1 * 5 + 1] = kBlue;
    TImage& clipped = image({40, 40, 3, 3}, large);
    clipped.setCenter(true);
    EXPECT_EQ(at(40, 40), kBlue);
    EXPECT_EQ(at(43, 43), 0u);
}

TEST_F(PaintTest, AutoSizedPicturesTakeThePictureSize) {
    TImage& sprite = image({5, 5, 1, 1}, Bitmap{3, 2, std::vector<Rgb>(6, kBlue)});
    EXPECT_EQ(sprite.bounds(), (Rect{5, 5, 1, 1}));
    sprite.setAutoSize(true);
    EXPECT_EQ(sprite.bounds(), (Rect{5, 5, 3, 2}));
}

TEST_F(PaintTest, ADisabledLabelDrawsHighlightThenShadow) {
    TLabel& label = form->make<TLabel>(form, "Label");
    label.setBounds({10, 10, 60, 16});
    label.setAutoSize(false);
    label.setFont({"MS Sans Serif", 11, true, clRed});
    label.setCaption("IIII");
    std::set<Rgb> enabled = colorsIn(label.bounds());
    EXPECT_TRUE(enabled.count(kRed));
    label.setEnabled(false);
    std::set<Rgb> disabled = colorsIn(label.bounds());
    EXPECT_FALSE(disabled.count(kRed));
    EXPECT_TRUE(disabled.count(colorToRgb(clBtnShadow)));
    EXPECT_TRUE(disabled.count(colorToRgb(clBtnHighlight)));
}

TEST_F(PaintTest, AutoSizedLabelsFitTheirTextAndKeepTheAnchoredEdge) {
    TLabel& left = form->make<TLabel>(form, "Left");
    left.setBounds({10, 10, 5, 5});
    left.setCaption("Životy:");
    left.loaded();
    Size text = left.textSize("Životy:");
    EXPECT_EQ(left.bounds(), (Rect{10, 10, text.width, text.height}));
    left.setCaption("Životy:");  // unchanged: no resize, no repaint
    TLabel& right = form->make<TLabel>(form, "Right");
    right.setAlignment(TAlignment::taRightJustify);
    right.setBounds({100, 10, 80, 5});
    right.loaded();
    right.setCaption("1");
    EXPECT_EQ(right.bounds().right(), 180);
    EXPECT_EQ(right.width(), right.textSize("1").width);
}

TEST_F(PaintTest, AnOpaqueLabelFillsWithItsParentsColour) {
    TPanel& panel = form->make<TPanel>(form, "Panel");
    panel.setBounds({0, 0, 100, 40});
    panel.setBevelOuter(TBevelCut::bvNone);
    panel.setColor(clMoneyGreen);
    TLabel& label = form->make<TLabel>(&panel, "Label");
    label.setAutoSize(false);
    label.setBounds({10, 10, 50, 13});
    EXPECT_EQ(at(55, 20), 0xC0DCC0u);
    label.setTransparent(true);
    label.setColor(clRed);
    EXPECT_EQ(at(55, 20), 0xC0DCC0u);
    label.setTransparent(false);
    EXPECT_EQ(at(55, 20), kRed);
}

TEST_F(PaintTest, BottomAlignedLabelsSpanTheInnerWidthOfTheirPanel) {
    TPanel& panel = form->make<TPanel>(form, "Banner");
    panel.setBevelInner(TBevelCut::bvRaised);
    panel.setBounds({0, 0, 100, 60});
    TLabel& label = form->make<TLabel>(&panel, "Label");
    label.setAutoSize(false);
    label.setBounds({7, 7, 10, 20});
    label.setAlign(TAlign::alBottom);
    EXPECT_EQ(label.bounds(), (Rect{2, 38, 96, 20}));
}

TEST_F(PaintTest, MovingASpriteRepaintsOnlyItsOldAndNewRectangles) {
    TShape& sprite = shape({100, 50, 15, 2}, clWhite, clWhite);
    application.processPending();
    sprite.setLeft(95);
    sprite.setLeft(95);  // unchanged
    application.processPending();
    auto& window = static_cast<HeadlessPlatform::Window&>(form->window());
    ASSERT_EQ(window.presented.size(), 1u);
    EXPECT_EQ(window.presented[0], (Rect{95, 50, 20, 2}));
    EXPECT_EQ(at(96, 50), kWhite);
    EXPECT_EQ(at(112, 50), 0u);
}

}  // namespace
