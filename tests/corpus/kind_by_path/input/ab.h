; C Function prototype: int AsmOnly(int a)
int HeaderOnly(int a);
