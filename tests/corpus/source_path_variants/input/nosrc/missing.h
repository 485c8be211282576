int Gone(int a);
