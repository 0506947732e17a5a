// The window's arithmetic: the rotation the builder works with, and two helpers nothing calls.
#include "builder/Rotate.h"
#include "ui/Window1.h"

double Window1::FunctionSquareIt(double x) { return x * x; }

void Window1::Calculate(double x, double& a, double& b, double& c) {
  a = x * 2;
  b = x * x;
  c = (x * x) * x;
}

void Window1::Rotate(double axisLatitude, double axisLongitude, double angle, double pointLatitude,
                     double pointLongitude, double& outLatitude, double& outLongitude) {
  builder::Rotate(axisLatitude, axisLongitude, angle, pointLatitude, pointLongitude, outLatitude, outLongitude);
}
