/* <harrow_family.h>: the peripheral registers of every Harrow device, with a
   bit-field view NAMEbits of each, declared extern: the linker places each
   name at its register's address (docs/registers.md lists them). Include
   <harrow.h> rather than this file. The core's registers (WREG, BSR, FSRn,
   PROD, TBLPTR, TABLAT, PCL...) are known to the compiler without a
   declaration; STATUS, STKPTR and INTCON get bit-field views here.
   Every register is a volatile byte in the access bank. */
#ifndef __HARROW_FAMILY_H
#define __HARROW_FAMILY_H

#define Nop()    do { _asm NOP _endasm } while (0)
#define ClrWdt() do { _asm CLRWDT _endasm } while (0)
#define Sleep()  do { _asm SLEEP _endasm } while (0)
#define Reset()  do { _asm RESET _endasm } while (0)

/* ---- Ports A to E ---- */

/* port A: pin levels */
extern volatile near unsigned char PORTA;
extern volatile near struct {
  unsigned RA0:1;
  unsigned RA1:1;
  unsigned RA2:1;
  unsigned RA3:1;
  unsigned RA4:1;
  unsigned RA5:1;
  unsigned RA6:1;
  unsigned RA7:1;
} PORTAbits;

/* port A: output latches */
extern volatile near unsigned char LATA;
extern volatile near struct {
  unsigned LATA0:1;
  unsigned LATA1:1;
  unsigned LATA2:1;
  unsigned LATA3:1;
  unsigned LATA4:1;
  unsigned LATA5:1;
  unsigned LATA6:1;
  unsigned LATA7:1;
} LATAbits;

/* port A: directions, 1 = input (the reset state) */
extern volatile near unsigned char TRISA;
extern volatile near struct {
  unsigned TRISA0:1;
  unsigned TRISA1:1;
  unsigned TRISA2:1;
  unsigned TRISA3:1;
  unsigned TRISA4:1;
  unsigned TRISA5:1;
  unsigned TRISA6:1;
  unsigned TRISA7:1;
} TRISAbits;

/* port B: pin levels */
extern volatile near unsigned char PORTB;
extern volatile near struct {
  unsigned RB0:1;
  unsigned RB1:1;
  unsigned RB2:1;
  unsigned RB3:1;
  unsigned RB4:1;
  unsigned RB5:1;
  unsigned RB6:1;
  unsigned RB7:1;
} PORTBbits;

/* port B: output latches */
extern volatile near unsigned char LATB;
extern volatile near struct {
  unsigned LATB0:1;
  unsigned LATB1:1;
  unsigned LATB2:1;
  unsigned LATB3:1;
  unsigned LATB4:1;
  unsigned LATB5:1;
  unsigned LATB6:1;
  unsigned LATB7:1;
} LATBbits;

/* port B: directions, 1 = input (the reset state) */
extern volatile near unsigned char TRISB;
extern volatile near struct {
  unsigned TRISB0:1;
  unsigned TRISB1:1;
  unsigned TRISB2:1;
  unsigned TRISB3:1;
  unsigned TRISB4:1;
  unsigned TRISB5:1;
  unsigned TRISB6:1;
  unsigned TRISB7:1;
} TRISBbits;

/* port C: pin levels */
extern volatile near unsigned char PORTC;
extern volatile near struct {
  unsigned RC0:1;
  unsigned RC1:1;
  unsigned RC2:1;
  unsigned RC3:1;
  unsigned RC4:1;
  unsigned RC5:1;
  unsigned RC6:1;
  unsigned RC7:1;
} PORTCbits;

/* port C: output latches */
extern volatile near unsigned char LATC;
extern volatile near struct {
  unsigned LATC0:1;
  unsigned LATC1:1;
  unsigned LATC2:1;
  unsigned LATC3:1;
  unsigned LATC4:1;
  unsigned LATC5:1;
  unsigned LATC6:1;
  unsigned LATC7:1;
} LATCbits;

/* port C: directions, 1 = input (the reset state) */
extern volatile near unsigned char TRISC;
extern volatile near struct {
  unsigned TRISC0:1;
  unsigned TRISC1:1;
  unsigned TRISC2:1;
  unsigned TRISC3:1;
  unsigned TRISC4:1;
  unsigned TRISC5:1;
  unsigned TRISC6:1;
  unsigned TRISC7:1;
} TRISCbits;

