#include "PlotMapping.h"

PlotMapping::PlotMapping(double left, double top, double width, double height, double xMin, double xMax,
                         double yMin, double yMax)
    : left_(left),
      top_(top),
      width_(width),
      height_(height),
      xMin_(xMin),
      xMax_(xMax),
      yMin_(yMin),
      yMax_(yMax) {}

// An empty axis range or plot area (a chart not laid out yet) maps
// everything to the plot's edge rather than dividing by zero.

double PlotMapping::XToPosition(double x) const {
    const double span = xMax_ - xMin_;
    return span != 0.0 ? left_ + (x - xMin_) * width_ / span : left_;
}

double PlotMapping::YToPosition(double y) const {
    const double span = yMax_ - yMin_;
    return span != 0.0 ? top_ + (yMax_ - y) * height_ / span : top_ + height_;
}

double PlotMapping::PositionToX(double position) const {
    return width_ != 0.0 ? xMin_ + (position - left_) * (xMax_ - xMin_) / width_ : xMin_;
}

double PlotMapping::PositionToY(double position) const {
    return height_ != 0.0 ? yMax_ - (position - top_) * (yMax_ - yMin_) / height_ : yMin_;
}
