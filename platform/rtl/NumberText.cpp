// NumberText implementation (being written).
#include "platform/rtl/NumberText.h"
