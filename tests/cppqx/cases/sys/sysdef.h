#ifndef SYSDEF_H
#define SYSDEF_H
#define SYS_VALUE 42
int sys_value = SYS_VALUE;
#endif /* SYSDEF_H */
