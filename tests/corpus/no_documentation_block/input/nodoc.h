int Plain(int x);
int Indented(int y);
