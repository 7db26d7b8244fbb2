// SPDX-License-Identifier: GPL-3.0-or-later
// The drawings' geometry, the bitmap reader, and the photographs' scale.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <iterator>
#include <fstream>

#include "config/tests/ini_test_support.h"
#include "catalogues/catalogue.h"
#include "core/errors.h"
#include "core/tests/message_of.h"
#include "catalogues/stars.h"
#include "sky/projection.h"
#include "ui/drawings/framing.h"
#include "ui/drawings/photo_overlay.h"
#include "ui/drawings/planet_drawing.h"
#include "ui/drawings/sensor_drawing.h"

using namespace quarvel::ui::drawings;
using quarvel::core::QuarvelError;
using quarvel::core::SensorValues;
using quarvel::core::testing::messageOf;

namespace {

struct ComparisonCase {
    const char* name;
    SensorValues sensor;
    Box box;
    const char* text;
    bool frameOver;
};

TEST(SensorComparison, TheFourRowsOfTheTable) {
    const ComparisonCase cases[] = {
        {"KAF040x", {768, 512, 9, 9}, {230, 227, 299, 273}, "6.9 x 4.6 mm", false},
        {"Full frame Canon 21.1 Mp", {5632, 3750, 6.4, 6.4}, {84, 130, 444, 370}, "36 x 24 mm", false},
        {"KAF16803", {4096, 4096, 9, 9}, {80, 66, 449, 435}, "36.9 x 36.9 mm", true},
        {"KAF4301", {2048, 2048, 24, 24}, {18, 4, 510, 496}, "49.2 x 49.2 mm", true},
        {"Saisie manuelle", {4000, 4000, 10, 10}, {64, 50, 464, 450}, "40 x 40 mm", false},
    };
    const quarvel::catalogues::Catalogue catalogue;
    for (const auto& c : cases) {
        const auto* row = catalogue.findSensor(c.name);
        const auto d = drawSensorComparison(c.sensor, row && row->facts->largerThanFullFrame);
        EXPECT_EQ(d.sensor, c.box) << c.name;
        EXPECT_EQ(d.sizeText, c.text) << c.name;
        EXPECT_EQ(d.frameOverSensor, c.frameOver) << c.name;
    }
    EXPECT_THROW(drawSensorComparison({2147483647, 1, 1e9, 1}, false), QuarvelError);
}

TEST(PlanetDrawing, JupiterAndSaturnOfTheWorkedExample) {
    PlanetInputs in;
    in.sensor = {1392, 1040, 6.45, 6.45};
    in.sampling = 206.265 * 6.45 / 2000;
    in.diameterArcsec = 40;
    in.body = quarvel::ephem::Body::Jupiter;
    auto d = drawPlanet(in);
    EXPECT_EQ(d.height, 269);
    ASSERT_EQ(d.shapes.size(), 1u);
    EXPECT_EQ(d.shapes[0], (Ellipse{{172, 127, 188, 141}, kRed, kPurple}));
    EXPECT_EQ(d.nameTop, -15);
    EXPECT_EQ(d.sensorTop, 274);
    EXPECT_EQ(d.telescopeTop, 294);

    in.body = quarvel::ephem::Body::Saturn;
    in.diameterArcsec = 18;
    in.year = 2014;
    in.month = 2;
    d = drawPlanet(in);
    ASSERT_EQ(d.shapes.size(), 3u);
    EXPECT_EQ(d.shapes[0].box, (Box{177, 131, 183, 137}));          // r = 3, b = 3
    EXPECT_EQ(d.shapes[1], (Ellipse{{173, 131, 187, 137}, kMaroon, kMaroon}));  // R = 7, a = 3
    EXPECT_EQ(d.shapes[2], (Ellipse{{177, 131, 183, 137}, kRed, kMaroon}));
    EXPECT_NEAR(ringPhase(2014, 2), 0.1523, 0.0001);

    // A disc of a thousand million pixels fills the box; its corners stay in
    // range (found by the monkey: the width overflowed).
    in.body = quarvel::ephem::Body::Jupiter;
    in.sampling = 4e-9;
    d = drawPlanet(in);
    EXPECT_EQ(d.shapes[0].box.width(), 2 << 20);
    in.body = quarvel::ephem::Body::Pleiades;  // the Pleiades, far out
    in.sampling = 1e-5;
    d = drawPlanet(in);
    EXPECT_LE(d.shapes[0].box.right, (1 << 20) + 182);
}

TEST(PlanetDrawing, RingBandsIncludingPhasesBeyondOne) {
    struct Case {
        double t;
        int a;  // for R = 100
    };
    // Round(12.5) = 12 and Round(22.5) = 22: halves to even.
    const Case cases[] = {{0, 5},     {0.029, 5},   {0.03, 12},  {0.1, 22},  {0.14, 45}, {0.35, 22},
                          {0.45, 12}, {0.48, 5},    {0.55, 22},  {0.65, 45}, {0.87, 22}, {0.94, 12},
                          {0.97, 5},  {1.5, 5},     {12.0, 5}};
    for (const auto& c : cases) EXPECT_EQ(ringHalfHeight(100, c.t), c.a) << c.t;
    EXPECT_LT(ringPhase(2009, 6), 0.03);
    EXPECT_GT(ringPhase(2045, 1), 1.0);
}

// The pixels of each ellipse reach its box's sides and no further, however
// flat: Saturn's rings at 2000 and 20000 mm behind an ICX285 in December 2026,
// the disc of the worked example, a single pixel.
TEST(PlanetDrawing, EllipsePixelsFillTheirBoxExactly) {
    const Box boxes[] = {{171, 132, 189, 136}, {99, 116, 261, 152}, {172, 127, 188, 141}, {5, 5, 6, 6}};
    for (const Box& box : boxes) {
        const auto rows = ellipsePixels(box, 1000);
        ASSERT_EQ(static_cast<int>(rows.size()), box.height());
        int left = box.right, right = box.left;
        for (const auto& row : rows) {
            left = std::min(left, row.left);
            right = std::max(right, row.right);
            EXPECT_EQ(row.left - box.left, box.right - row.right) << "symmetric";
            EXPECT_LE(row.left, row.innerLeft);
            EXPECT_LE(row.innerRight, row.right);
        }
        EXPECT_EQ(left, box.left);
        EXPECT_EQ(right, box.right);
        EXPECT_EQ(rows.front().y, box.top);
        EXPECT_EQ(rows.back().y, box.bottom - 1);
        EXPECT_EQ(rows.front().innerLeft, rows.front().innerRight) << "the top row is all outline";
    }
    EXPECT_TRUE(ellipsePixels({10, 10, 10, 10}, 100).empty());  // r = 0: nothing drawn
    EXPECT_EQ(ellipsePixels({0, -50, 100, 50}, 20).size(), 20u);  // only the rows the drawing has
}

TEST(PlanetDrawing, RegionsOfInterestShapeTheBox) {
    PlanetInputs in;
    in.sampling = 1;
    in.diameterArcsec = 10;
    in.body = quarvel::ephem::Body::Mars;
    in.sensor = {400, 400, 5.2, 5.2};
    EXPECT_EQ(drawPlanet(in).height, 360);
    in.sensor = {320, 240, 5.2, 5.2};
    EXPECT_EQ(drawPlanet(in).height, 270);
    in.sensor = {320, 240, 0, 5.2};
    EXPECT_THROW(drawPlanet(in), QuarvelError);
}

TEST(PlanetDrawing, ThePleiadesAreTenStarsAtFixedOffsets) {
    PlanetInputs in;
    in.sensor = {1000, 1000, 10, 10};  // a 360 x 360 box, 0.36 drawing pixel per sensor pixel
    in.sampling = 20;
    in.diameterArcsec = 1e6;  // ignored
    in.body = quarvel::ephem::Body::Pleiades;
    const auto d = drawPlanet(in);
    ASSERT_EQ(d.shapes.size(), 10u);
    // Star 1: x = 180 + Round(1972.5 / 20 x 0.36) = 216, y = 180 - Round(136.95 / 20 x 0.36) = 178.
    EXPECT_EQ(d.shapes[0], (Ellipse{{214, 176, 218, 180}, kWhite, kGrey}));
    // Star 10: x = 180 + Round(-35.505) = 144, y = 180 - Round(-7.433) = 187.
    EXPECT_EQ(d.shapes[9].box, (Box{142, 185, 146, 189}));
}

TEST(PhotoOverlay, FramesOverM31AndM13) {
    const SensorValues sensor{1392, 1040, 6.45, 6.45};
    const auto m31 = photoFrame(sensor, 500, 300);
    EXPECT_NEAR(m31.fieldXArcmin, 61.74, 0.005);
    EXPECT_NEAR(m31.fieldYArcmin, 46.12, 0.005);
    EXPECT_EQ(m31.frame, (Box{143, 93, 217, 147}));
    EXPECT_EQ(photoFrame(sensor, 500, 60).frame, (Box{-5, -18, 365, 258}));
    EXPECT_THROW(photoFrame(sensor, 0, 300), QuarvelError);
    EXPECT_EQ(photographFor(150)->file, std::string("images/m45_2d5_360x240.bmp"));
    EXPECT_EQ(photographFor(299.9), nullptr);
}

TEST(PhotoOverlay, TheFrameIsDrawnIntoThePixelsAndClipped) {
    Bitmap picture(360, 240);
    drawFrame(picture, {143, 93, 217, 147});
    EXPECT_EQ(picture.pixel(143, 93), kRed);
    EXPECT_EQ(picture.pixel(216, 146), kRed);
    EXPECT_EQ(picture.pixel(217, 147), (Colour{0, 0, 0}));
    EXPECT_EQ(picture.pixel(180, 120), (Colour{0, 0, 0}));
    Bitmap whole(360, 240);
    drawFrame(whole, {-5, -18, 365, 258});
    int red = 0;
    for (int y = 0; y < 240; ++y) {
        for (int x = 0; x < 360; ++x) red += whole.pixel(x, y) == kRed;
    }
    EXPECT_EQ(red, 0);  // the outline falls outside the picture
}

TEST(Bitmaps, RoundTripAndRefuseWhatIsNoBitmap) {
    Bitmap picture(3, 2);
    picture.setPixel(0, 0, {1, 2, 3});
    picture.setPixel(2, 1, {250, 128, 7});
    const std::string bytes = encodeBitmap(picture);
    EXPECT_EQ(bytes.size(), 54u + 2 * 12);
    const Bitmap back = decodeBitmap(bytes);
    EXPECT_EQ(back.width(), 3);
    EXPECT_EQ(back.pixel(0, 0), (Colour{1, 2, 3}));
    EXPECT_EQ(back.pixel(2, 1), (Colour{250, 128, 7}));
    const std::string bad[] = {"", "BM", bytes.substr(0, 60), std::string(100, 'x'),
                               "PK" + bytes.substr(2)};
    for (const auto& b : bad) EXPECT_EQ(messageOf([&] { decodeBitmap(b); }), "Image bitmap incorrecte");
    std::string eightBits = bytes;
    eightBits[28] = 8;
    EXPECT_EQ(messageOf([&] { decodeBitmap(eightBits); }), "Image bitmap incorrecte");
    std::string huge = bytes;
    huge[21] = 0x7F;  // width of about two thousand million
    EXPECT_EQ(messageOf([&] { decodeBitmap(huge); }), "Image bitmap incorrecte");
    // Far larger than the page's 360 x 240 is refused before any memory is taken.
    EXPECT_EQ(decodeBitmap(encodeBitmap(Bitmap(4096, 1))).width(), 4096);
    EXPECT_EQ(messageOf([&] { decodeBitmap(encodeBitmap(Bitmap(4097, 1))); }), "Image bitmap incorrecte");
}

TEST(Bitmaps, AMissingFileGivesItsFullPathAndReason) {
    quarvel::config::testing::TemporaryDirectory dir;
    const std::string path = dir.file("images/m13_1d_360x240.bmp");
    EXPECT_EQ(messageOf([&] { loadBitmap(path); }),
              "Impossible d'ouvrir le fichier \"" + path + "\". No such file or directory");
}

// Where a star of given J2000 coordinates falls on a photograph centred on
// (ra0, dec0), north up, east left, 360 pixels across `fieldArcmin`.
std::pair<double, double> pixelOf(double ra, double dec, double ra0, double dec0, double fieldArcmin) {
    const double d = M_PI / 180;
    const double cosc =
        std::sin(dec0 * d) * std::sin(dec * d) + std::cos(dec0 * d) * std::cos(dec * d) * std::cos((ra - ra0) * d);
    const double xi = std::cos(dec * d) * std::sin((ra - ra0) * d) / cosc / d;
    const double eta =
        (std::cos(dec0 * d) * std::sin(dec * d) - std::sin(dec0 * d) * std::cos(dec * d) * std::cos((ra - ra0) * d)) /
        cosc / d;
    const double scale = fieldArcmin / 60 / 360;
    return {180 - xi / scale - 0.5, 120 - eta / scale - 0.5};
}

int brightness(const Bitmap& b, int x, int y) {
    const Colour c = b.pixel(x, y);
    return c.red + c.green + c.blue;
}

// The centre of the brightest spot within `radius` of a place: the centroid
// of the pixels at 90% or more of the brightest, so that a saturated star
// counts by its middle.
std::pair<double, double> brightestNear(const Bitmap& b, double x, double y, int radius) {
    const auto inside = [&](int i, int j) { return i >= 0 && j >= 0 && i < b.width() && j < b.height(); };
    int most = 0;
    for (int j = static_cast<int>(y) - radius; j <= static_cast<int>(y) + radius; ++j) {
        for (int i = static_cast<int>(x) - radius; i <= static_cast<int>(x) + radius; ++i) {
            if (inside(i, j)) most = std::max(most, brightness(b, i, j));
        }
    }
    double sx = 0, sy = 0, n = 0;
    for (int j = static_cast<int>(y) - radius; j <= static_cast<int>(y) + radius; ++j) {
        for (int i = static_cast<int>(x) - radius; i <= static_cast<int>(x) + radius; ++i) {
            if (inside(i, j) && brightness(b, i, j) * 10 >= most * 9) {
                sx += i;
                sy += j;
                n += 1;
            }
        }
    }
    return {sx / n, sy / n};
}

// The Pleiades' brightest stars (J2000, from the Bright Star Catalogue) must
// stand where the picture's scale puts them, within 3 pixels (1.25').
TEST(Photographs, ThePleiadesStarsFallWhereTheScaleSays) {
    const Bitmap m45 = loadBitmap(QUARVEL_SOURCE_DIR "/images/m45_2d5_360x240.bmp");
    ASSERT_EQ(m45.width(), 360);
    ASSERT_EQ(m45.height(), 240);
    struct Star {
        const char* name;
        double ra, dec;
    };
    const Star stars[] = {{"Alcyone", 56.8712, 24.1051}, {"Atlas", 57.2906, 24.0534}, {"Electra", 56.2189, 24.1133},
                          {"Maia", 56.4567, 24.3678},    {"Merope", 56.5816, 23.9484}, {"Taygeta", 56.3021, 24.4672}};
    for (const auto& s : stars) {
        const auto [x, y] = pixelOf(s.ra, s.dec, 56.75, 24.1167, 150);
        const auto [bx, by] = brightestNear(m45, x, y, 4);
        EXPECT_LE(std::hypot(bx - x, by - y), 3.0) << s.name << " expected at " << x << "," << y;
    }
}

// M 31's nucleus sits at the centre, and M 32, 24' to the south, just below
// the frame of a sensor of 1392 x 1040 pixels of 6.45 um at 500 mm, which is
// 46.12' high: 23' either side of the nucleus.
TEST(Photographs, M31AndM32FallWhereTheFrameSays) {
    const Bitmap m31 = loadBitmap(QUARVEL_SOURCE_DIR "/images/m31_5d_360x240.bmp");
    const auto [nx, ny] = brightestNear(m31, 179.5, 119.5, 4);
    EXPECT_LE(std::hypot(nx - 179.5, ny - 119.5), 3.0);
    const auto [mx, my] = pixelOf(10.6743, 40.8652, 10.6847, 41.2690, 300);
    const auto [bx, by] = brightestNear(m31, mx, my, 4);
    EXPECT_LE(std::hypot(bx - mx, by - my), 3.0);
    const Box frame = photoFrame({1392, 1040, 6.45, 6.45}, 500, 300).frame;
    EXPECT_GE(by, frame.bottom - 1);
    EXPECT_LE(by, frame.bottom + 3);
    EXPECT_GT(bx, frame.left);
    EXPECT_LT(bx, frame.right);
}

TEST(Photographs, AllSixAreBitmapsOf360By240) {
    for (const auto& photo : kPhotographs) {
        const Bitmap picture = loadBitmap(std::string(QUARVEL_SOURCE_DIR "/") + photo.file);
        EXPECT_EQ(picture.width(), 360) << photo.file;
        EXPECT_EQ(picture.height(), 240) << photo.file;
    }
    const Bitmap start = startPicture();
    EXPECT_EQ(start.width(), 363);
    EXPECT_EQ(start.height(), 242);
}

}  // namespace

