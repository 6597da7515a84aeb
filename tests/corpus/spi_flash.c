/*
 * spi_flash.c - SPI master driver and a serial NOR flash on port C:
 * status polling, page program across page boundaries, sector erase and
 * reading of the JEDEC identification.
 */
#include "hr_types.h"
#include "hr_regs.h"

#define FLASH_CS_LOW()    (OUTCbits.P2 = 0)
#define FLASH_CS_HIGH()   (OUTCbits.P2 = 1)

#define CMD_WRITE_ENABLE  0x06
#define CMD_READ_STATUS   0x05
#define CMD_READ_DATA     0x03
#define CMD_PAGE_PROGRAM  0x02
#define CMD_SECTOR_ERASE  0x20
#define CMD_READ_ID       0x9F

#define STATUS_BUSY       0x01
#define STATUS_WEL        0x02
#define PAGE_SIZE         256UL

typedef struct {
    uint8 maker;
    uint8 type;
    uint8 capacity;
} flash_id_t;

void spi_init(void);
uint8 spi_xfer(uint8 out);
void flash_read(uint24 addr, uint8 *dst, uint16 n);
bool8 flash_write(uint24 addr, const uint8 *src, uint16 n);
bool8 flash_erase_sector(uint24 addr);
void flash_read_id(flash_id_t *id);
void main(void);

static uint16 busy_polls;

void spi_init(void)
{
    DIRCbits.P2 = 0;            /* chip select */
    DIRCbits.P3 = 0;            /* clock */
    DIRCbits.P4 = 1;            /* data in */
    DIRCbits.P5 = 0;            /* data out */
    FLASH_CS_HIGH();
    SPICTL = 0;
    SPICTLbits.MASTER = 1;
    SPICTLbits.CKE = 1;         /* mode 0: sample on the rising edge */
    SPICTLbits.DIV = 0b001;
    SPICTLbits.EN = 1;
}

uint8 spi_xfer(uint8 out)
{
    SPIBUF = out;
    while (!SPISTATbits.BF)
        ;
    return SPIBUF;
}

static void send_address(uint8 cmd, uint24 addr)
{
    spi_xfer(cmd);
    spi_xfer((uint8)(addr >> 16));
    spi_xfer((uint8)(addr >> 8));
    spi_xfer((uint8)addr);
}

static uint8 read_status(void)
{
    uint8 s;

    FLASH_CS_LOW();
    spi_xfer(CMD_READ_STATUS);
    s = spi_xfer(0xFF);
    FLASH_CS_HIGH();
    return s;
}

static bool8 wait_ready(uint16 limit)
{
    while (read_status() & STATUS_BUSY) {
        busy_polls++;
        if (--limit == 0)
            return FALSE;
    }
    return TRUE;
}

static bool8 write_enable(void)
{
    FLASH_CS_LOW();
    spi_xfer(CMD_WRITE_ENABLE);
    FLASH_CS_HIGH();
    return (read_status() & STATUS_WEL) != 0;
}

void flash_read(uint24 addr, uint8 *dst, uint16 n)
{
    FLASH_CS_LOW();
    send_address(CMD_READ_DATA, addr);
    while (n--)
        *dst++ = spi_xfer(0xFF);
    FLASH_CS_HIGH();
}

bool8 flash_write(uint24 addr, const uint8 *src, uint16 n)
{
    uint16 chunk;
    uint16 room;

    while (n > 0) {
        room = (uint16)(PAGE_SIZE - (addr & (PAGE_SIZE - 1)));
        chunk = n < room ? n : room;
        if (!write_enable())
            return FALSE;
        FLASH_CS_LOW();
        send_address(CMD_PAGE_PROGRAM, addr);
        for (room = 0; room < chunk; room++)
            spi_xfer(src[room]);
        FLASH_CS_HIGH();
        if (!wait_ready(2000))
            return FALSE;
        addr += chunk;
        src += chunk;
        n -= chunk;
    }
    return TRUE;
}

bool8 flash_erase_sector(uint24 addr)
{
    if (!write_enable())
        return FALSE;
    FLASH_CS_LOW();
    send_address(CMD_SECTOR_ERASE, addr & ~(uint24)0xFFF);
    FLASH_CS_HIGH();
    return wait_ready(60000U);
}

void flash_read_id(flash_id_t *id)
{
    FLASH_CS_LOW();
    spi_xfer(CMD_READ_ID);
    id->maker = spi_xfer(0xFF);
    id->type = spi_xfer(0xFF);
    id->capacity = spi_xfer(0xFF);
    FLASH_CS_HIGH();
}

void main(void)
{
    flash_id_t id;
    uint8 buf[20];
    uint8 i;
    uint24 where;

    spi_init();
    flash_read_id(&id);
    DIRB = 0;
    OUTB = id.capacity;
    where = 0x0100F0;           /* straddles a page boundary */
    for (i = 0; i < sizeof buf; i++)
        buf[i] = (uint8)(0xA0 + i);
    if (flash_erase_sector(where) && flash_write(where, buf, sizeof buf)) {
        for (i = 0; i < sizeof buf; i++)
            buf[i] = 0;
        flash_read(where, buf, sizeof buf);
        OUTB = buf[19] == 0xB3 ? 0x01 : 0x80;
    } else {
        OUTB = 0xFF;
    }
    for (;;)
        ;
}
