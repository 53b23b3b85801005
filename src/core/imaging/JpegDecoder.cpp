#include "core/imaging/JpegDecoder.h"

#include <climits>
#include <csetjmp>
#include <cstdio>  // jpeglib.h uses FILE without including it

#include <jpeglib.h>

namespace vitrex::imaging {
namespace {

// libjpeg reports errors through a callback that must not return. It is C, not built for C++
// exceptions to pass through its frames, so we longjmp back instead. That is only sound when
// no frame between the callback and the setjmp owns an object with a destructor: every function
// that runs under RunGuarded below touches nothing but plain data, and the one C++ allocation (the
// pixels) happens between two guarded steps.
struct ErrorManager {
    jpeg_error_mgr base;  // first member: libjpeg hands back a pointer to it
    std::jmp_buf jump;
};

struct Session {
    jpeg_decompress_struct cinfo{};
    ErrorManager errors{};
    std::span<const std::uint8_t> input;
    std::uint32_t* pixels = nullptr;  // width * height, filled row by row

    Session() = default;
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    // Safe on a struct that was never created: libjpeg checks its memory manager for null first.
    ~Session() { jpeg_destroy_decompress(&cinfo); }
};

[[noreturn]] void JumpOut(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

// A negative level is a warning about damaged data (a truncated stream, a bad Huffman code);
// positive levels are trace output.
void OnMessage(j_common_ptr cinfo, int level) {
    if (level < 0) JumpOut(cinfo);
}

void Silent(j_common_ptr) {}

bool RunGuarded(Session& session, void (*step)(Session&)) {
    if (setjmp(session.errors.jump) != 0) return false;
    step(session);
    return true;
}

void Create(Session& s) {
    s.cinfo.err = jpeg_std_error(&s.errors.base);
    s.errors.base.error_exit = JumpOut;
    s.errors.base.emit_message = OnMessage;
    s.errors.base.output_message = Silent;
    jpeg_create_decompress(&s.cinfo);
}

// Reads the header and picks an output colour space whose pixels ConvertRow understands; libjpeg
// itself does not turn CMYK into RGB.
void ReadHeader(Session& s) {
    jpeg_mem_src(&s.cinfo, s.input.data(), static_cast<unsigned long>(s.input.size()));
    jpeg_read_header(&s.cinfo, TRUE);
    switch (s.cinfo.jpeg_color_space) {
        case JCS_GRAYSCALE:
            s.cinfo.out_color_space = JCS_GRAYSCALE;
            break;
        case JCS_CMYK:
        case JCS_YCCK:
            s.cinfo.out_color_space = JCS_CMYK;
            break;
        default:
            s.cinfo.out_color_space = JCS_RGB;
            break;
    }
    jpeg_calc_output_dimensions(&s.cinfo);
}

std::uint32_t Opaque(unsigned r, unsigned g, unsigned b) {
    return 0xFF000000u | (r << 16) | (g << 8) | b;
}

void ConvertRow(const j_decompress_ptr cinfo, const JSAMPLE* in, std::uint32_t* out) {
    const JDIMENSION width = cinfo->output_width;
    switch (cinfo->out_color_space) {
        case JCS_GRAYSCALE:
            for (JDIMENSION x = 0; x < width; ++x)
                out[x] = Opaque(in[x], in[x], in[x]);
            break;
        case JCS_CMYK: {
            // Files with an Adobe marker (nearly all CMYK JPEGs) store the inks inverted.
            const bool inverted = cinfo->saw_Adobe_marker;
            for (JDIMENSION x = 0; x < width; ++x, in += 4) {
                const unsigned c = inverted ? in[0] : 255u - in[0];
                const unsigned m = inverted ? in[1] : 255u - in[1];
                const unsigned y = inverted ? in[2] : 255u - in[2];
                const unsigned k = inverted ? in[3] : 255u - in[3];
                out[x] = Opaque(c * k / 255u, m * k / 255u, y * k / 255u);
            }
            break;
        }
        default:
            for (JDIMENSION x = 0; x < width; ++x, in += 3)
                out[x] = Opaque(in[0], in[1], in[2]);
            break;
    }
}

void ReadPixels(Session& s) {
    j_decompress_ptr cinfo = &s.cinfo;
    jpeg_start_decompress(cinfo);
    // Freed with the decompressor, so a longjmp out of the loop leaks nothing.
    JSAMPARRAY row = (*cinfo->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_IMAGE,
                                                 cinfo->output_width * cinfo->output_components, 1);
    while (cinfo->output_scanline < cinfo->output_height) {
        const JDIMENSION y = cinfo->output_scanline;
        if (jpeg_read_scanlines(cinfo, row, 1) != 1) JumpOut(reinterpret_cast<j_common_ptr>(cinfo));
        ConvertRow(cinfo, row[0], s.pixels + static_cast<std::size_t>(y) * cinfo->output_width);
    }
    jpeg_finish_decompress(cinfo);
}

}  // namespace

std::optional<imaging::Bitmap> DecodeJpeg(std::span<const std::uint8_t> bytes, const JpegLimits& limits) {
    // libjpeg takes the length as unsigned long, which is 32 bits on Windows.
    if (bytes.empty() || bytes.size() > ULONG_MAX) return std::nullopt;

    Session session;
    session.input = bytes;
    if (!RunGuarded(session, Create)) return std::nullopt;
    if (!RunGuarded(session, ReadHeader)) return std::nullopt;

    const JDIMENSION width = session.cinfo.output_width;
    const JDIMENSION height = session.cinfo.output_height;
    const auto side = static_cast<JDIMENSION>(limits.maxSide);
    if (width == 0 || height == 0 || width > side || height > side) return std::nullopt;
    if (std::size_t{width} * height > limits.maxPixels) return std::nullopt;

    imaging::Bitmap picture;
    picture.width = static_cast<int>(width);
    picture.height = static_cast<int>(height);
    picture.pixels.resize(std::size_t{width} * height);
    session.pixels = picture.pixels.data();
    if (!RunGuarded(session, ReadPixels)) return std::nullopt;
    return picture;
}

}  // namespace vitrex::imaging
