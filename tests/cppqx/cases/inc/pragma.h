int before_pragma;
#pragma udata bank1
int after_pragma;