namespace {

using namespace quarvel;

const catalogues::StarCatalogue& shippedStars() {
    static const catalogues::StarCatalogue stars = [] {
        std::ifstream in(QUARVEL_SOURCE_DIR "/data/stars/stars.bin", std::ios::binary);
        return *catalogues::StarCatalogue::read(std::string(std::istreambuf_iterator<char>(in), {}));
    }();
    return stars;
}

// The chart about a place, 720 x 480 pixels, with the shipped stars.
ui::drawings::FramingScene starChart(double ra, double dec, double frameArcmin) {
    catalogues::DeepSkyObject place;
    place.raDeg = ra;
    place.decDeg = dec;
    catalogues::Framing framing;
    framing.frame = {frameArcmin, frameArcmin * 2 / 3};
    ui::drawings::ChartOptions chart;
    chart.stars = &shippedStars();
    return ui::drawings::framingScene(place, framing, std::nullopt, 720, 480, {}, nullptr, chart);
}

// Five stars where wcslib puts them (sky/tests/stars_reference.csv, made by
// tools/sky_reference.c), within a pixel: x east and y north on the plane,
// east left and north up on the canvas.
TEST(StarChart, StarsAreDrawnWhereWcslibPutsThem) {
    std::ifstream in(QUARVEL_SOURCE_DIR "/sky/tests/stars_reference.csv");
    std::string line;
    std::getline(in, line);
    int checked = 0;
    while (std::getline(in, line)) {
        double hip, ra0, dec0, ra, dec, x, y;
        ASSERT_EQ(std::sscanf(line.c_str(), "%lf,%lf,%lf,%lf,%lf,%lf,%lf", &hip, &ra0, &dec0, &ra, &dec, &x, &y), 7);
        const auto scene = starChart(ra0, dec0, 240);
        const double expectedX = 360 - x * 60 * scene.pxPerArcmin, expectedY = 240 - y * 60 * scene.pxPerArcmin;
        double nearest = 1e9;
        for (const auto& star : scene.stars) nearest = std::min(nearest, std::hypot(star.centre.x - expectedX, star.centre.y - expectedY));
        EXPECT_LT(nearest, 1.0) << "HIP " << hip;
        ++checked;
    }
    EXPECT_EQ(checked, 5);
}

// The chart draws every star of the file to the limit it shows, as a scan
// of the whole file finds them; the limit follows the zoom.
TEST(StarChart, EveryStarToTheLimitShownIsDrawn) {
    const auto scene = starChart(56.75, 24.1167, 295);
    const double widthDeg = 720 / scene.pxPerArcmin / 60;
    EXPECT_NEAR(widthDeg, 5.0, 0.01);
    EXPECT_DOUBLE_EQ(scene.starLimitMag, 10.0);
    EXPECT_EQ(scene.starsNote.text(), "Étoiles : Hipparcos (XHIP), jusqu'à la magnitude 10,0");
    std::size_t inView = 0;
    for (std::size_t i = 0; i < shippedStars().size(); ++i) {
        const auto star = shippedStars().star(i);
        const auto p = sky::project({56.75, 24.1167}, {star.raDeg, star.decDeg});
        if (!p || star.vmag > scene.starLimitMag) continue;
        const double x = 360 - p->x * 60 * scene.pxPerArcmin, y = 240 - p->y * 60 * scene.pxPerArcmin;
        inView += x >= -6 && y >= -6 && x <= 726 && y <= 486;
    }
    EXPECT_EQ(scene.stars.size(), inView);
    EXPECT_GT(inView, 50u);
    // Wide, the brightest; close, every star of the file.
    EXPECT_DOUBLE_EQ(starChart(305, 40, 50 * 60).starLimitMag, 6.5);
    EXPECT_DOUBLE_EQ(starChart(56.75, 24.1167, 30).starLimitMag, shippedStars().faintest());
}

}  // namespace
