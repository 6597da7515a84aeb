// Processor database: one fixed record per known device of the four
// instruction-set families, and the pure queries over it. Every query takes a
// device id (1 to PROC_COUNT); an id outside that range is an internal error.
#ifndef VELC_DEVICE_PROCESSORS_H
#define VELC_DEVICE_PROCESSORS_H

#include <cstdint>

// Instruction-set family codes as returned by getInstSet.
enum InstSetCode {
  INSTSET_FLINT = 1,   // 14-bit core
  INSTSET_GARNET = 2,  // older 16-bit core
  INSTSET_EMBER = 3,   // 12-bit core
  INSTSET_HARROW = 4,  // enhanced 16-bit core; the only family this compiler targets
};

constexpr int PROC_COUNT = 321;       // devices in the table, ids 1..PROC_COUNT without gaps
constexpr int PROC_GENERIC_ID = 257;  // description used for the generic "Harrow" processor
constexpr const char *PROC_GENERIC_NAME = "Harrow";  // generic name; not itself a table row

// The instruction-set family code 1 to 4 of the device.
int getInstSet(int id);
// The device name as written with -p and in the preprocessor's processor define.
const char *getDvsProcName(int id);
// The processor type code written into the object file header.
uint16_t getDvsProcType(int id);
// Bits per program-memory location.
int getRomWidth(int id);
// Bits per data-memory location (8 on every device).
int getRamWidth(int id);
// Whether the device has the extended instruction set with stack-relative addressing.
bool supports_extended_mode(int id);
// Number of program-memory pages.
int getNumberOfPages(int id);
// Size of program memory in locations (0 for a device without program memory).
long getProgramLocations(int id);
// Locations per program-memory page.
long getLocationsPerPage(int id);
// Number of data-memory banks.
int getNumberOfBanks(int id);
// Usable data-memory locations.
int getDataLocations(int id);
// Data locations per bank.
int getLocationsPerBank(int id);
// Highest program-memory address of the device's family.
long getMaxROMAddr(int id);
// Highest data-memory address of the device's family.
long getMaxRAMAddr(int id);

// Looks the name up ignoring case, in id order; on a match writes the id to
// *id_out and returns 1, otherwise returns 0 and leaves *id_out unchanged.
int convertDvsProcName(const char *name, int *id_out);
// The id of the device with this processor type code, or 0 when none has it.
int convertDvsProcType(uint16_t code);
// Whether the type code belongs to a device this tool chain handles as a target.
bool isDvsProcTypeSupported(uint16_t code);

// Bank number of a data address on the device (the address over the bank size).
uint16_t getDataBankNumber(int id, uint32_t address);
// Offset of a data address within its bank.
uint16_t getDataBankOffset(int id, uint32_t address);
// Whether the data address is a general-purpose register rather than a special one.
bool isGpr(int id, uint32_t address);

#endif
