// The grid family's toolbox of free routines: text, numbers, dates, filter conditions, colours and cell painters.
#pragma once

#include "grid/foundation/ExtUtilCellBars.h"
#include "grid/foundation/ExtUtilCellText.h"
#include "grid/foundation/ExtUtilColors.h"
#include "grid/foundation/ExtUtilDates.h"
#include "grid/foundation/ExtUtilDraw.h"
#include "grid/foundation/ExtUtilFilter.h"
#include "grid/foundation/ExtUtilGradients.h"
#include "grid/foundation/ExtUtilHtml.h"
#include "grid/foundation/ExtUtilLayered.h"
#include "grid/foundation/ExtUtilNumbers.h"
#include "grid/foundation/ExtUtilShapes.h"
#include "grid/foundation/ExtUtilText.h"
#include "grid/foundation/ExtUtilTextForms.h"
#include "grid/foundation/ExtUtilThemedButtons.h"
