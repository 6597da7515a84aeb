int noguard;
