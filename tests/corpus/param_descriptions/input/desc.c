/*!
@param m:{ FAST , SLOW }
*/
int Spaced(int m)
/*!
@param m : {FAST,SLOW}
*/
int BlankAfterColon(int m)
/*!
@param m :{A,
 * B}
@brief x
*/
int RunsOn(int m)
/*!
@param m :{A,B} // default A
*/
int Commented(int m)
/*!
@param m :{A;B}
nothing
*/
int Semicolon(int m)
/*!
@param m :{(1),(2)}
nothing
*/
int Parenthesised(int m)
/*!
@param m :{X,Y}
/**
*/
int NextBlock(int m)
/*!
@param p :{X}
@param m :{1-2}
*/
int OtherName(int m)
/** @note use a.exe here
@param m :{A,B}
*/
int Noted(int m)
/*! second
*/
int Unnoted(int m)
/*! after
@param m :{C,D}
