// SPDX-License-Identifier: GPL-3.0-or-later
// The image reader: each format's levels as written, damaged and hostile
// files a message in a bounded time and never a crash of the program, and a
// large picture decoded under its memory bound.
#include <gtest/gtest.h>

#include <png.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <tiffio.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>

#include "config/file_io.h"
#include "config/tests/ini_test_support.h"
#include "core/tests/message_of.h"
#include "image/image.h"
#include "image/messages.h"

namespace quarvel::image {
namespace {

using core::testing::messageOf;

std::string bytesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A picture of `channels` samples of `bits` (8 or 16) written with libpng,
// row y and column x of level `level(x, y)` in each channel.
template <typename Level>
void writePng(const std::string& path, int width, int height, int channels, int bits, Level level) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, file);
    png_set_compression_level(png, 1);
    png_set_IHDR(png, info, width, height, bits, channels == 3 ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_GRAY,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<unsigned char> row(static_cast<std::size_t>(width * channels * bits / 8));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            for (int c = 0; c < channels; ++c) {
                const unsigned v = level(x, y);
                const std::size_t i = static_cast<std::size_t>(x * channels + c);
                if (bits == 16) {
                    row[2 * i] = static_cast<unsigned char>(v >> 8);  // PNG is big-endian
                    row[2 * i + 1] = static_cast<unsigned char>(v & 0xFF);
                } else {
                    row[i] = static_cast<unsigned char>(v);
                }
            }
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
}

// A TIFF of one sample per pixel, 16-bit integers or 32-bit floats, in
// strips or 64 x 64 tiles.
void writeTiff(const std::string& path, int width, int height, bool floats, bool tiled) {
    TIFF* tiff = TIFFOpen(path.c_str(), "w");
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, width);
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, height);
    TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, 1);
    TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, floats ? 32 : 16);
    TIFFSetField(tiff, TIFFTAG_SAMPLEFORMAT, floats ? SAMPLEFORMAT_IEEEFP : SAMPLEFORMAT_UINT);
    TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISBLACK);
    TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_ADOBE_DEFLATE);
    const auto level = [](int x, int y) { return static_cast<double>(x + 100 * y); };
    if (tiled) {
        TIFFSetField(tiff, TIFFTAG_TILEWIDTH, 64);
        TIFFSetField(tiff, TIFFTAG_TILELENGTH, 64);
        std::vector<float> tileF(64 * 64);
        std::vector<std::uint16_t> tile16(64 * 64);
        for (int ty = 0; ty < height; ty += 64) {
            for (int tx = 0; tx < width; tx += 64) {
                for (int y = 0; y < 64; ++y) {
                    for (int x = 0; x < 64; ++x) {
                        const double v = (tx + x < width && ty + y < height) ? level(tx + x, ty + y) : 0;
                        tileF[static_cast<std::size_t>(y * 64 + x)] = static_cast<float>(v);
                        tile16[static_cast<std::size_t>(y * 64 + x)] = static_cast<std::uint16_t>(v);
                    }
                }
                TIFFWriteTile(tiff, floats ? static_cast<void*>(tileF.data()) : tile16.data(), tx, ty, 0, 0);
            }
        }
    } else {
        std::vector<float> rowF(static_cast<std::size_t>(width));
        std::vector<std::uint16_t> row16(static_cast<std::size_t>(width));
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                rowF[static_cast<std::size_t>(x)] = static_cast<float>(level(x, y));
                row16[static_cast<std::size_t>(x)] = static_cast<std::uint16_t>(level(x, y));
            }
            TIFFWriteScanline(tiff, floats ? static_cast<void*>(rowF.data()) : row16.data(), y, 0);
        }
    }
    TIFFClose(tiff);
}

class ImageReaderTest : public ::testing::Test {
protected:
    config::testing::TemporaryDirectory m_dir;
    const std::string m_folder = m_dir.path();
};

TEST_F(ImageReaderTest, EachFormatReadsAsItsGreyLevels) {
    // 16-bit PNG in colour: the mean of its channels, as written.
    const std::string png16 = m_folder + "/rgb16.png";
    writePng(png16, 100, 70, 3, 16, [](int x, int y) { return static_cast<unsigned>(300 * x + y); });
    // 8-bit grey PNG: each level spread over the 16 bits.
    const std::string png8 = m_folder + "/grey8.png";
    writePng(png8, 80, 64, 1, 8, [](int x, int y) { return static_cast<unsigned>((x + y) % 256); });
    for (const bool tiled : {false, true}) {
        SCOPED_TRACE(tiled ? "tiled" : "strips");
        const std::string tiff16 = m_folder + "/grey16.tif", tiffF = m_folder + "/float.tif";
        writeTiff(tiff16, 130, 70, false, tiled);
        writeTiff(tiffF, 130, 70, true, tiled);
        const Image levels = readImage(tiff16);
        EXPECT_EQ(levels.at(129, 69), 129 + 6900);
        EXPECT_EQ(levels.at(3, 2), 203);
        // Floating-point levels: the lowest black, the highest white.
        const Image spread = readImage(tiffF);
        EXPECT_EQ(spread.at(0, 0), 0);
        EXPECT_EQ(spread.at(129, 69), 65535);
        EXPECT_NEAR(spread.at(64, 35), 65535.0 * (64 + 3500) / (129 + 6900), 0.5);
    }
    const Image colour = readImage(png16);
    ASSERT_EQ(colour.width, 100);
    ASSERT_EQ(colour.height, 70);
    EXPECT_EQ(colour.at(99, 69), 300 * 99 + 69);
    const Image grey = readImage(png8);
    EXPECT_EQ(grey.at(10, 20), 30 * 257);
}

