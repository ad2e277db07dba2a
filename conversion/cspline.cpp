#include "conversion/cspline.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace rozar {

cSpline::cSpline(std::vector<double>& x_values, std::vector<double>& y_values) : x(x_values), y(y_values)
{
    if (IsInputSane())
        compute_segments();
}

bool cSpline::IsInputSane()
{
    error = check_input();
    return error == input_ok;
}

int cSpline::check_input()
{
    if (x.empty() || y.empty())
        return no_input;
    for (std::size_t i = 0; i + 1 < x.size(); ++i) {
        if (x[i] > x[i + 1])
            return not_ascending;
    }
    // Values too close to the last kept one are dropped; the kept ones move
    // to the front and the tail keeps its old contents.
    std::size_t kept = 0;
    bool dropped = false;
    for (std::size_t i = 1; i < x.size(); ++i) {
        if (tolerance > std::fabs(x[kept] - x[i])) {
            dropped = true;
        } else {
            ++kept;
            x[kept] = x[i];
        }
    }
    return dropped ? not_single_valued : input_ok;
}

void cSpline::compute_segments()
{
    // An x value without its y value has no point to pass through.
    std::size_t const n = std::min(x.size(), y.size());
    if (n < 2)
        return;
    std::size_t const m = n - 1;
    std::vector<double> const a = y;
    std::vector<double> h(m);
    for (std::size_t i = 0; i < m; ++i)
        h[i] = x[i + 1] - x[i];

    std::vector<double> l(m + 1, 1.0);
    std::vector<double> mu(m + 1, 0.0);
    std::vector<double> z(m + 1, 0.0);
    for (std::size_t i = 1; i < m; ++i) {
        double const alpha = 3 * (a[i + 1] - a[i]) / h[i] - 3 * (a[i] - a[i - 1]) / h[i - 1];
        l[i] = 2 * (x[i + 1] - x[i - 1]) - h[i - 1] * mu[i - 1];
        mu[i] = h[i] / l[i];
        z[i] = (alpha - h[i - 1] * z[i - 1]) / l[i];
    }

    std::vector<double> c(m + 1, 0.0);
    segments.resize(m);
    for (std::size_t j = m; j-- > 0;) {
        c[j] = z[j] - mu[j] * c[j + 1];
        double const b = (a[j + 1] - a[j]) / h[j] - h[j] * (c[j + 1] + 2 * c[j]) / 3;
        double const d = (c[j + 1] - c[j]) / (3 * h[j]);
        segments[j] = Segment{a[j], b, c[j], d, x[j]};
    }
}

cSpline::Segment const& cSpline::segment_at(double X) const
{
    for (std::size_t j = 0; j < segments.size(); ++j) {
        if (segments[j].x > X)
            return segments[j == 0 ? 0 : j - 1];
    }
    return segments.back();
}

double cSpline::getY(double X) const
{
    // Without segments (rejected input or a single point) the curve is flat.
    if (segments.empty())
        return y.empty() ? 0.0 : y.front();
    Segment const& s = segment_at(X);
    double const t = X - s.x;
    return ((s.b * t + s.a) + s.c * t * t) + s.d * t * t * t;
}

void cSpline::Draw(std::function<void(double, double)> fn, int resolution) const
{
    if (x.empty() || y.empty() || !std::isfinite(x.front()) || !std::isfinite(x.back()))
        return;
    double const first = x.front();
    double const last = x.back();
    double const step = (last - first) / resolution;
    double p = std::trunc(first);
    while (last >= p) {
        fn(p, getY(p));
        double next = std::trunc(p + step);
        // A step that can't move the position on (zero, negative, NaN or too
        // small) advances to the next representable whole position instead.
        if (!(next > p))
            next = std::fmax(p + 1, std::nextafter(p, HUGE_VAL));
        p = next;
    }
}

}
