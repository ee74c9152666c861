// Format implementation (being written).
#include "platform/rtl/Format.h"
