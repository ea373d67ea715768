#include "Pictures.h"

#include "Easing.h"
#include "Flatten.h"
#include "Noise.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace art {

namespace {

constexpr int kWidth = 211;
constexpr int kHeight = 421;
constexpr float kWallLeft = 121.0f;
constexpr float kBayBack = 146.0f;  // bays reach in to column 145
constexpr float kRecessDepth = 35.0f;
constexpr Box kWall{kWallLeft, -1.0f, kWidth + 1.0f, kHeight + 1.0f};

// One cargo lane: the rows of its slot in the wall, the top row of its crate
// picture (27 rows tall) and the upper row of its two-row red mark.
struct Lane {
    int slotTop;
    int slotBottom;
    int crateTop;
    int markRow;
};

constexpr std::array<Lane, 8> kLanes{{{35, 66, 35, 51},
                                      {67, 99, 67, 83},
                                      {100, 131, 100, 115},
                                      {163, 194, 163, 178},
                                      {195, 227, 195, 211},
                                      {291, 322, 293, 307},
                                      {323, 355, 323, 340},
                                      {356, 388, 356, 372}}};
constexpr int kCrateHeight = 27;
constexpr float kMarkLeft = 133.0f;
constexpr float kMarkRight = 144.0f;

// One laser lane: the upper of the barrel's two rows and its leftmost column.
struct Cannon {
    int barrelRow;
    int muzzle;
};

constexpr std::array<Cannon, 4> kCannons{{{11, 69}, {146, 84}, {247, 5}, {409, 15}}};

constexpr Color kWallGrey = hexColor(0x1F1F1F);
constexpr Color kSeamDark = hexColor(0x161616);
constexpr Color kSeamLight = hexColor(0x282828);
constexpr Color kRecessShadow = hexColor(0x111111);
constexpr Color kRecessLit = hexColor(0x2C2C2C);
constexpr Color kRimLit = hexColor(0x404040);
constexpr Color kRimShade = hexColor(0x0E0E0E);
constexpr Color kTubeLip = hexColor(0x080808);
constexpr Color kMarkTop = hexColor(0xFF2A2A);
constexpr Color kMarkBottom = hexColor(0xB81212);
constexpr Color kFrameYellow = hexColor(0xE6C222);
constexpr Color kFrameShadow = hexColor(0x8C700E);
constexpr Color kGlassDeep = hexColor(0x08142A);
constexpr Color kGlassLit = hexColor(0x1E3C6E);
constexpr Color kHatchBlue = hexColor(0x2456C0);
constexpr Color kHatchDark = hexColor(0x10285E);
constexpr Color kHatchLight = hexColor(0x4C80E8);
constexpr Color kMountDark = hexColor(0x0E1838);
constexpr Color kMount = hexColor(0x1C2E66);
constexpr Color kMountLight = hexColor(0x34509A);
constexpr Color kCyan = hexColor(0x1ED8F0);
constexpr Color kCyanBright = hexColor(0x9AF8FF);
constexpr Color kCyanDeep = hexColor(0x0690B0);

Shape wallOnly(const Shape& shape) { return shape.intersected(Shape::box(kWall)); }

// Seams split the plating into panels; rivets run along the seams.
constexpr std::array<float, 4> kSeamRows{{148.0f, 244.0f, 300.0f, 398.0f}};
constexpr std::array<float, 2> kSeamColumns{{156.0f, 196.0f}};

Color plating(const Noise& grain, Vec2 p) {
    const float speckle = (grain.fractal(p * 0.5f, 2) - 0.5f) * 0.012f;
    return {kWallGrey.r + speckle, kWallGrey.g + speckle, kWallGrey.b + speckle, 1.0f};
}

void drawWall(Raster& raster) {
    const Noise grain(0x3A11U);
    raster.fill(Shape::box(kWall), [&](Vec2 p) { return plating(grain, p); });
    for (const float y : kSeamRows) {
        raster.fill(Shape::box(Box{kWallLeft, y, kWidth, y + 1.0f}), kSeamDark);
        raster.fill(Shape::box(Box{kWallLeft, y + 1.0f, kWidth, y + 2.0f}), kSeamLight);
    }
    for (const float x : kSeamColumns) {
        raster.fill(Shape::box(Box{x, 0.0f, x + 1.0f, kHeight}), kSeamDark);
        raster.fill(Shape::box(Box{x + 1.0f, 0.0f, x + 2.0f, kHeight}), kSeamLight);
    }
    for (float y = 6.0f; y < kHeight; y += 12.0f) {
        for (const float x : kSeamColumns) {
            raster.fill(Shape::circle({x + 5.0f, y}, 1.0f), kSeamLight);
        }
    }
    // A lit edge where the wall faces the field.
    raster.fill(Shape::box(Box{kWallLeft, 0.0f, kWallLeft + 1.0f, kHeight}), kSeamLight);
}

float bayTop(const Lane& lane) { return static_cast<float>(std::max(lane.slotTop, lane.crateTop - 1)); }

float bayBottom(const Lane& lane) {
    return static_cast<float>(std::min(lane.slotBottom, lane.crateTop + kCrateHeight)) + 1.0f;
}

// Open to the field on the left. Square-cornered, so every pixel of the crate
// waiting inside, from its top row to its bottom row, shows through.
Shape bayOpening(const Lane& lane) {
    return Shape::box(Box{kWallLeft - 20.0f, bayTop(lane), kBayBack, bayBottom(lane)});
}

// Each launch tube opens at the back of a half-round recess. Lit from above,
// the recess's upper wall lies in shadow and its lower wall catches the light.
void drawRecess(Raster& raster, const Lane& lane) {
    const float middle = (bayTop(lane) + bayBottom(lane)) * 0.5f;
    const Vec2 radii{kRecessDepth, (bayBottom(lane) - bayTop(lane)) * 0.5f + 4.0f};
    const Vec2 centre{kWallLeft, middle};
    const Shape recess = wallOnly(Shape::ellipse(centre, radii));
    auto slope = [=](Vec2 p) { return smoothstep(-0.9f, 0.9f, (p.y - centre.y) / radii.y); };
    raster.fill(recess, [=](Vec2 p) { return mix(kRecessShadow, kRecessLit, slope(p)); });
    raster.fill(recess.innerBand(1.0f), [=](Vec2 p) { return mix(kRimLit, kRimShade, slope(p)); });
    raster.fill(wallOnly(bayOpening(lane).grown(1.0f)), kTubeLip);
}

void drawMark(Raster& raster, const Lane& lane) {
    const float row = static_cast<float>(lane.markRow);
    raster.fill(Shape::box(Box{kMarkLeft, row, kMarkRight, row + 1.0f}), kMarkTop);
    raster.fill(Shape::box(Box{kMarkLeft, row + 1.0f, kMarkRight, row + 2.0f}), kMarkBottom);
}

void drawBays(Raster& raster) {
    for (const Lane& lane : kLanes) {
        drawRecess(raster, lane);
    }
    for (const Lane& lane : kLanes) {
        raster.erase(bayOpening(lane));
        drawMark(raster, lane);
    }
}

void drawWindow(Raster& raster, Vec2 topLeft) {
    const Box frame{topLeft.x, topLeft.y, topLeft.x + 14.0f, topLeft.y + 18.0f};
    raster.fill(Shape::box(frame, 3.0f), [=](Vec2 p) {
        return mix(kFrameYellow, kFrameShadow, smoothstep(frame.top + 4.0f, frame.bottom, p.y));
    });
    const Box glass = frame.grown(-2.0f);
    raster.fill(Shape::box(glass, 1.5f), [=](Vec2 p) {
        const float sheen = std::exp(-std::pow((p.x - glass.left) + (p.y - glass.top) * 0.6f - 6.0f, 2.0f) / 3.0f);
        return mix(mix(kGlassLit, kGlassDeep, smoothstep(glass.top, glass.bottom, p.y)), kGlassLit, sheen * 0.8f);
    });
}

void drawWindows(Raster& raster) {
    constexpr std::array<Vec2, 9> kWindows{{{164.0f, 20.0f},
                                            {178.0f, 20.0f},
                                            {164.0f, 88.0f},
                                            {178.0f, 88.0f},
                                            {170.0f, 172.0f},
                                            {164.0f, 330.0f},
                                            {178.0f, 330.0f},
                                            {164.0f, 364.0f},
                                            {178.0f, 364.0f}}};
    for (const Vec2 at : kWindows) {
        drawWindow(raster, at);
    }
}

// An upright capsule door with a raised inner panel and a grab handle.
void drawHatch(Raster& raster) {
    constexpr Vec2 kTop{186.0f, 222.0f};
    constexpr Vec2 kBottom{186.0f, 286.0f};
    const Shape door = Shape::capsule(kTop, kBottom, 11.0f);
    raster.fill(door.grown(1.0f), kHatchDark);
    raster.fill(door, [](Vec2 p) { return mix(kHatchLight, kHatchBlue, smoothstep(176.0f, 192.0f, p.x)); });
    raster.fill(Shape::capsule(kTop, kBottom, 7.0f).innerBand(1.0f), kHatchDark);
    raster.fill(Shape::box(Box{182.0f, 250.0f, 190.0f, 258.0f}, 1.5f), kHatchDark);
    raster.fill(Shape::box(Box{183.0f, 251.0f, 189.0f, 253.0f}, 1.0f), kHatchLight);
}

// The truss holding a cannon away from the wall: two rails and zigzag struts.
void drawArm(Raster& raster, float row, float from) {
    const float to = kWallLeft + 2.0f;
    raster.fill(Shape::box(Box{from, row - 3.0f, to, row - 1.0f}), kMountLight);
    raster.fill(Shape::box(Box{from, row + 3.0f, to, row + 5.0f}), kMount);
    bool down = true;
    for (float x = from; x + 6.0f <= to; x += 6.0f) {
        const Vec2 a{x, down ? row - 1.5f : row + 3.5f};
        const Vec2 b{x + 6.0f, down ? row + 3.5f : row - 1.5f};
        raster.fill(Shape::capsule(a, b, 0.75f), kMountDark);
        down = !down;
    }
}

// A rounded housing with a charge coil glowing through a slot in line with the barrel.
void drawTurret(Raster& raster, float row, float left) {
    const Box body{left, row - 6.0f, left + 18.0f, row + 8.0f};
    raster.fill(Shape::box(body.grown(1.0f), 5.0f), kMountDark);
    raster.fill(Shape::box(body, 4.0f),
                [=](Vec2 p) { return mix(kMountLight, kMountDark, smoothstep(body.top, body.bottom, p.y)); });
    raster.fill(Shape::box(Box{left + 2.0f, row - 3.0f, left + 16.0f, row - 2.0f}), kMountDark);
    raster.fill(Shape::box(Box{left + 3.0f, row - 1.0f, left + 14.0f, row + 3.0f}, 1.5f), kMountDark);
    raster.fill(Shape::box(Box{left + 4.0f, row, left + 13.0f, row + 2.0f}, 0.5f), kCyan);
    raster.fill(Shape::box(Box{left + 6.0f, row, left + 11.0f, row + 1.0f}), kCyanBright);
    raster.fill(Shape::box(Box{left + 2.0f, row + 5.0f, left + 16.0f, row + 6.0f}), kMountLight);
}

void drawBarrel(Raster& raster, float row, float muzzle, float length) {
    const float end = muzzle + length;
    raster.fill(Shape::box(Box{muzzle, row - 1.0f, muzzle + 2.0f, row + 3.0f}), kCyanDeep);
    raster.fill(Shape::box(Box{muzzle + 6.0f, row - 1.0f, muzzle + 7.0f, row + 3.0f}), kCyanDeep);
    raster.fill(Shape::box(Box{muzzle, row, end, row + 1.0f}), kCyanBright);
    raster.fill(Shape::box(Box{muzzle, row + 1.0f, end, row + 2.0f}), kCyan);
}

void drawBasePlate(Raster& raster, float row) {
    const Box plate{kWallLeft - 7.0f, row - 7.0f, kWallLeft + 3.0f, row + 9.0f};
    raster.fill(Shape::box(plate.grown(1.0f), 3.0f), kMountDark);
    raster.fill(Shape::box(plate, 2.0f),
                [=](Vec2 p) { return mix(kMountLight, kMount, smoothstep(plate.top, plate.bottom, p.y)); });
    raster.fill(Shape::circle({kWallLeft - 3.5f, row - 4.0f}, 0.9f), kMountDark);
    raster.fill(Shape::circle({kWallLeft - 3.5f, row + 6.0f}, 0.9f), kMountDark);
}

void drawCannon(Raster& raster, const Cannon& cannon) {
    constexpr float kBarrelLength = 13.0f;
    const auto row = static_cast<float>(cannon.barrelRow);
    const auto muzzle = static_cast<float>(cannon.muzzle);
    const float turret = muzzle + kBarrelLength - 1.0f;
    drawArm(raster, row, turret + 17.0f);
    drawBasePlate(raster, row);
    drawTurret(raster, row, turret);
    drawBarrel(raster, row, muzzle, kBarrelLength);
}

}  // namespace

RgbImage drawStation() {
    Raster raster(kWidth, kHeight);
    drawWall(raster);
    drawBays(raster);
    drawWindows(raster);
    drawHatch(raster);
    for (const Cannon& cannon : kCannons) {
        drawCannon(raster, cannon);
    }
    return flattenOnBlackKey(raster);
}

}  // namespace art
