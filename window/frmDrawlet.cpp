#include "frmDrawlet.h"
