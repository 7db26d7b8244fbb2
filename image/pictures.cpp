// SPDX-License-Identifier: GPL-3.0-or-later
// The image reader's decoders of PNG (libpng), JPEG (libjpeg) and TIFF
// (libtiff) pictures, a row or a band of rows at a time, so that a large
// picture costs its 16-bit grey levels and little more. Colour is the mean
// of the red, green and blue levels; transparency is left out. The
// libraries' warnings are silenced: their failures are the program's
// messages.
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>

// clang-format off
#include <jpeglib.h>
// clang-format on
#include <png.h>
#include <tiffio.h>

#include "image/levels.h"
#include "image/messages.h"

namespace quarvel::image::decoding {

namespace {

// The grey level of pixel `x` of a row of interleaved 8- or 16-bit samples
// (in the host's order), the first three of `channels` averaged.
double greyOf(const unsigned char* row, int x, int channels, int bits) {
    const int used = channels >= 3 ? 3 : 1;
    double sum = 0;
    for (int c = 0; c < used; ++c) {
        const std::size_t i = static_cast<std::size_t>(x) * static_cast<std::size_t>(channels) + static_cast<std::size_t>(c);
        if (bits == 16) {
            std::uint16_t v;
            std::memcpy(&v, row + 2 * i, 2);
            sum += v;
        } else {
            sum += row[i];
        }
    }
    return sum / used;
}

// ---- PNG

struct PngRead {
    std::string_view bytes;
    std::size_t at = 0;
    png_structp png = nullptr;
    png_infop info = nullptr;
    Image image;
    std::vector<unsigned char> rows;  // one row, or every row of an interlaced picture
    ~PngRead() { png_destroy_read_struct(&png, &info, nullptr); }
};

void pngRead(png_structp png, png_bytep out, png_size_t length) {
    auto* read = static_cast<PngRead*>(png_get_io_ptr(png));
    if (length > read->bytes.size() - read->at) png_error(png, "truncated");
    std::memcpy(out, read->bytes.data() + read->at, length);
    read->at += length;
}
void pngError(png_structp png, png_const_charp) { std::longjmp(png_jmpbuf(png), 1); }
void pngWarning(png_structp, png_const_charp) {}

// Reads the picture into `r.image`; false when libpng fails. Only plain
// values live in this frame, which a failure jumps back to.
bool readPngInto(PngRead& r, const std::string& path) {
    if (setjmp(png_jmpbuf(r.png))) return false;
    png_set_read_fn(r.png, &r, pngRead);
    png_set_user_limits(r.png, 1'000'000, 1'000'000);
    png_read_info(r.png, r.info);
    const auto width = png_get_image_width(r.png, r.info), height = png_get_image_height(r.png, r.info);
    checkSize(path, width, height);
    png_set_expand(r.png);
    png_set_strip_alpha(r.png);
    if (png_get_bit_depth(r.png, r.info) == 16) png_set_swap(r.png);
    const int passes = png_set_interlace_handling(r.png);
    png_read_update_info(r.png, r.info);
    const int channels = png_get_channels(r.png, r.info), bits = png_get_bit_depth(r.png, r.info);
    const std::size_t rowBytes = png_get_rowbytes(r.png, r.info);
    r.image = blankImage(static_cast<int>(width), static_cast<int>(height));
    r.rows.resize(rowBytes * (passes > 1 ? height : 1));
    const LevelMap map(0, bits == 16 ? 65535 : 255);
    const auto convert = [&](const unsigned char* row, std::size_t y) {
        for (png_uint_32 x = 0; x < width; ++x) r.image.values[y * width + x] = map(greyOf(row, static_cast<int>(x), channels, bits));
    };
    if (passes > 1) {
        std::vector<png_bytep> pointers(height);
        for (png_uint_32 y = 0; y < height; ++y) pointers[y] = r.rows.data() + y * rowBytes;
        png_read_image(r.png, pointers.data());
        for (png_uint_32 y = 0; y < height; ++y) convert(pointers[y], y);
    } else {
        for (png_uint_32 y = 0; y < height; ++y) {
            png_read_row(r.png, r.rows.data(), nullptr);
            convert(r.rows.data(), y);
        }
    }
    return true;
}

// ---- JPEG

struct JpegRead {
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    std::jmp_buf failed;
    bool created = false;
    Image image;
    std::vector<unsigned char> row;
    ~JpegRead() {
        if (created) jpeg_destroy_decompress(&info);
    }
};

void jpegError(j_common_ptr info) { std::longjmp(static_cast<JpegRead*>(info->client_data)->failed, 1); }
void jpegMessage(j_common_ptr, int) {}

bool readJpegInto(JpegRead& r, const std::string& path, std::string_view bytes) {
    r.info.err = jpeg_std_error(&r.errors);
    r.errors.error_exit = jpegError;
    r.errors.emit_message = jpegMessage;
    r.info.client_data = &r;
    if (setjmp(r.failed)) return false;
    jpeg_create_decompress(&r.info);
    r.created = true;
    jpeg_mem_src(&r.info, reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&r.info, TRUE);
    checkSize(path, r.info.image_width, r.info.image_height);
    // libjpeg gives the grey of a colour picture itself, from its luminance.
    if (r.info.jpeg_color_space == JCS_CMYK || r.info.jpeg_color_space == JCS_YCCK) return false;
    r.info.out_color_space = JCS_GRAYSCALE;
    jpeg_start_decompress(&r.info);
    const int width = static_cast<int>(r.info.output_width);
    r.image = blankImage(width, static_cast<int>(r.info.output_height));
    r.row.resize(static_cast<std::size_t>(width));
    const LevelMap map(0, 255);
    while (r.info.output_scanline < r.info.output_height) {
        const std::size_t y = r.info.output_scanline;
        unsigned char* rows[1] = {r.row.data()};
        if (jpeg_read_scanlines(&r.info, rows, 1) != 1) return false;
        for (int x = 0; x < width; ++x) r.image.values[y * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] = map(r.row[x]);
    }
    jpeg_finish_decompress(&r.info);
    return true;
}

// ---- TIFF

struct TiffSource {
    std::string_view bytes;
    toff_t at = 0;
};

tmsize_t tiffRead(thandle_t handle, void* out, tmsize_t size) {
    auto* source = static_cast<TiffSource*>(handle);
    const auto left = static_cast<tmsize_t>(source->bytes.size() - std::min<toff_t>(source->at, source->bytes.size()));
    const tmsize_t n = std::clamp<tmsize_t>(size, 0, left);
    std::memcpy(out, source->bytes.data() + source->at, static_cast<std::size_t>(n));
    source->at += static_cast<toff_t>(n);
    return n;
}
tmsize_t tiffWrite(thandle_t, void*, tmsize_t) { return 0; }
toff_t tiffSeek(thandle_t handle, toff_t offset, int whence) {
    auto* source = static_cast<TiffSource*>(handle);
    const toff_t base = whence == SEEK_CUR ? source->at : whence == SEEK_END ? source->bytes.size() : 0;
    source->at = base + offset;
    return source->at;
}
int tiffClose(thandle_t) { return 0; }
toff_t tiffSize(thandle_t handle) { return static_cast<TiffSource*>(handle)->bytes.size(); }
int tiffMap(thandle_t handle, void** base, toff_t* size) {
    auto* source = static_cast<TiffSource*>(handle);
    *base = const_cast<char*>(source->bytes.data());
    *size = source->bytes.size();
    return 1;
}
void tiffUnmap(thandle_t, void*, toff_t) {}

struct TiffCloser {
    void operator()(TIFF* tiff) const { TIFFClose(tiff); }
};

// A TIFF's levels, of any of its usual layouts: strips or tiles, samples
// interleaved or in planes, 8 to 64 bits, integers or floating point.
class TiffLevels {
public:
    TiffLevels(TIFF* tiff, const std::string& path) : m_tiff(tiff), m_path(path) {
        std::uint32_t width = 0, height = 0;
        TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width);
        TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height);
        checkSize(path, width, height);
        m_width = static_cast<int>(width);
        m_height = static_cast<int>(height);
        std::uint16_t bits = 1, channels = 1, format = SAMPLEFORMAT_UINT, planar = PLANARCONFIG_CONTIG, photometric = 0;
        TIFFGetFieldDefaulted(tiff, TIFFTAG_BITSPERSAMPLE, &bits);
        TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &channels);
        TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLEFORMAT, &format);
        TIFFGetFieldDefaulted(tiff, TIFFTAG_PLANARCONFIG, &planar);
        TIFFGetField(tiff, TIFFTAG_PHOTOMETRIC, &photometric);
        const bool known = (bits == 8 || bits == 16 || bits == 32 || (bits == 64 && format == SAMPLEFORMAT_IEEEFP)) &&
                           (format == SAMPLEFORMAT_UINT || format == SAMPLEFORMAT_INT || format == SAMPLEFORMAT_IEEEFP) &&
                           channels >= 1 && channels <= 4 &&
                           (photometric == PHOTOMETRIC_MINISBLACK || photometric == PHOTOMETRIC_MINISWHITE ||
                            photometric == PHOTOMETRIC_RGB || photometric == PHOTOMETRIC_YCBCR);
        if (!known) refuse(path, kBadTiff);
        if (photometric == PHOTOMETRIC_YCBCR) {
            // Only as JPEG-compressed TIFF, which libjpeg turns into RGB.
            std::uint16_t compression = 0;
            TIFFGetField(tiff, TIFFTAG_COMPRESSION, &compression);
            if (compression != COMPRESSION_JPEG || bits != 8) refuse(path, kBadTiff);
            TIFFSetField(tiff, TIFFTAG_JPEGCOLORMODE, JPEGCOLORMODE_RGB);
        }
        m_bits = bits;
        m_format = format;
        m_channels = channels;
        m_planes = planar == PLANARCONFIG_SEPARATE ? channels : 1;
        m_used = channels >= 3 ? 3 : 1;
        m_sign = photometric == PHOTOMETRIC_MINISWHITE ? -1 : 1;
        m_tiled = TIFFIsTiled(tiff) != 0;
        std::uint32_t tileHeight = 1;
        if (m_tiled) TIFFGetField(tiff, TIFFTAG_TILELENGTH, &tileHeight);
        m_band = static_cast<int>(std::clamp<std::uint32_t>(tileHeight, 1, height));
        const tmsize_t chunk = m_tiled ? TIFFTileSize(tiff) : TIFFScanlineSize(tiff);
        // A band is the picture's own unit: a row of tiles, or a scanline.
        if (chunk <= 0 || static_cast<double>(m_band) * m_width > 64e6) refuse(path, kBadTiff);
        m_chunk.resize(static_cast<std::size_t>(chunk));
        m_grey.resize(static_cast<std::size_t>(m_band) * static_cast<std::size_t>(m_width));
    }

    // The range of the levels: set by their type, or found by a first pass.
    LevelMap map() {
        if (m_format != SAMPLEFORMAT_IEEEFP && m_bits <= 16) {
            const double top = m_bits == 8 ? 255 : 65535;
            const double low = m_format == SAMPLEFORMAT_INT ? -(top + 1) / 2 : 0, high = low + top;
            return m_sign > 0 ? LevelMap(low, high) : LevelMap(-high, -low);
        }
        LevelRange range;
        forEachBand([&](int, int rows) {
            for (std::size_t i = 0; i < static_cast<std::size_t>(rows) * static_cast<std::size_t>(m_width); ++i) range.see(m_grey[i]);
        });
        return range.map();
    }

    Image read() {
        const LevelMap levels = map();
        Image image = blankImage(m_width, m_height);
        forEachBand([&](int first, int rows) {
            const std::size_t count = static_cast<std::size_t>(rows) * static_cast<std::size_t>(m_width);
            std::uint16_t* to = image.values.data() + static_cast<std::size_t>(first) * static_cast<std::size_t>(m_width);
            for (std::size_t i = 0; i < count; ++i) to[i] = levels(m_grey[i]);
        });
        return image;
    }

