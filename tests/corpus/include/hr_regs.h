/*
 * hr_regs.h - peripheral registers of the HR4410K evaluation board
 * (access-bank special function registers 0xF80 to 0xFD7).
 *
 * The core registers (WREG, STATUS, BSR, FSRn, PROD, TBLPTR, TABLAT, PCL...)
 * are known to the compiler itself and are not declared here; assembly blocks
 * may still name them.
 *
 * Every register is a byte in the access bank, so it is declared 'near' and
 * 'volatile': the hardware changes it behind the program's back.
 */
#ifndef HR_REGS_H
#define HR_REGS_H

/* Destination and access operands of the byte-oriented instructions. */
#define W       0
#define F       1
#define ACCESS  0
#define BANKED  1

#define Nop()      do { _asm NOP _endasm } while (0)
#define ClrWdt()   do { _asm CLRWDT _endasm } while (0)
#define Sleep()    do { _asm SLEEP _endasm } while (0)
#define Reset()    do { _asm RESET _endasm } while (0)

/* ---- General-purpose ports ------------------------------------------- */
struct port_bits {
    unsigned P0:1;
    unsigned P1:1;
    unsigned P2:1;
    unsigned P3:1;
    unsigned P4:1;
    unsigned P5:1;
    unsigned P6:1;
    unsigned P7:1;
};

extern volatile near unsigned char PINA;   /* pin levels (read) */
extern volatile near unsigned char PINB;
extern volatile near unsigned char PINC;
extern volatile near unsigned char OUTA;   /* output latches */
extern volatile near unsigned char OUTB;
extern volatile near unsigned char OUTC;
extern volatile near unsigned char DIRA;   /* 1 = input (the reset state), 0 = output */
extern volatile near unsigned char DIRB;
extern volatile near unsigned char DIRC;
extern volatile near unsigned char PULLB;  /* weak pull-ups on port B */
extern volatile near unsigned char ANSEL;  /* 1 = analog input, port A */

extern volatile near struct port_bits PINAbits;
extern volatile near struct port_bits PINBbits;
extern volatile near struct port_bits PINCbits;
extern volatile near struct port_bits OUTAbits;
extern volatile near struct port_bits OUTBbits;
extern volatile near struct port_bits OUTCbits;
extern volatile near struct port_bits DIRAbits;
extern volatile near struct port_bits DIRBbits;
extern volatile near struct port_bits DIRCbits;

/* ---- Interrupt controller ---------------------------------------------- */
extern volatile near unsigned char INTCTL;
extern volatile near struct {
    unsigned PRIEN:1;    /* two priority levels */
    unsigned EDGE0:1;    /* external input 0: 1 = rising edge */
    unsigned EDGE1:1;
    unsigned :3;
    unsigned GIEL:1;     /* low-priority enable */
    unsigned GIEH:1;     /* high-priority (global) enable */
} INTCTLbits;

struct int1_bits {
    unsigned T0:1;
    unsigned T1:1;
    unsigned T2:1;
    unsigned URX:1;
    unsigned UTX:1;
    unsigned SPI:1;
    unsigned I2C:1;
    unsigned ADC:1;
};
struct int2_bits {
    unsigned EXT0:1;
    unsigned EXT1:1;
    unsigned CHG:1;      /* port B change */
    unsigned NVM:1;
    unsigned PWM:1;
    unsigned CMP:1;
    unsigned :2;
};

extern volatile near unsigned char INTEN1;
extern volatile near unsigned char INTFLG1;
extern volatile near unsigned char INTPRI1;
extern volatile near unsigned char INTEN2;
extern volatile near unsigned char INTFLG2;
extern volatile near unsigned char INTPRI2;
extern volatile near struct int1_bits INTEN1bits;
extern volatile near struct int1_bits INTFLG1bits;
extern volatile near struct int1_bits INTPRI1bits;
extern volatile near struct int2_bits INTEN2bits;
extern volatile near struct int2_bits INTFLG2bits;
extern volatile near struct int2_bits INTPRI2bits;

/* ---- Timers ------------------------------------------------------------ */
struct tmr_ctl_bits {
    unsigned PS:3;       /* prescaler 1:2 .. 1:256 */
    unsigned PSEN:1;
    unsigned CS:1;       /* 1 = external clock */
    unsigned W16:1;      /* 16-bit mode */
    unsigned :1;
    unsigned ON:1;
};
extern volatile near unsigned char T0CTL;
extern volatile near unsigned char T0L;
extern volatile near unsigned char T0H;
extern volatile near unsigned char T1CTL;
extern volatile near unsigned char T1L;
extern volatile near unsigned char T1H;
extern volatile near struct tmr_ctl_bits T0CTLbits;
extern volatile near struct tmr_ctl_bits T1CTLbits;

extern volatile near unsigned char T2CTL;
extern volatile near unsigned char T2PR;
extern volatile near unsigned char T2CNT;
extern volatile near struct {
    unsigned PRE:2;
    unsigned ON:1;
    unsigned POST:4;
    unsigned :1;
} T2CTLbits;

