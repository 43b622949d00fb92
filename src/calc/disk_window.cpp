#include "calc/disk_window.h"

#include "app/korvel.h"

namespace calc {

DiskWindow::DiskWindow(app::Korvel& k) : Part(k) {}

void DiskWindow::Disk() {}

}  // namespace calc
