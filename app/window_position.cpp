// The main window's position rule.
#include "app/window_position.h"

void CorrectWindowPosition(int& x, int& y, const MainWindowMetrics& metrics) {
  bool unset = x < 1 && y < 1;
  bool outside = x + metrics.client_width > metrics.work_area.right ||
                 y + metrics.client_height > metrics.work_area.bottom;
  if (!unset && !outside) return;
  x = metrics.work_area.right - metrics.client_width - 50;
  y = metrics.work_area.bottom - metrics.client_height - metrics.frame_height;
}