/* ---- Pulse-width modulator ---------------------------------------------- */
extern volatile near unsigned char PWMCTL;
extern volatile near struct {
    unsigned EN1:1;
    unsigned EN2:1;
    unsigned POL1:1;
    unsigned POL2:1;
    unsigned CENTER:1;   /* centre-aligned counting */
    unsigned :2;
    unsigned RUN:1;
} PWMCTLbits;
extern volatile near unsigned char PWMPRL;
extern volatile near unsigned char PWMPRH;
extern volatile near unsigned char PWM1DL;
extern volatile near unsigned char PWM1DH;
extern volatile near unsigned char PWM2DL;
extern volatile near unsigned char PWM2DH;

/* ---- Analog-to-digital converter --------------------------------------- */
extern volatile near unsigned char ADCCTL0;
extern volatile near struct {
    unsigned ON:1;
    unsigned GO:1;       /* set to start, cleared by hardware when done */
    unsigned CHS:4;
    unsigned :2;
} ADCCTL0bits;
extern volatile near unsigned char ADCCTL1;
extern volatile near struct {
    unsigned CLK:3;
    unsigned ACQ:3;
    unsigned VREF:1;     /* 1 = external reference */
    unsigned RIGHT:1;    /* right-justified result */
} ADCCTL1bits;
extern volatile near unsigned char ADCRESL;
extern volatile near unsigned char ADCRESH;

/* ---- Asynchronous serial port ---------------------------------------------- */
extern volatile near unsigned char UCTL;
extern volatile near struct {
    unsigned TXEN:1;
    unsigned RXEN:1;
    unsigned HISPEED:1;
    unsigned NINE:1;
    unsigned BRG16:1;
    unsigned :2;
    unsigned EN:1;
} UCTLbits;
extern volatile near unsigned char USTAT;
extern volatile near struct {
    unsigned TXRDY:1;    /* transmit buffer empty */
    unsigned RXAV:1;     /* received byte available */
    unsigned OERR:1;
    unsigned FERR:1;
    unsigned TIDLE:1;    /* shift register empty */
    unsigned RX9D:1;
    unsigned :2;
} USTATbits;
extern volatile near unsigned char UBRGL;
extern volatile near unsigned char UBRGH;
extern volatile near unsigned char UTXD;
extern volatile near unsigned char URXD;

/* ---- Synchronous serial (SPI) -------------------------------------------- */
extern volatile near unsigned char SPICTL;
extern volatile near struct {
    unsigned DIV:3;      /* clock = Fosc / (4 << DIV) */
    unsigned CKE:1;
    unsigned CKP:1;
    unsigned SMP:1;
    unsigned MASTER:1;
    unsigned EN:1;
} SPICTLbits;
extern volatile near unsigned char SPISTAT;
extern volatile near struct {
    unsigned BF:1;       /* buffer full */
    unsigned WCOL:1;
    unsigned OVF:1;
    unsigned :5;
} SPISTATbits;
extern volatile near unsigned char SPIBUF;

/* ---- Two-wire bus (I2C) --------------------------------------------------- */
extern volatile near unsigned char I2CCTL;
extern volatile near struct {
    unsigned START:1;
    unsigned RSTART:1;
    unsigned STOP:1;
    unsigned RCEN:1;
    unsigned ACKEN:1;
    unsigned ACKDT:1;    /* 1 = send NACK */
    unsigned :1;
    unsigned EN:1;
} I2CCTLbits;
extern volatile near unsigned char I2CSTAT;
extern volatile near struct {
    unsigned BUSY:1;
    unsigned ACKSTAT:1;  /* 1 = no acknowledge received */
    unsigned BCL:1;      /* bus collision */
    unsigned DONE:1;
    unsigned :4;
} I2CSTATbits;
extern volatile near unsigned char I2CBUF;
extern volatile near unsigned char I2CBRG;

/* ---- Data EEPROM ------------------------------------------------------------ */
extern volatile near unsigned char NVMCTL;
extern volatile near struct {
    unsigned RD:1;
    unsigned WR:1;
    unsigned WREN:1;
    unsigned ERR:1;
    unsigned :4;
} NVMCTLbits;
extern volatile near unsigned char NVMADRL;
extern volatile near unsigned char NVMADRH;
extern volatile near unsigned char NVMDAT;
extern volatile near unsigned char NVMKEY;

/* ---- Clock, reset and watchdog --------------------------------------------- */
extern volatile near unsigned char CLKCTL;
extern volatile near struct {
    unsigned SCS:2;      /* clock source */
    unsigned STABLE:1;
    unsigned :1;
    unsigned FREQ:3;     /* internal oscillator: 31 kHz .. 16 MHz */
    unsigned IDLE:1;
} CLKCTLbits;
extern volatile near unsigned char RSTCTL;
extern volatile near struct {
    unsigned BOR:1;      /* cleared by a brown-out reset */
    unsigned POR:1;      /* cleared by a power-on reset */
    unsigned PD:1;
    unsigned TO:1;       /* cleared by a watchdog time-out */
    unsigned SWR:1;      /* cleared by the RESET instruction */
    unsigned :3;
} RSTCTLbits;
extern volatile near unsigned char WDTCTL;
extern volatile near struct {
    unsigned SWDTEN:1;
    unsigned PS:4;
    unsigned :3;
} WDTCTLbits;

/* ---- Comparator ------------------------------------------------------------- */
extern volatile near unsigned char CMPCTL;
extern volatile near struct {
    unsigned OUT:1;
    unsigned INV:1;
    unsigned HYS:1;
    unsigned REF:4;      /* internal reference tap */
    unsigned EN:1;
} CMPCTLbits;

#endif
