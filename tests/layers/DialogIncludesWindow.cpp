// Must not compile: the dialogs know nothing of the main window.
#include "Tsys.h"
