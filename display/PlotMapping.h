#pragma once

// The linear map between axis values and positions in a chart's plot area,
// as the chart draws it: X grows to the right from the bottom axis minimum
// at the left edge, Y grows upwards from the left axis minimum at the bottom
// edge. Positions are in the plot's own coordinate system (scene pixels).
class PlotMapping {
public:
    PlotMapping(double left, double top, double width, double height, double xMin, double xMax, double yMin,
                double yMax);

    double XToPosition(double x) const;
    double YToPosition(double y) const;
    double PositionToX(double position) const;
    double PositionToY(double position) const;

private:
    double left_, top_, width_, height_;
    double xMin_, xMax_, yMin_, yMax_;
};
