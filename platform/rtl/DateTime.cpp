// DateTime implementation (being written).
#include "platform/rtl/DateTime.h"
