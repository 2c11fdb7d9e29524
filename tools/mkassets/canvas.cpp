#include "canvas.h"

#include <algorithm>
#include <cmath>

Rgb Hex(uint32_t rgb) {
    return {static_cast<float>((rgb >> 16) & 255) / 255.0f, static_cast<float>((rgb >> 8) & 255) / 255.0f,
            static_cast<float>(rgb & 255) / 255.0f};
}

float Clamp01(float v) { return v < 0 ? 0 : v > 1 ? 1 : v; }

float SmoothStep(float e0, float e1, float v) {
    float t = Clamp01((v - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

namespace {
void BoxPass(std::vector<float>& v, int count, int stride, int start, int radius) {
    std::vector<float> line(static_cast<size_t>(count));
    for (int i = 0; i < count; i++) line[i] = v[start + static_cast<size_t>(i) * stride];
    float sum = 0;
    for (int i = -radius; i <= radius; i++) sum += (i >= 0 && i < count) ? line[i] : 0.0f;
    float scale = 1.0f / static_cast<float>(2 * radius + 1);
    for (int i = 0; i < count; i++) {
        v[start + static_cast<size_t>(i) * stride] = sum * scale;
        int out = i - radius, in = i + radius + 1;
        if (out >= 0) sum -= line[out];
        if (in < count) sum += line[in];
    }
}
}  // namespace

void Blur(Mask& m, int radius) {
    if (radius <= 0) return;
    for (int pass = 0; pass < 3; pass++) {
        for (int y = 0; y < m.height; y++) BoxPass(m.a, m.width, 1, y * m.width, radius);
        for (int x = 0; x < m.width; x++) BoxPass(m.a, m.height, m.width, x, radius);
    }
}

void Canvas::paste(const Canvas& src, int x, int y) {
    for (int j = 0; j < src.height; j++)
        for (int i = 0; i < src.width; i++)
            if (inside(x + i, y + j)) at(x + i, y + j) = src.at(i, j);
}

std::vector<uint8_t> Canvas::bytes() const {
    std::vector<uint8_t> out(px.size() * 3);
    auto q = [](float v) { return static_cast<uint8_t>(std::lround(Clamp01(v) * 255.0f)); };
    for (size_t i = 0; i < px.size(); i++) {
        out[i * 3] = q(px[i].r);
        out[i * 3 + 1] = q(px[i].g);
        out[i * 3 + 2] = q(px[i].b);
    }
    return out;
}

void PaintMask(Canvas& c, const Mask& m, int x, int y, Rgb colour, float opacity) {
    for (int j = 0; j < m.height; j++)
        for (int i = 0; i < m.width; i++) c.blend(x + i, y + j, colour, m.a[static_cast<size_t>(j) * m.width + i] * opacity);
}

void AddMask(Canvas& c, const Mask& m, int x, int y, Rgb colour, float strength) {
    for (int j = 0; j < m.height; j++)
        for (int i = 0; i < m.width; i++) c.add(x + i, y + j, colour, m.a[static_cast<size_t>(j) * m.width + i] * strength);
}

void Glow(Canvas& c, const Mask& m, int x, int y, Rgb colour, int radius, float strength) {
    int pad = radius * 3;
    Mask big(m.width + 2 * pad, m.height + 2 * pad);
    for (int j = 0; j < m.height; j++)
        for (int i = 0; i < m.width; i++) big.at(i + pad, j + pad) = m.a[static_cast<size_t>(j) * m.width + i];
    Blur(big, radius);
    AddMask(c, big, x - pad, y - pad, colour, strength);
}

namespace {
uint32_t Hash(int x, int y, uint32_t seed) {
    uint32_t h = seed * 0x9E3779B1u ^ static_cast<uint32_t>(x) * 0x85EBCA77u ^ static_cast<uint32_t>(y) * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}
float Lattice(int x, int y, int period, uint32_t seed) {
    x = ((x % period) + period) % period;
    y = ((y % period) + period) % period;
    return static_cast<float>(Hash(x, y, seed) & 0xFFFF) / 65535.0f;
}
}  // namespace

float ValueNoise(float x, float y, int period, uint32_t seed) {
    float fx = std::floor(x), fy = std::floor(y);
    int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    float tx = x - fx, ty = y - fy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    float a = Lattice(ix, iy, period, seed), b = Lattice(ix + 1, iy, period, seed);
    float c = Lattice(ix, iy + 1, period, seed), d = Lattice(ix + 1, iy + 1, period, seed);
    return (a + (b - a) * tx) * (1 - ty) + (c + (d - c) * tx) * ty;
}

float Fbm(float x, float y, int period, int octaves, uint32_t seed) {
    float sum = 0, amp = 0.5f, norm = 0;
    for (int o = 0; o < octaves; o++) {
        sum += ValueNoise(x, y, period, seed + static_cast<uint32_t>(o) * 101u) * amp;
        norm += amp;
        amp *= 0.5f;
        x *= 2;
        y *= 2;
        period *= 2;
    }
    return sum / norm;
}

float SdCircle(float x, float y, float cx, float cy, float r) { return std::hypot(x - cx, y - cy) - r; }

float SdRoundBox(float x, float y, float cx, float cy, float hw, float hh, float r) {
    float qx = std::fabs(x - cx) - hw + r, qy = std::fabs(y - cy) - hh + r;
    float ox = std::max(qx, 0.0f), oy = std::max(qy, 0.0f);
    return std::hypot(ox, oy) + std::min(std::max(qx, qy), 0.0f) - r;
}

float SdSegment(float x, float y, float ax, float ay, float bx, float by) {
    float px = x - ax, py = y - ay, dx = bx - ax, dy = by - ay;
    float len2 = dx * dx + dy * dy;
    float t = len2 > 0 ? Clamp01((px * dx + py * dy) / len2) : 0.0f;
    return std::hypot(px - dx * t, py - dy * t);
}

Mask ShapeMask(int width, int height, const std::function<float(float, float)>& sdf) {
    Mask m(width, height);
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++) m.at(x, y) = Coverage(sdf(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f));
    return m;
}

void BevelShape(Canvas& c, int x0, int y0, int w, int h, const std::function<float(float, float)>& sdf, float bevel,
                const std::function<Rgb(int, int)>& base, float shine, bool sunken) {
    Light l;
    auto height = [&](float x, float y) {
        float t = SmoothStep(0.0f, 1.0f, Clamp01(-sdf(x, y) / bevel));
        return (sunken ? -t : t) * bevel;
    };
    for (int y = y0; y < y0 + h; y++)
        for (int x = x0; x < x0 + w; x++) {
            float fx = static_cast<float>(x) + 0.5f, fy = static_cast<float>(y) + 0.5f;
            float cov = Coverage(sdf(fx, fy));
            if (cov <= 0) continue;
            float nx = -(height(fx + 0.5f, fy) - height(fx - 0.5f, fy));
            float ny = -(height(fx, fy + 0.5f) - height(fx, fy - 0.5f));
            float nz = 1.0f;
            float len = std::sqrt(nx * nx + ny * ny + nz * nz);
            nx /= len, ny /= len, nz /= len;
            float diffuse = std::max(0.0f, -(nx * l.x + ny * l.y) + nz * l.z);
            // Half vector between the light and the viewer (0, 0, 1).
            float hx = -l.x, hy = -l.y, hz = l.z + 1.0f;
            float hl = std::sqrt(hx * hx + hy * hy + hz * hz);
            float specular = std::pow(std::max(0.0f, (nx * hx + ny * hy + nz * hz) / hl), 24.0f) * shine;
            Rgb b = base(x, y);
            Rgb lit = b * (0.35f + 0.85f * diffuse) + Rgb{1, 1, 1} * specular;
            c.blend(x, y, lit, cov);
        }
}

void Sphere(Canvas& c, float cx, float cy, float r, Rgb colour, float shine) {
    Light l;
    float ll = std::sqrt(l.x * l.x + l.y * l.y + l.z * l.z);
    int x0 = static_cast<int>(std::floor(cx - r - 1)), x1 = static_cast<int>(std::ceil(cx + r + 1));
    int y0 = static_cast<int>(std::floor(cy - r - 1)), y1 = static_cast<int>(std::ceil(cy + r + 1));
    for (int y = y0; y <= y1; y++)
        for (int x = x0; x <= x1; x++) {
            float fx = static_cast<float>(x) + 0.5f, fy = static_cast<float>(y) + 0.5f;
            float cov = Coverage(SdCircle(fx, fy, cx, cy, r));
            if (cov <= 0) continue;
            float nx = (fx - cx) / r, ny = (fy - cy) / r;
            float d2 = std::min(1.0f, nx * nx + ny * ny);
            float nz = std::sqrt(1.0f - d2);
            float diffuse = std::max(0.0f, (nx * l.x + ny * l.y + nz * l.z) / ll);
            float hx = l.x / ll, hy = l.y / ll, hz = l.z / ll + 1.0f;
            float hl = std::sqrt(hx * hx + hy * hy + hz * hz);
            float specular = std::pow(std::max(0.0f, (nx * hx + ny * hy + nz * hz) / hl), 40.0f) * shine;
            // A faint rim light from below keeps the dark side from going flat.
            float rim = std::pow(d2, 3.0f) * std::max(0.0f, ny) * 0.35f;
            Rgb lit = colour * (0.18f + 0.9f * diffuse + rim) + Rgb{1, 1, 1} * specular;
            c.blend(x, y, lit, cov);
        }
}