// A Rice-compressed FITS with one byte damaged crashed cfitsio 4.2.0 in the
// program itself (SIGSEGV in fits_rdecomp_short): the reader takes the
// fault, and the program says the file is damaged.
TEST_F(ImageReaderTest, DamagedFilesGiveAMessageNeverACrash) {
    const std::string intact = m_folder + "/intact.fits";
    ASSERT_EQ(std::system(("'" QUARVEL_DAMAGED_FITS "' '" + intact + "'").c_str()), 0);
    EXPECT_EQ(readImage(intact).width, 512);
    const std::size_t size = bytesOf(intact).size();
    // Offsets at which cfitsio 4.2.0 crashes, then others at random.
    std::vector<std::size_t> offsets{6019, 11532, 185173, 258766, 264279};
    std::mt19937 random(11);
    while (offsets.size() < 20) offsets.push_back(2880 * 2 + random() % (size - 2880 * 2));
    int crashes = 0;
    for (const std::size_t offset : offsets) {
        const std::string path = m_folder + "/damaged.fits";
        ASSERT_EQ(std::system(("'" QUARVEL_DAMAGED_FITS "' '" + path + "' " + std::to_string(offset)).c_str()), 0);
        // What decoding it does in a process of its own, as the reader maps it.
        const pid_t child = ::fork();
        if (child == 0) {
            try {
                const config::MappedFile file(path, kMostImageBytes);
                decodeImage(path, file.bytes());
            } catch (...) {
            }
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        const auto start = std::chrono::steady_clock::now();
        const std::string message = messageOf([&] { readImage(path); });
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(kDecodeSeconds));
        if (WIFSIGNALED(status)) {
            ++crashes;
            EXPECT_EQ(message, "Impossible d'ouvrir le fichier \"" + path +
                                   "\". Le fichier semble endommagé : sa lecture s'est arrêtée sur une faute (signal " +
                                   std::to_string(WTERMSIG(status)) + ").")
                << offset;
        } else {
            EXPECT_TRUE(message == "(no error)" || message.starts_with("Impossible d'ouvrir le fichier \"" + path + "\". "))
                << offset << ": " << message;
        }
    }
    std::printf("%d of %zu damaged files crashed the decoder\n", crashes, offsets.size());
}

TEST_F(ImageReaderTest, FilesThatAreNoPictureGiveTheirMessageInBoundedTime) {
    const std::string whole = m_folder + "/whole.fits";
    ASSERT_EQ(std::system(("'" QUARVEL_DAMAGED_FITS "' '" + whole + "'").c_str()), 0);
    const std::string bytes = bytesOf(whole);
    const std::string truncated = m_folder + "/truncated.fits";
    std::ofstream(truncated, std::ios::binary) << bytes.substr(0, bytes.size() / 2);
    const std::string sparse = m_folder + "/sparse.fits";
    {
        std::ofstream(sparse, std::ios::binary) << bytes.substr(0, 2880);
        ASSERT_EQ(::truncate(sparse.c_str(), 2LL << 30), 0);
    }
    const std::string fifo = m_folder + "/pipe.fits";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string garbage = m_folder + "/IMG_0001.CR2";
    {
        std::mt19937 random(3);
        std::string noise(200000, '\0');
        for (char& c : noise) c = static_cast<char>(random());
        std::ofstream(garbage, std::ios::binary) << "II*\0" << noise;
    }
    const std::string png = m_folder + "/cut.png";
    writePng(png, 300, 300, 3, 8, [](int x, int y) { return static_cast<unsigned>(x * y); });
    std::ofstream(m_folder + "/cut-short.png", std::ios::binary) << bytesOf(png).substr(0, 2000);
    const std::pair<std::string, std::string> expected[] = {
        {truncated, "Image FITS incorrecte ou tronquée."},
        {sparse, "Fichier de plus de 1024 Mo"},
        {fifo, "n'est pas un fichier ordinaire"},
        {garbage, "Ce n'est pas une image FITS, brute d'appareil photo, TIFF, PNG ou JPEG lisible."},
        {m_folder + "/cut-short.png", "Image PNG incorrecte ou tronquée."},
        {m_folder + "/absent.fits", "No such file or directory"},
    };
    for (const auto& [path, reason] : expected) {
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(messageOf([&] { readImage(path); }), "Impossible d'ouvrir le fichier \"" + path + "\". " + reason);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2)) << path;
    }
}

// 144 megapixels of 16-bit colour: decoded a row at a time to the 16-bit
// grey the solver reads, each process under 600 MB.
TEST_F(ImageReaderTest, ALargePictureIsDecodedUnderItsMemoryBound) {
    const std::string path = m_folder + "/large.png";
    constexpr int kSide = 12000;
    writePng(path, kSide, kSide, 3, 16, [](int x, int y) { return static_cast<unsigned>((x ^ y) & 0xFF); });
    const Image image = readImage(path);
    ASSERT_EQ(image.width, kSide);
    EXPECT_EQ(image.at(kSide - 1, 3), ((kSide - 1) ^ 3) & 0xFF);
    rusage children{}, self{};
    ::getrusage(RUSAGE_CHILDREN, &children);
    ::getrusage(RUSAGE_SELF, &self);
#ifndef __SANITIZE_ADDRESS__
    // AddressSanitizer keeps freed memory aside: its peaks say nothing of the program's.
    EXPECT_LT(children.ru_maxrss, 600 * 1024);  // kilobytes
    EXPECT_LT(self.ru_maxrss, 600 * 1024);
#endif
    std::printf("reader's peak %ld MB, program's %ld MB\n", children.ru_maxrss / 1024, self.ru_maxrss / 1024);
}

}  // namespace
}  // namespace quarvel::image
