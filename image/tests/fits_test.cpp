// SPDX-License-Identifier: GPL-3.0-or-later
// The FITS files exchanged with the solver: the image written as cfitsio
// reads it back, the solution's header and the star list read, and files of
// another shape giving nothing.
#include <gtest/gtest.h>

#include <fitsio.h>

#include <cmath>
#include <cstring>
#include <fstream>

#include "config/tests/ini_test_support.h"
#include "image/fits.h"

namespace quarvel::image {
namespace {

std::string card(const std::string& text) {
    std::string c = text;
    c.resize(80, ' ');
    return c;
}

std::string blocks(std::string text) {
    text.resize((text.size() + 2879) / 2880 * 2880, ' ');
    return text;
}

// A star list as solve-field writes it: an empty primary HDU, then a binary
// table of X, Y and FLUX as big-endian floats, in the columns' order given.
std::string starList(const std::vector<std::pair<float, float>>& stars, const std::string& rows = "") {
    std::string file = blocks(card("SIMPLE  =                    T") + card("BITPIX  =                    8") +
                              card("NAXIS   =                    0") + card("END"));
    file += blocks(card("XTENSION= 'BINTABLE'") + card("BITPIX  =                    8") + card("NAXIS   =                    2") +
                   card("NAXIS1  =                   12") +
                   card("NAXIS2  =                    " + (rows.empty() ? std::to_string(stars.size()) : rows)) +
                   card("TFIELDS =                    3") + card("TTYPE1  = 'FLUX    '") + card("TFORM1  = 'E       '") +
                   card("TTYPE2  = 'X       '") + card("TFORM2  = 'E       '") + card("TTYPE3  = 'Y       '") +
                   card("TFORM3  = '1E      '") + card("END"));
    std::string data;
    for (const auto& [x, y] : stars) {
        for (const float v : {100.0f, x, y}) {
            std::uint32_t bits;
            std::memcpy(&bits, &v, 4);
            for (int shift = 24; shift >= 0; shift -= 8) data += static_cast<char>(bits >> shift & 0xFF);
        }
    }
    data.resize((data.size() + 2879) / 2880 * 2880, '\0');
    return file + data;
}

TEST(Fits, TheImageWrittenReadsBackThroughCfitsio) {
    config::testing::TemporaryDirectory dir;
    Image image;
    image.width = 70;
    image.height = 65;
    for (int y = 0; y < 65; ++y) {
        for (int x = 0; x < 70; ++x) image.values.push_back(static_cast<std::uint16_t>(x * 900 + y));
    }
    const std::string path = dir.file("image.fits");
    writeFits(image, path);
    fitsfile* file = nullptr;
    int status = 0;
    ASSERT_EQ(fits_open_file(&file, path.c_str(), READONLY, &status), 0);
    std::vector<unsigned short> levels(70 * 65);
    long first[2] = {1, 1};
    fits_read_pix(file, TUSHORT, first, 70 * 65, nullptr, levels.data(), nullptr, &status);
    fits_close_file(file, &status);
    ASSERT_EQ(status, 0);
    // The FITS image's first row is the picture's bottom one.
    EXPECT_EQ(levels[0], image.at(0, 64));
    EXPECT_EQ(levels[70 * 64 + 69], image.at(69, 0));
    EXPECT_EQ(levels[70 * 64 + 69], 69 * 900);
}

TEST(Fits, TheSolutionsHeaderAndStarsAreRead) {
    const std::string header = blocks(card("SIMPLE  =                    T") + card("CRVAL1  =        83.8221 / RA") +
                                      card("CRVAL2  =  -5.391100000000E+00") + card("CRPIX1  =                  800") +
                                      card("CRPIX2  =                  550") + card("CD1_1   = -0.00055") +
                                      card("CD1_2   = 0.0") + card("CD2_1   = 0.0") + card("CD2_2   = 0.00055") +
                                      card("OBJECT  = 'M 42 ''Orion'''") + card("END"));
    const auto read = readFitsHeader(header);
    ASSERT_TRUE(read);
    EXPECT_EQ(*read->find("OBJECT"), "M 42 'Orion'");
    const auto wcs = wcsOf(*read);
    ASSERT_TRUE(wcs);
    EXPECT_DOUBLE_EQ(wcs->crval2, -5.3911);
    EXPECT_DOUBLE_EQ(wcs->cd11, -0.00055);
    const auto stars = readXyTable(starList({{12.5f, 30.25f}, {400.0f, 2.0f}}), 500);
    ASSERT_TRUE(stars);
    ASSERT_EQ(stars->size(), 2u);
    EXPECT_EQ((*stars)[1].x, 400.0);
    EXPECT_EQ((*stars)[0].y, 30.25);
    EXPECT_EQ(readXyTable(starList({{1, 2}, {3, 4}, {5, 6}}), 2)->size(), 2u);
}

TEST(Fits, FilesOfAnotherShapeGiveNothing) {
    const std::string noEnd = card("SIMPLE  =                    T") + card("CRVAL1  = 1");
    EXPECT_FALSE(readFitsHeader(noEnd));
    const std::string huge = blocks(card("CRVAL1  = 1E999") + card("CRVAL2  = NAN") + card("END"));
    EXPECT_FALSE(readFitsHeader(huge)->number("CRVAL1"));
    EXPECT_FALSE(readFitsHeader(huge)->number("CRVAL2"));
    EXPECT_FALSE(wcsOf(*readFitsHeader(huge)));
    // A table that says it has more rows than its file holds.
    EXPECT_FALSE(readXyTable(starList({{1, 2}}, "99999999"), 500));
    EXPECT_FALSE(readXyTable(starList({{1, 2}}, "-1"), 500));
    EXPECT_FALSE(readXyTable(starList({{NAN, 2}}), 500));
    EXPECT_FALSE(readXyTable("", 500));
}

}  // namespace
}  // namespace quarvel::image