/* port D: pin levels */
extern volatile near unsigned char PORTD;
extern volatile near struct {
  unsigned RD0:1;
  unsigned RD1:1;
  unsigned RD2:1;
  unsigned RD3:1;
  unsigned RD4:1;
  unsigned RD5:1;
  unsigned RD6:1;
  unsigned RD7:1;
} PORTDbits;

/* port D: output latches */
extern volatile near unsigned char LATD;
extern volatile near struct {
  unsigned LATD0:1;
  unsigned LATD1:1;
  unsigned LATD2:1;
  unsigned LATD3:1;
  unsigned LATD4:1;
  unsigned LATD5:1;
  unsigned LATD6:1;
  unsigned LATD7:1;
} LATDbits;

/* port D: directions, 1 = input (the reset state) */
extern volatile near unsigned char TRISD;
extern volatile near struct {
  unsigned TRISD0:1;
  unsigned TRISD1:1;
  unsigned TRISD2:1;
  unsigned TRISD3:1;
  unsigned TRISD4:1;
  unsigned TRISD5:1;
  unsigned TRISD6:1;
  unsigned TRISD7:1;
} TRISDbits;

/* port E: pin levels */
extern volatile near unsigned char PORTE;
extern volatile near struct {
  unsigned RE0:1;
  unsigned RE1:1;
  unsigned RE2:1;
  unsigned RE3:1;
  unsigned RE4:1;
  unsigned RE5:1;
  unsigned RE6:1;
  unsigned RE7:1;
} PORTEbits;

/* port E: output latches */
extern volatile near unsigned char LATE;
extern volatile near struct {
  unsigned LATE0:1;
  unsigned LATE1:1;
  unsigned LATE2:1;
  unsigned LATE3:1;
  unsigned LATE4:1;
  unsigned LATE5:1;
  unsigned LATE6:1;
  unsigned LATE7:1;
} LATEbits;

/* port E: directions, 1 = input (the reset state) */
extern volatile near unsigned char TRISE;
extern volatile near struct {
  unsigned TRISE0:1;
  unsigned TRISE1:1;
  unsigned TRISE2:1;
  unsigned TRISE3:1;
  unsigned TRISE4:1;
  unsigned TRISE5:1;
  unsigned TRISE6:1;
  unsigned TRISE7:1;
} TRISEbits;

/* ---- Clock ---- */

/* clock source (SCS), internal oscillator frequency (IRCF) */
extern volatile near unsigned char OSCCON;
extern volatile near struct {
  unsigned SCS:2;
  unsigned IOFS:1;
  unsigned OSTS:1;
  unsigned IRCF:3;
  unsigned IDLEN:1;
} OSCCONbits;

/* ---- Timers ---- */

/* timer 0: prescaler, clock source, 8/16 bits, on */
extern volatile near unsigned char T0CON;
extern volatile near struct {
  unsigned T0PS:3;
  unsigned PSA:1;
  unsigned T0SE:1;
  unsigned T0CS:1;
  unsigned T08BIT:1;
  unsigned TMR0ON:1;
} T0CONbits;

extern volatile near unsigned char TMR0L;

/* timer 0 count: read TMR0L first, it latches TMR0H */
extern volatile near unsigned char TMR0H;

/* timer 1 */
extern volatile near unsigned char T1CON;
extern volatile near struct {
  unsigned TMR1ON:1;
  unsigned TMR1CS:1;
  unsigned T1SYNC:1;
  unsigned T1OSCEN:1;
  unsigned T1CKPS:2;
  unsigned T1RUN:1;
  unsigned RD16:1;
} T1CONbits;

extern volatile near unsigned char TMR1L;

extern volatile near unsigned char TMR1H;

/* timer 2: 8 bits with period register PR2 */
extern volatile near unsigned char T2CON;
extern volatile near struct {
  unsigned T2CKPS:2;
  unsigned TMR2ON:1;
  unsigned T2OUTPS:4;
  unsigned :1;
} T2CONbits;

extern volatile near unsigned char TMR2;

extern volatile near unsigned char PR2;

/* timer 3 */
extern volatile near unsigned char T3CON;
extern volatile near struct {
  unsigned TMR3ON:1;
  unsigned TMR3CS:1;
  unsigned T3SYNC:1;
  unsigned :1;
  unsigned T3CKPS:2;
  unsigned :1;
  unsigned RD16:1;
} T3CONbits;

