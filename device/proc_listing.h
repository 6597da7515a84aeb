// Device listing: the processor table rendered as a Markdown document (the
// text of docs/devices.md), so that the documentation is produced from the
// table itself and a test can tell when the two differ.
#ifndef VELC_DEVICE_PROC_LISTING_H
#define VELC_DEVICE_PROC_LISTING_H

#include <string>

// The whole Markdown document listing the families and every device.
std::string proc_listing_markdown();

#endif
