int Multi(int m, int n);
int Star(int m, int n);
int Open2(int m);
