// Must not compile: the game model is plain C++.
#include <QString>
