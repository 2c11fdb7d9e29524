// The application icon: the mascot in a neon-framed arcade tile, with a row of
// bricks above it and the paddle and a glowing ball below. Drawn once as SVG (the
// scalable icon) and rendered from that same SVG at every fixed size, with alpha,
// into out/icons/hicolor/, the layout the desktop's icon theme expects.
#include <cairo.h>
#include <librsvg/rsvg.h>
#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "art_families.h"
#include "families.h"
#include "shell/paths.h"

namespace {
const char* const kIconName = "org.zapbrik.Zapbrik";
const int kIconSizes[] = {32, 48, 64, 128, 256};

// The mascot's drawing without its outer <svg> element, to nest inside the icon.
std::string MonkeyBody() {
    std::ifstream file(AssetSourceFolder() + "/monkey.svg", std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    const std::string svg = text.str();
    const size_t open = svg.find("<svg");
    const size_t start = open == std::string::npos ? open : svg.find('>', open);
    const size_t end = svg.rfind("</svg>");
    if (start == std::string::npos || end == std::string::npos || end < start) return "";
    return svg.substr(start + 1, end - start - 1);
}

std::string IconSvg(const std::string& monkey) {
    std::string s =
        "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 256 256\" width=\"256\" height=\"256\">\n"
        "  <defs>\n"
        "    <radialGradient id=\"hall\" cx=\"0.5\" cy=\"0.38\" r=\"0.7\">\n"
        "      <stop offset=\"0\" stop-color=\"#3a1a5e\"/>\n"
        "      <stop offset=\"0.6\" stop-color=\"#26103f\"/>\n"
        "      <stop offset=\"1\" stop-color=\"#0c0618\"/>\n"
        "    </radialGradient>\n"
        "    <radialGradient id=\"ball\" cx=\"0.38\" cy=\"0.35\" r=\"0.65\">\n"
        "      <stop offset=\"0\" stop-color=\"#ffffff\"/>\n"
        "      <stop offset=\"0.45\" stop-color=\"#b9fbff\"/>\n"
        "      <stop offset=\"1\" stop-color=\"#16a9c0\"/>\n"
        "    </radialGradient>\n"
        "    <linearGradient id=\"chrome\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">\n"
        "      <stop offset=\"0\" stop-color=\"#ffffff\"/>\n"
        "      <stop offset=\"0.45\" stop-color=\"#b8b4d0\"/>\n"
        "      <stop offset=\"0.55\" stop-color=\"#6d6890\"/>\n"
        "      <stop offset=\"1\" stop-color=\"#d8d4f0\"/>\n"
        "    </linearGradient>\n"
        "  </defs>\n"
        // The tile and its neon tube: a wide faint stroke for the glow, the tube on top.
        "  <rect x=\"12\" y=\"12\" width=\"232\" height=\"232\" rx=\"46\" fill=\"url(#hall)\"/>\n"
        "  <rect x=\"16\" y=\"16\" width=\"224\" height=\"224\" rx=\"42\" fill=\"none\" stroke=\"#29f0ff\" "
        "stroke-opacity=\"0.3\" stroke-width=\"14\"/>\n"
        "  <rect x=\"16\" y=\"16\" width=\"224\" height=\"224\" rx=\"42\" fill=\"none\" stroke=\"#29f0ff\" "
        "stroke-width=\"6\"/>\n"
        "  <rect x=\"16\" y=\"16\" width=\"224\" height=\"224\" rx=\"42\" fill=\"none\" stroke=\"#e8fdff\" "
        "stroke-width=\"2\"/>\n";
    // Three bricks in the hall's neon colours, each with a lit top edge.
    const char* const brickColours[] = {"#ff3cc8", "#ffe23a", "#7cff5a"};
    for (int i = 0; i < 3; i++) {
        const int x = 42 + i * 60;
        s += "  <rect x=\"" + std::to_string(x) + "\" y=\"38\" width=\"52\" height=\"28\" rx=\"6\" fill=\"" +
             brickColours[i] + "\"/>\n";
        s += "  <rect x=\"" + std::to_string(x + 4) +
             "\" y=\"41\" width=\"44\" height=\"7\" rx=\"3\" fill=\"#ffffff\" fill-opacity=\"0.5\"/>\n";
        s += "  <rect x=\"" + std::to_string(x) +
             "\" y=\"58\" width=\"52\" height=\"8\" rx=\"4\" fill=\"#000000\" fill-opacity=\"0.25\"/>\n";
    }
    s += "  <svg x=\"58\" y=\"70\" width=\"140\" height=\"140\" viewBox=\"0 0 200 200\">" + monkey + "</svg>\n";
    // The paddle, and the ball in flight with its glow.
    s += "  <rect x=\"72\" y=\"206\" width=\"112\" height=\"16\" rx=\"8\" fill=\"url(#chrome)\" stroke=\"#ff3cc8\" "
         "stroke-width=\"3\"/>\n"
         "  <circle cx=\"200\" cy=\"108\" r=\"22\" fill=\"#29f0ff\" fill-opacity=\"0.25\"/>\n"
         "  <circle cx=\"200\" cy=\"108\" r=\"14\" fill=\"url(#ball)\"/>\n"
         "</svg>\n";
    return s;
}

// Renders the icon at size x size into a PNG with alpha, then reads it back: it
// must load at that size, clear in the corner and solid in the middle.
bool WriteIconPng(const std::string& svg, int size, const std::string& path) {
    GError* error = nullptr;
    RsvgHandle* handle =
        rsvg_handle_new_from_data(reinterpret_cast<const guint8*>(svg.data()), svg.size(), &error);
    if (!handle) {
        std::fprintf(stderr, "mkassets: icon SVG does not parse: %s\n", error ? error->message : "?");
        return false;
    }
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
    cairo_t* cr = cairo_create(surface);
    RsvgRectangle viewport = {0, 0, static_cast<double>(size), static_cast<double>(size)};
    bool ok = rsvg_handle_render_document(handle, cr, &viewport, &error) &&
              cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    g_object_unref(handle);
    if (!ok) {
        std::fprintf(stderr, "mkassets: cannot write %s\n", path.c_str());
        return false;
    }
    cairo_surface_t* back = cairo_image_surface_create_from_png(path.c_str());
    ok = cairo_surface_status(back) == CAIRO_STATUS_SUCCESS && cairo_image_surface_get_width(back) == size &&
         cairo_image_surface_get_height(back) == size;
    if (ok) {
        const unsigned char* data = cairo_image_surface_get_data(back);
        const int stride = cairo_image_surface_get_stride(back);
        auto alpha = [&](int x, int y) { return *reinterpret_cast<const uint32_t*>(data + y * stride + x * 4) >> 24; };
        ok = alpha(0, 0) == 0 && alpha(size / 2, size / 2) == 255;
    }
    cairo_surface_destroy(back);
    if (!ok) std::fprintf(stderr, "mkassets: %s did not read back as a %d-pixel icon\n", path.c_str(), size);
    return ok;
}
}  // namespace

bool WriteAppIcons(const std::string& out) {
    const std::string monkey = MonkeyBody();
    if (monkey.empty()) {
        std::fprintf(stderr, "mkassets: cannot read the mascot for the icon\n");
        return false;
    }
    const std::string svg = IconSvg(monkey);
    const std::string root = out + "icons/hicolor/";
    const std::string scalable = root + "scalable/apps";
    if (!MakeFolders(scalable)) {
        std::fprintf(stderr, "mkassets: cannot make %s\n", scalable.c_str());
        return false;
    }
    std::ofstream file(scalable + "/" + kIconName + ".svg", std::ios::binary);
    file << svg;
    if (!file.flush()) {
        std::fprintf(stderr, "mkassets: cannot write the scalable icon\n");
        return false;
    }
    for (int size : kIconSizes) {
        const std::string folder = root + std::to_string(size) + "x" + std::to_string(size) + "/apps";
        if (!MakeFolders(folder) || !WriteIconPng(svg, size, folder + "/" + kIconName + ".png")) return false;
    }
    return true;
}
