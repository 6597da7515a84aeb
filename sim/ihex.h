// Intel HEX files of program images. In: a file of records (data, end of
// file, extended segment and linear address). Out: bytes at 32-bit addresses;
// and the reverse for writing an image.
#ifndef VELC_SIM_IHEX_H
#define VELC_SIM_IHEX_H

#include <cstdint>
#include <functional>
#include <map>
#include <string>

using IhexSink = std::function<void(uint32_t address, const uint8_t *bytes, size_t count)>;

// Reads a HEX file, passing each data record to sink. False with a message
// naming the file and line on a malformed record, a bad checksum, a missing
// end record or an unreadable file.
bool ihex_read(const char *path, const IhexSink &sink, std::string &error);
// Reads HEX text already in memory (name is used in messages).
bool ihex_parse(const std::string &text, const char *name, const IhexSink &sink, std::string &error);
// Writes bytes as HEX: 16 data bytes per record, extended linear address
// records when the upper 16 bits change, an end record. False when the file
// cannot be written.
bool ihex_write(const char *path, const std::map<uint32_t, uint8_t> &bytes, std::string &error);
// The HEX text ihex_write would write.
std::string ihex_format(const std::map<uint32_t, uint8_t> &bytes);

#endif
