#include "ime/ui/MonitorChoice.h"

#include <algorithm>

namespace {

long long Gap(int lowA, int highA, int lowB, int highB) {
  return std::max({0LL, static_cast<long long>(lowB) - highA, static_cast<long long>(lowA) - highB});
}

// The squared distance between the nearest pixels of the two rectangles.
long long SquaredDistance(const UiRect& a, const UiRect& b) {
  const long long dx = Gap(a.left, a.right, b.left, b.right);
  const long long dy = Gap(a.top, a.bottom, b.top, b.bottom);
  return dx * dx + dy * dy;
}

long long SharedArea(const UiRect& a, const UiRect& b) {
  const long long width =
      static_cast<long long>(std::min(a.right, b.right)) - std::max(a.left, b.left);
  const long long height =
      static_cast<long long>(std::min(a.bottom, b.bottom)) - std::max(a.top, b.top);
  return width > 0 && height > 0 ? width * height : 0;
}

int Nearest(const std::vector<MonitorAreas>& monitors, const UiRect& r) {
  int best = -1;
  long long bestDistance = 0;
  for (int i = 0; i < static_cast<int>(monitors.size()); ++i) {
    const long long distance = SquaredDistance(monitors[i].monitor, r);
    if (best < 0 || distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  return best;
}

}  // namespace

int MonitorHolding(const std::vector<MonitorAreas>& monitors, UiPoint p) {
  for (int i = 0; i < static_cast<int>(monitors.size()); ++i) {
    if (monitors[i].monitor.Contains(p)) return i;
  }
  return Nearest(monitors, {p.x, p.y, p.x + 1, p.y + 1});
}

int MonitorAround(const std::vector<MonitorAreas>& monitors, const UiRect& r) {
  int best = -1;
  long long bestArea = 0;
  for (int i = 0; i < static_cast<int>(monitors.size()); ++i) {
    const long long area = SharedArea(monitors[i].monitor, r);
    if (area > bestArea) {
      best = i;
      bestArea = area;
    }
  }
  return best >= 0 ? best : Nearest(monitors, r);
}
