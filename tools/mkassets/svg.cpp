#include "svg.h"

#include <cairo.h>
#include <librsvg/rsvg.h>

#include <cstdio>
#include <cstdlib>

#include "families.h"

SvgImage RenderSvg(const std::string& name, int w, int h) {
    std::string path = AssetSourceFolder() + "/" + name;
    GError* error = nullptr;
    RsvgHandle* handle = rsvg_handle_new_from_file(path.c_str(), &error);
    if (!handle) {
        std::fprintf(stderr, "mkassets: cannot read %s: %s\n", path.c_str(), error ? error->message : "?");
        std::exit(1);
    }
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cairo_t* cr = cairo_create(surface);
    RsvgRectangle viewport = {0, 0, static_cast<double>(w), static_cast<double>(h)};
    if (!rsvg_handle_render_document(handle, cr, &viewport, &error)) {
        std::fprintf(stderr, "mkassets: cannot render %s: %s\n", path.c_str(), error ? error->message : "?");
        std::exit(1);
    }
    cairo_surface_flush(surface);
    SvgImage out{Canvas(w, h), Mask(w, h)};
    const unsigned char* data = cairo_image_surface_get_data(surface);
    int stride = cairo_image_surface_get_stride(surface);
    for (int j = 0; j < h; j++)
        for (int i = 0; i < w; i++) {
            uint32_t p = *reinterpret_cast<const uint32_t*>(data + j * stride + i * 4);
            out.alpha.at(i, j) = static_cast<float>(p >> 24) / 255.0f;
            out.colour.at(i, j) = {static_cast<float>((p >> 16) & 255) / 255.0f,
                                   static_cast<float>((p >> 8) & 255) / 255.0f, static_cast<float>(p & 255) / 255.0f};
        }
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    g_object_unref(handle);
    return out;
}

void Composite(Canvas& c, const SvgImage& image, int x, int y) {
    for (int j = 0; j < image.alpha.height; j++)
        for (int i = 0; i < image.alpha.width; i++) {
            float a = image.alpha.get(i, j);
            if (a <= 0 || !c.inside(x + i, y + j)) continue;
            Rgb& d = c.at(x + i, y + j);
            d = d * (1 - a) + image.colour.at(i, j);
        }
}
