// Which monitor a point or rectangle belongs to, chosen as the system chooses with its
// nearest-monitor rule, over a list of monitors read once: asking the system costs more
// under some hosts than the rest of a key's placement.
#pragma once

#include <vector>

#include "ime/ui/UiGeometry.h"

struct MonitorAreas {
  UiRect monitor;
  UiRect work;
};

// The index of the monitor that holds p, else of the nearest one; -1 without monitors.
int MonitorHolding(const std::vector<MonitorAreas>& monitors, UiPoint p);
// The index of the monitor that shares the largest area with r, else of the nearest one;
// -1 without monitors.
int MonitorAround(const std::vector<MonitorAreas>& monitors, const UiRect& r);