private:
    double sample(const unsigned char* data, std::size_t index) const {
        const unsigned char* at = data + index * (m_bits / 8);
        const auto as = [at]<typename T>(T) {
            T v;
            std::memcpy(&v, at, sizeof v);
            return static_cast<double>(v);
        };
        if (m_format == SAMPLEFORMAT_IEEEFP) return m_bits == 32 ? as(float{}) : as(double{});
        const bool sign = m_format == SAMPLEFORMAT_INT;
        switch (m_bits) {
            case 8: return sign ? as(std::int8_t{}) : as(std::uint8_t{});
            case 16: return sign ? as(std::int16_t{}) : as(std::uint16_t{});
            default: return sign ? as(std::int32_t{}) : as(std::uint32_t{});
        }
    }

    // Adds a plane's (or all interleaved samples') part of the grey of the
    // `columns` pixels of a decoded row from `x0`, into band row `r`.
    void add(const unsigned char* row, int r, int x0, int columns) {
        double* grey = m_grey.data() + static_cast<std::size_t>(r) * static_cast<std::size_t>(m_width) + static_cast<std::size_t>(x0);
        const int samples = m_planes > 1 ? 1 : m_channels;
        const int used = m_planes > 1 ? 1 : m_used;
        for (int x = 0; x < columns; ++x) {
            double sum = 0;
            for (int c = 0; c < used; ++c) sum += sample(row, static_cast<std::size_t>(x) * static_cast<std::size_t>(samples) + static_cast<std::size_t>(c));
            grey[x] += m_sign * sum / m_used;
        }
    }

    template <typename Use>
    void forEachBand(const Use& use) {
        for (int first = 0; first < m_height; first += m_band) {
            const int rows = std::min(m_band, m_height - first);
            std::fill_n(m_grey.begin(), static_cast<std::size_t>(rows) * static_cast<std::size_t>(m_width), 0.0);
            for (int plane = 0; plane < std::min(m_planes, m_used); ++plane) {
                if (m_tiled) {
                    readTiles(first, rows, plane);
                } else {
                    for (int r = 0; r < rows; ++r) {
                        if (TIFFReadScanline(m_tiff, m_chunk.data(), static_cast<std::uint32_t>(first + r), static_cast<std::uint16_t>(plane)) < 0) {
                            refuse(m_path, kBadTiff);
                        }
                        add(m_chunk.data(), r, 0, m_width);
                    }
                }
            }
            use(first, rows);
        }
    }

    void readTiles(int first, int rows, int plane) {
        std::uint32_t tileWidth = 0;
        TIFFGetField(m_tiff, TIFFTAG_TILEWIDTH, &tileWidth);
        if (tileWidth == 0) refuse(m_path, kBadTiff);
        const std::size_t rowBytes = static_cast<std::size_t>(tileWidth) * (m_planes > 1 ? 1u : static_cast<unsigned>(m_channels)) * (m_bits / 8);
        if (rowBytes * static_cast<std::size_t>(m_band) > m_chunk.size()) refuse(m_path, kBadTiff);
        for (std::uint32_t x0 = 0; x0 < static_cast<std::uint32_t>(m_width); x0 += tileWidth) {
            if (TIFFReadTile(m_tiff, m_chunk.data(), x0, static_cast<std::uint32_t>(first), 0, static_cast<std::uint16_t>(plane)) < 0) {
                refuse(m_path, kBadTiff);
            }
            const int columns = static_cast<int>(std::min<std::uint32_t>(tileWidth, static_cast<std::uint32_t>(m_width) - x0));
            for (int r = 0; r < rows; ++r) add(m_chunk.data() + static_cast<std::size_t>(r) * rowBytes, r, static_cast<int>(x0), columns);
        }
    }

    TIFF* m_tiff;
    const std::string& m_path;
    int m_width = 0, m_height = 0;
    int m_bits = 8, m_format = SAMPLEFORMAT_UINT, m_channels = 1, m_planes = 1, m_used = 1, m_sign = 1;
    bool m_tiled = false;
    int m_band = 1;
    std::vector<unsigned char> m_chunk;
    std::vector<double> m_grey;
};

}  // namespace

