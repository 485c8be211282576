int LongName(int a,                                                                                                                                                                                                                                            bcd(int x);
int Hidden(int a);
