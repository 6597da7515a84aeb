// The device header's registers: every name it declares links to its
// register's address, each bit-field view shares its byte's address, bits
// written through a view show in the byte (and back), and bytes written to
// DEBUGOUT reach the output port.
#include <harrow.h>
#include "check.h"

typedef volatile near unsigned char *reg_ptr;

static rom struct {
  reg_ptr byte;
  reg_ptr bits;  /* 0: no bit-field view */
  unsigned int address;
} registers[] = {
  {&PORTA, (reg_ptr)&PORTAbits, 0xF80},
  {&LATA, (reg_ptr)&LATAbits, 0xF85},
  {&TRISA, (reg_ptr)&TRISAbits, 0xF8A},
  {&PORTB, (reg_ptr)&PORTBbits, 0xF81},
  {&LATB, (reg_ptr)&LATBbits, 0xF86},
  {&TRISB, (reg_ptr)&TRISBbits, 0xF8B},
  {&PORTC, (reg_ptr)&PORTCbits, 0xF82},
  {&LATC, (reg_ptr)&LATCbits, 0xF87},
  {&TRISC, (reg_ptr)&TRISCbits, 0xF8C},
  {&PORTD, (reg_ptr)&PORTDbits, 0xF83},
  {&LATD, (reg_ptr)&LATDbits, 0xF88},
  {&TRISD, (reg_ptr)&TRISDbits, 0xF8D},
  {&PORTE, (reg_ptr)&PORTEbits, 0xF84},
  {&LATE, (reg_ptr)&LATEbits, 0xF89},
  {&TRISE, (reg_ptr)&TRISEbits, 0xF8E},
  {&OSCCON, (reg_ptr)&OSCCONbits, 0xF8F},
  {&T0CON, (reg_ptr)&T0CONbits, 0xF90},
  {&TMR0L, 0, 0xF91},
  {&TMR0H, 0, 0xF92},
  {&T1CON, (reg_ptr)&T1CONbits, 0xF93},
  {&TMR1L, 0, 0xF94},
  {&TMR1H, 0, 0xF95},
  {&T2CON, (reg_ptr)&T2CONbits, 0xF96},
  {&TMR2, 0, 0xF97},
  {&PR2, 0, 0xF98},
  {&T3CON, (reg_ptr)&T3CONbits, 0xF99},
  {&TMR3L, 0, 0xF9A},
  {&TMR3H, 0, 0xF9B},
  {&PIE1, (reg_ptr)&PIE1bits, 0xF9C},
  {&PIR1, (reg_ptr)&PIR1bits, 0xF9D},
  {&IPR1, (reg_ptr)&IPR1bits, 0xF9E},
  {&PIE2, (reg_ptr)&PIE2bits, 0xF9F},
  {&PIR2, (reg_ptr)&PIR2bits, 0xFA0},
  {&IPR2, (reg_ptr)&IPR2bits, 0xFA1},
  {&RCSTA, (reg_ptr)&RCSTAbits, 0xFA2},
  {&TXSTA, (reg_ptr)&TXSTAbits, 0xFA3},
  {&TXREG, 0, 0xFA4},
  {&RCREG, 0, 0xFA5},
  {&SPBRG, 0, 0xFA6},
  {&SPBRGH, 0, 0xFA7},
  {&BAUDCON, (reg_ptr)&BAUDCONbits, 0xFA8},
  {&SSPCON1, (reg_ptr)&SSPCON1bits, 0xFA9},
  {&SSPCON2, (reg_ptr)&SSPCON2bits, 0xFAA},
  {&SSPSTAT, (reg_ptr)&SSPSTATbits, 0xFAB},
  {&SSPADD, 0, 0xFAC},
  {&SSPBUF, 0, 0xFAD},
  {&ADCON0, (reg_ptr)&ADCON0bits, 0xFAE},
  {&ADCON1, (reg_ptr)&ADCON1bits, 0xFAF},
  {&ADCON2, (reg_ptr)&ADCON2bits, 0xFB0},
  {&ADRESL, 0, 0xFB1},
  {&ADRESH, 0, 0xFB2},
  {&RCON, (reg_ptr)&RCONbits, 0xFB3},
  {&WDTCON, (reg_ptr)&WDTCONbits, 0xFB4},
  {&EECON1, (reg_ptr)&EECON1bits, 0xFB5},
  {&EECON2, 0, 0xFB6},
  {&EEADR, 0, 0xFB7},
  {&EEDATA, 0, 0xFB8},
  {&DEBUGOUT, 0, 0xFD7},
  {&STATUS, (reg_ptr)&STATUSbits, 0xFD8},
  {&STKPTR, (reg_ptr)&STKPTRbits, 0xFFC},
  {&INTCON, (reg_ptr)&INTCONbits, 0xFF2},
  {&INTCON2, (reg_ptr)&INTCON2bits, 0xFF1},
  {&INTCON3, (reg_ptr)&INTCON3bits, 0xFF0},};

int main(void)
{
  unsigned char i;
  for (i = 0; i < sizeof registers / sizeof registers[0]; i++) {
    CHECK((unsigned int)registers[i].byte == registers[i].address);
    CHECK(!registers[i].bits || registers[i].bits == registers[i].byte);
  }

  TRISB = 0xFF;
  TRISBbits.TRISB3 = 0;
  TRISBbits.TRISB0 = 0;
  CHECK(TRISB == 0xF6);
  LATD = 0;
  LATDbits.LATD7 = 1;
  CHECK(LATD == 0x80);
  CHECK(LATDbits.LATD7 && !LATDbits.LATD6);
  T0CON = 0;
  T0CONbits.T0PS = 5;
  T0CONbits.TMR0ON = 1;
  CHECK(T0CON == 0x85);
  ADCON0 = 0;
  ADCON0bits.CHS = 9;
  CHECK(ADCON0 == 0x24);
  ADCON0 = 0x3D;
  CHECK(ADCON0bits.CHS == 15 && ADCON0bits.ADON && !ADCON0bits.GO_DONE);
  PIR1 = 0;
  PIR1bits.RCIF = 1;
  CHECK(PIR1 == 0x20);
  SSPSTAT = 0x01;
  CHECK(SSPSTATbits.BF && !SSPSTATbits.SMP);

  DEBUGOUT = 'o';
  DEBUGOUT = 'k';
  DEBUGOUT = '\n';
  return CHECK_RESULT();
}