std::optional<Image> decodePng(const std::string& path, std::string_view bytes) {
    if (bytes.size() < 8 || png_sig_cmp(reinterpret_cast<png_const_bytep>(bytes.data()), 0, 8) != 0) return std::nullopt;
    auto read = std::make_unique<PngRead>();
    read->bytes = bytes;
    read->png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, pngError, pngWarning);
    if (read->png) read->info = png_create_info_struct(read->png);
    if (!read->png || !read->info || !readPngInto(*read, path)) refuse(path, kBadPng);
    return std::move(read->image);
}

std::optional<Image> decodeJpeg(const std::string& path, std::string_view bytes) {
    if (!bytes.starts_with("\xFF\xD8\xFF")) return std::nullopt;
    auto read = std::make_unique<JpegRead>();
    if (!readJpegInto(*read, path, bytes)) refuse(path, kBadJpeg);
    return std::move(read->image);
}

std::optional<Image> decodeTiff(const std::string& path, std::string_view bytes) {
    if (!bytes.starts_with(std::string_view("II*\0", 4)) && !bytes.starts_with(std::string_view("MM\0*", 4)) &&
        !bytes.starts_with(std::string_view("II+\0", 4)) && !bytes.starts_with(std::string_view("MM\0+", 4))) {
        return std::nullopt;
    }
    TIFFSetWarningHandler(nullptr);
    TIFFSetErrorHandler(nullptr);
    TiffSource source{bytes, 0};
    const std::unique_ptr<TIFF, TiffCloser> tiff(
        TIFFClientOpen("image.tif", "r", &source, tiffRead, tiffWrite, tiffSeek, tiffClose, tiffSize, tiffMap, tiffUnmap));
    if (!tiff) refuse(path, kBadTiff);
    return TiffLevels(tiff.get(), path).read();
}

}  // namespace quarvel::image::decoding
