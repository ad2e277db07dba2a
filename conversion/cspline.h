#pragma once

#include <functional>
#include <vector>

namespace rozar {

// Natural cubic spline through points with strictly ascending x values.
class cSpline {
public:
    struct Segment {
        double a;
        double b;
        double c;
        double d;
        double x;
    };

    enum : int { input_ok = 0, not_ascending = 1, no_input = 2, not_single_valued = 3 };

    cSpline(std::vector<double>& x, std::vector<double>& y);

    bool IsInputSane();
    double getY(double X) const;
    void Draw(std::function<void(double, double)> fn, int resolution) const;

    int error = input_ok;
    std::vector<double> x;
    std::vector<double> y;
    std::vector<Segment> segments;
    double tolerance = 1.0;

private:
    int check_input();
    void compute_segments();
    Segment const& segment_at(double X) const;
};

}