extern volatile near unsigned char TMR3L;

extern volatile near unsigned char TMR3H;

/* ---- Peripheral interrupts: enables (PIEn), requests (PIRn), priorities (IPRn, 1 = high) ---- */

extern volatile near unsigned char PIE1;
extern volatile near struct {
  unsigned TMR1IE:1;
  unsigned TMR2IE:1;
  unsigned TMR3IE:1;
  unsigned SSPIE:1;
  unsigned TXIE:1;
  unsigned RCIE:1;
  unsigned ADIE:1;
  unsigned TMR0IE:1;
} PIE1bits;

extern volatile near unsigned char PIR1;
extern volatile near struct {
  unsigned TMR1IF:1;
  unsigned TMR2IF:1;
  unsigned TMR3IF:1;
  unsigned SSPIF:1;
  unsigned TXIF:1;
  unsigned RCIF:1;
  unsigned ADIF:1;
  unsigned TMR0IF:1;
} PIR1bits;

extern volatile near unsigned char IPR1;
extern volatile near struct {
  unsigned TMR1IP:1;
  unsigned TMR2IP:1;
  unsigned TMR3IP:1;
  unsigned SSPIP:1;
  unsigned TXIP:1;
  unsigned RCIP:1;
  unsigned ADIP:1;
  unsigned TMR0IP:1;
} IPR1bits;

extern volatile near unsigned char PIE2;
extern volatile near struct {
  unsigned EEIE:1;
  unsigned BCLIE:1;
  unsigned :6;
} PIE2bits;

extern volatile near unsigned char PIR2;
extern volatile near struct {
  unsigned EEIF:1;
  unsigned BCLIF:1;
  unsigned :6;
} PIR2bits;

extern volatile near unsigned char IPR2;
extern volatile near struct {
  unsigned EEIP:1;
  unsigned BCLIP:1;
  unsigned :6;
} IPR2bits;

/* ---- UART ---- */

/* receiver status and control; SPEN turns the port on */
extern volatile near unsigned char RCSTA;
extern volatile near struct {
  unsigned RX9D:1;
  unsigned OERR:1;
  unsigned FERR:1;
  unsigned ADDEN:1;
  unsigned CREN:1;
  unsigned SREN:1;
  unsigned RX9:1;
  unsigned SPEN:1;
} RCSTAbits;

/* transmitter status and control */
extern volatile near unsigned char TXSTA;
extern volatile near struct {
  unsigned TX9D:1;
  unsigned TRMT:1;
  unsigned BRGH:1;
  unsigned SENDB:1;
  unsigned SYNC:1;
  unsigned TXEN:1;
  unsigned TX9:1;
  unsigned CSRC:1;
} TXSTAbits;

/* byte to send */
extern volatile near unsigned char TXREG;

/* byte received */
extern volatile near unsigned char RCREG;

/* baud rate generator, low and high byte */
extern volatile near unsigned char SPBRG;

extern volatile near unsigned char SPBRGH;

/* baud rate control */
extern volatile near unsigned char BAUDCON;
extern volatile near struct {
  unsigned ABDEN:1;
  unsigned WUE:1;
  unsigned :1;
  unsigned BRG16:1;
  unsigned SCKP:1;
  unsigned :1;
  unsigned RCIDL:1;
  unsigned ABDOVF:1;
} BAUDCONbits;

/* ---- Synchronous serial port (SPI and I2C) ---- */

/* mode (SSPM), enable */
extern volatile near unsigned char SSPCON1;
extern volatile near struct {
  unsigned SSPM:4;
  unsigned CKP:1;
  unsigned SSPEN:1;
  unsigned SSPOV:1;
  unsigned WCOL:1;
} SSPCON1bits;

/* I2C master sequences */
extern volatile near unsigned char SSPCON2;
extern volatile near struct {
  unsigned SEN:1;
  unsigned RSEN:1;
  unsigned PEN:1;
  unsigned RCEN:1;
  unsigned ACKEN:1;
  unsigned ACKDT:1;
  unsigned ACKSTAT:1;
  unsigned GCEN:1;
} SSPCON2bits;

/* status: buffer full, start, stop... */
extern volatile near unsigned char SSPSTAT;
extern volatile near struct {
  unsigned BF:1;
  unsigned UA:1;
  unsigned R_W:1;
  unsigned S:1;
  unsigned P:1;
  unsigned D_A:1;
  unsigned CKE:1;
  unsigned SMP:1;
} SSPSTATbits;

/* I2C address (slave) or baud rate (master) */
extern volatile near unsigned char SSPADD;

/* byte sent and received */
extern volatile near unsigned char SSPBUF;

/* ---- Analog-to-digital converter ---- */

/* on, start/busy, channel */
extern volatile near unsigned char ADCON0;
extern volatile near struct {
  unsigned ADON:1;
  unsigned GO_DONE:1;
  unsigned CHS:4;
  unsigned :2;
} ADCON0bits;

/* analog pins, references */
extern volatile near unsigned char ADCON1;
extern volatile near struct {
  unsigned PCFG:4;
  unsigned VCFG0:1;
  unsigned VCFG1:1;
  unsigned :2;
} ADCON1bits;

/* conversion clock, acquisition time, right-justified result */
extern volatile near unsigned char ADCON2;
extern volatile near struct {
  unsigned ADCS:3;
  unsigned ACQT:3;
  unsigned :1;
  unsigned ADFM:1;
} ADCON2bits;

/* result, low and high byte */
extern volatile near unsigned char ADRESL;

extern volatile near unsigned char ADRESH;

/* ---- Reset, watchdog and data EEPROM ---- */

/* reset causes; IPEN enables two interrupt priorities */
extern volatile near unsigned char RCON;
extern volatile near struct {
  unsigned BOR:1;
  unsigned POR:1;
  unsigned PD:1;
  unsigned TO:1;
  unsigned RI:1;
  unsigned :2;
  unsigned IPEN:1;
} RCONbits;

/* watchdog on */
extern volatile near unsigned char WDTCON;
extern volatile near struct {
  unsigned SWDTEN:1;
  unsigned :7;
} WDTCONbits;

/* EEPROM control */
extern volatile near unsigned char EECON1;
extern volatile near struct {
  unsigned RD:1;
  unsigned WR:1;
  unsigned WREN:1;
  unsigned WRERR:1;
  unsigned FREE:1;
  unsigned :1;
  unsigned CFGS:1;
  unsigned EEPGD:1;
} EECON1bits;

/* EEPROM write sequence */
extern volatile near unsigned char EECON2;

extern volatile near unsigned char EEADR;

extern volatile near unsigned char EEDATA;

/* ---- Debug output ---- */

/* a byte written here goes to the debug console (harrow-sim prints it) */
extern volatile near unsigned char DEBUGOUT;

/* ---- Core and interrupt control ---- */

/* arithmetic flags */
extern volatile near unsigned char STATUS;
extern volatile near struct {
  unsigned C:1;
  unsigned DC:1;
  unsigned Z:1;
  unsigned OV:1;
  unsigned N:1;
  unsigned :3;
} STATUSbits;

/* return stack pointer and its overflow flags */
extern volatile near unsigned char STKPTR;
extern volatile near struct {
  unsigned SP:5;
  unsigned :1;
  unsigned STKUNF:1;
  unsigned STKFUL:1;
} STKPTRbits;

/* interrupt control: GIEH (high, global) and GIEL (low) enables */
extern volatile near unsigned char INTCON;
extern volatile near struct {
  unsigned RBIF:1;
  unsigned INT0IF:1;
  unsigned TMR0IF:1;
  unsigned RBIE:1;
  unsigned INT0IE:1;
  unsigned TMR0IE:1;
  unsigned GIEL:1;
  unsigned GIEH:1;
} INTCONbits;

/* edges of the external interrupts, priorities, port B pull-ups (RBPU 0 = on) */
extern volatile near unsigned char INTCON2;
extern volatile near struct {
  unsigned RBIP:1;
  unsigned :1;
  unsigned TMR0IP:1;
  unsigned :1;
  unsigned INTEDG2:1;
  unsigned INTEDG1:1;
  unsigned INTEDG0:1;
  unsigned RBPU:1;
} INTCON2bits;

/* external interrupts 1 and 2 */
extern volatile near unsigned char INTCON3;
extern volatile near struct {
  unsigned INT1IF:1;
  unsigned INT2IF:1;
  unsigned :1;
  unsigned INT1IE:1;
  unsigned INT2IE:1;
  unsigned :1;
  unsigned INT1IP:1;
  unsigned INT2IP:1;
} INTCON3bits;

#endif
